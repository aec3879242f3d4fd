#include <gtest/gtest.h>

#include "app/ImageLayout.h"
#include "editors/feature/FeatureForm.h"
#include "tests/editors/feature/FeatureTestSupport.h"

using namespace tsw;
using namespace tsw::feature;
using tsw::test::bytesAt;
using tsw::test::changedOnlyWithin;

namespace {

class FeatureFormTest : public ::testing::Test {
protected:
    FeatureFormTest() {
        image.setByte(layout::kFeatVoxFunction, 1); // so that the VOX rows take input
    }
    std::size_t byteOf(int row) const {
        return kFeatureFieldTable[static_cast<std::size_t>(row)].offset;
    }

    RadioImage image = test::defaultImage();
    FeatureForm form{image, test::fakeLookup()};
};

TEST_F(FeatureFormTest, TypedNumbersAreCorrectedStoredAndShownBack) {
    const char* const kHuge = "99999999999999999999"; // more than a long holds
    const test::TypedCase cases[] = {
        {feat::TimeOutTimer, "16", 2, "30"},     {feat::TimeOutTimer, "7", 1, "15"},
        {feat::TimeOutTimer, "999", 40, "600"},  {feat::TimeOutTimer, "600", 40, "600"},
        {feat::TimeOutTimer, "31", 3, "45"},     {feat::TimeOutTimer, "", 1, "15"},
        {feat::TimeOutTimer, "585", 39, "585"},  {feat::TotPreAlert, "0", 0, "Off"},
        {feat::TotPreAlert, "11", 10, "10"},     {feat::TotPreAlert, "7", 7, "7"},
        {feat::SquelchLevel, "7", 7, "7"},       {feat::SquelchLevel, "42", 9, "9"},
        {feat::SquelchLevel, "-5", 0, "0"},      {feat::VoxGainLevel, "", 0, "Off"},
        {feat::VoxGainLevel, "x", 0, "Off"},     {feat::VoxGainLevel, "12", 10, "10"},
        {feat::VoxGainLevel, "3", 3, "3"},       {feat::CallingAlertTone, "0", 0, "1"},
        {feat::CallingAlertTone, "1", 0, "1"},   {feat::CallingAlertTone, "10", 9, "10"},
        {feat::CallingAlertTone, "25", 9, "10"}, {feat::CallingAlertTone, "4", 3, "4"},
        {feat::TotRekeyTime, "61", 60, "60"},    {feat::TotRekeyTime, "0", 0, "Off"},
        {feat::TotResetTime, "16", 15, "15"},    {feat::TotResetTime, "Off", 0, "Off"},
        {feat::TotResetTime, kHuge, 15, "15"}};
    test::expectTyped(form, image, cases, 0x05);
}

TEST_F(FeatureFormTest, TheOffTextInVoxGainIsLeftAlone) {
    image.setByte(layout::kFeatVoxGainLevel, 6);
    const RadioImage before = image;
    EXPECT_EQ(form.commitText(feat::VoxGainLevel, "Off").refresh, 0u);
    EXPECT_EQ(image, before);
}

TEST_F(FeatureFormTest, StoredValuesShowAsTheRowsSay) {
    const test::ShownCase texts[] = {
        {feat::TimeOutTimer, 4, "60"},    {feat::TimeOutTimer, 40, "600"},
        {feat::CallingAlertTone, 0, "1"}, {feat::CallingAlertTone, 9, "10"},
        {feat::TotPreAlert, 0, "Off"},    {feat::TotPreAlert, 10, "10"},
        {feat::TotPreAlert, 11, {}},      {feat::SquelchLevel, 0, "0"},
        {feat::SquelchLevel, 10, {}},     {feat::VoxGainLevel, 11, {}},
        {feat::TotRekeyTime, 60, "60"},   {feat::TotRekeyTime, 61, {}},
        {feat::TotResetTime, 15, "15"},   {feat::TotResetTime, 16, {}},
        {feat::TotResetTime, 0, "Off"},   {feat::Beep, 1, {}}};
    const test::ListCase lists[] = {
        {feat::VoiceAnnunciation, 0, 0}, {feat::VoiceAnnunciation, 1, -1},
        {feat::VoiceAnnunciation, 2, 1}, {feat::MicSensitivity, 1, 1},
        {feat::MicSensitivity, 2, -1},   {feat::VoxDelayTime, 5, 5},
        {feat::VoxDelayTime, 6, -1}};
    test::expectShown(form, image, texts, lists);
}

// The typed text is ignored; a byte beyond the range enters it at the far end.
TEST_F(FeatureFormTest, SpinButtonsStepTheStoredByteAndWrap) {
    const test::StepCase cases[] = {
        {feat::TimeOutTimer, "9", 40, +1, 1},   {feat::TimeOutTimer, "", 1, -1, 40},
        {feat::TimeOutTimer, "", 7, +1, 8},     {feat::TotRekeyTime, "", 0, -1, 60},
        {feat::TotRekeyTime, "", 60, +1, 0},    {feat::CallingAlertTone, "", 9, +1, 0},
        {feat::CallingAlertTone, "", 0, -1, 9}, {feat::SquelchLevel, "", 9, +1, 0},
        {feat::TotPreAlert, "", 10, +1, 0},     {feat::VoxGainLevel, "", 0, -1, 10},
        {feat::TotResetTime, "", 15, +1, 0},    {feat::TotResetTime, "", 3, -1, 2},
        {feat::TotPreAlert, "", 0xFF, -1, 10},  {feat::TimeOutTimer, "", 0xFF, +1, 1},
        {feat::TimeOutTimer, "", 0, -1, 40},    {feat::CallingAlertTone, "", 200, +1, 0}};
    test::expectSteps(form, image, cases);
    image.setByte(layout::kFeatTimeOutTimer, 40);
    form.step(feat::TimeOutTimer, +1, "");
    EXPECT_EQ(form.text(feat::TimeOutTimer), "15"); // 600 s steps up to 15 s
}

TEST_F(FeatureFormTest, ListsStoreTheEntryCode) {
    const RadioImage before = image;
    form.commitList(feat::VoiceAnnunciation, 1);
    EXPECT_EQ(image.byte(layout::kFeatVoiceAnnunciation), 2);
    form.commitList(feat::VoxDelayTime, 3);
    EXPECT_EQ(image.byte(layout::kFeatVoxDelayTime), 3);
    form.commitList(feat::VoxDelayTime, 6); // no such entry
    form.commitList(feat::VoxDelayTime, -1);
    EXPECT_EQ(image.byte(layout::kFeatVoxDelayTime), 3);
    EXPECT_TRUE(changedOnlyWithin(before, image,
                                  test::unite({bytesAt(layout::kFeatVoiceAnnunciation),
                                               bytesAt(layout::kFeatVoxDelayTime)})));
}

TEST_F(FeatureFormTest, ScramblerActivationDisablesAndClearsBackupKeepingItsByte) {
    image.setByte(layout::kFeatScramblerActivation, 0);
    image.setByte(layout::kFeatScramblerBackup, 1);
    EXPECT_TRUE(form.enabled(feat::ScramblerBackup));
    EXPECT_TRUE(form.checked(feat::ScramblerBackup));

    const RadioImage before = image;
    const Commit c = form.commitCheck(feat::ScramblerActivation, true);
    EXPECT_TRUE(c.shows(feat::ScramblerBackup));
    EXPECT_FALSE(form.enabled(feat::ScramblerBackup));
    EXPECT_FALSE(form.checked(feat::ScramblerBackup));
    EXPECT_EQ(image.byte(layout::kFeatScramblerBackup), 1);
    EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(layout::kFeatScramblerActivation)));
    form.commitCheck(feat::ScramblerBackup, false); // a disabled box takes no clicks
    EXPECT_EQ(image.byte(layout::kFeatScramblerBackup), 1);

    form.commitCheck(feat::ScramblerActivation, false);
    EXPECT_TRUE(form.enabled(feat::ScramblerBackup));
    EXPECT_TRUE(form.checked(feat::ScramblerBackup)); // shows its byte again
}

TEST_F(FeatureFormTest, VoxFunctionEnablesTheFiveRowsBelowIt) {
    const int voxRows[] = {feat::VoxGainLevel, feat::VoxDelayTime, feat::CanceledByPtt,
                           feat::VoxProceedTone, feat::TxInhibitOnBusy};
    const Commit c = form.commitCheck(feat::VoxFunction, false);
    EXPECT_EQ(image.byte(layout::kFeatVoxFunction), 0);
    for (int r : voxRows) {
        EXPECT_FALSE(form.enabled(r)) << r;
        EXPECT_TRUE(c.shows(r));
    }
    const RadioImage before = image;
    form.commitText(feat::VoxGainLevel, "7");
    form.step(feat::VoxGainLevel, +1, "");
    form.commitList(feat::VoxDelayTime, 2);
    form.commitCheck(feat::TxInhibitOnBusy, true);
    EXPECT_EQ(image, before);
    form.commitCheck(feat::VoxFunction, true);
    for (int r : voxRows)
        EXPECT_TRUE(form.enabled(r)) << r;
}

TEST_F(FeatureFormTest, CheckBoxesStoreOneOrZero) {
    for (int row = 0; row < feat::RowCount; ++row) {
        if (kFeatureFieldTable[static_cast<std::size_t>(row)].kind != FieldKind::Check ||
            !form.enabled(row))
            continue;
        SCOPED_TRACE(row);
        image.setByte(byteOf(row), 0x7E);
        EXPECT_TRUE(form.checked(row));
        const RadioImage before = image;
        form.commitCheck(row, false);
        EXPECT_EQ(image.byte(byteOf(row)), 0);
        EXPECT_FALSE(form.checked(row));
        form.commitCheck(row, true);
        EXPECT_EQ(image.byte(byteOf(row)), 1);
        EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(byteOf(row))));
    }
}

TEST_F(FeatureFormTest, HiddenPttIdGroupAndCloneModePassThroughEveryCommit) {
    for (int row : {int(feat::PttIdGroup), int(feat::PttIdType), int(feat::PttId),
                    int(feat::BeginOfTx), int(feat::EndOfTx), int(feat::CloneMode)}) {
        EXPECT_FALSE(form.visible(row)) << row;
        EXPECT_FALSE(form.enabled(row)) << row;
    }
    const RadioImage before = image;
    for (int row = 0; row < feat::RowCount; ++row)
        for (const char* typed : {"", "0", "3", "16", "999", "12345678901234567", "Off"}) {
            form.commitText(row, typed);
            form.step(row, +1, typed);
            form.step(row, -1, typed);
            form.commitList(row, 1);
            form.commitCheck(row, true);
        }
    const auto untouched =
        test::unite({bytesAt(layout::kFeatPttId), bytesAt(layout::kFeatPttIdType),
                     bytesAt(layout::kFeatCloneMode), bytesAt(layout::kPttIdBeginCode, 32)});
    for (std::size_t at : untouched)
        EXPECT_EQ(image.byte(at), before.byte(at)) << std::hex << at;
}

} // namespace

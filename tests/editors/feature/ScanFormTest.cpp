#include <gtest/gtest.h>

#include "app/ImageLayout.h"
#include "editors/feature/ScanForm.h"
#include "tests/editors/feature/FeatureTestSupport.h"

using namespace tsw;
using namespace tsw::feature;
using tsw::test::bytesAt;
using tsw::test::changedOnlyWithin;

namespace {

class ScanFormTest : public ::testing::Test {
protected:
    ScanFormTest() { image.setByte(layout::kScanPriority, 1); }
    void setProgrammed(int channel, bool on) {
        image.setByte(layout::channelOffset(channel - 1), on ? 0x25 : 0xFF);
    }
    RadioImage image = test::defaultImage();
    ScanForm form{image};
};

// Only Priority 1 has a priority channel: with 0 or 2 the editor empties the box as it opens,
// so a byte left in 0x161 never reads as a channel (listings, diff and printing show the same).
TEST(ScanRowText, PriorityChannelShowsOnlyWithPriorityOne) {
    const struct {
        int priority;
        const char* shown;
    } cases[] = {{0, ""}, {1, "7"}, {2, ""}, {3, "7"}, {0xFF, "7"}};
    for (const auto& c : cases) {
        RadioImage image = test::defaultImage();
        image.setByte(layout::kScanPriority, static_cast<std::uint8_t>(c.priority));
        image.setByte(layout::kPriorityChannel, 7);
        EXPECT_EQ(scanRowText(image, scan::PriorityChannel), c.shown) << c.priority;
        EXPECT_EQ(image.byte(layout::kPriorityChannel), 7); // showing changes nothing
    }
}

TEST_F(ScanFormTest, LookBackTimesAreReadInHundredthsAndStoredIn50msSteps) {
    for (int row : {int(scan::LookBackA), int(scan::LookBackB)}) {
        const test::TypedCase cases[] = {
            {row, "5", 91, "5.00"},     {row, "0.1", 1, "0.50"},   {row, "1.23", 15, "1.20"},
            {row, "2", 31, "2.00"},     {row, "2.", 31, "2.00"},   {row, ".75", 6, "0.75"},
            {row, "1.5", 21, "1.50"},   {row, "9.99", 91, "5.00"}, {row, "", 1, "0.50"},
            {row, "1.2.3", 15, "1.20"}, {row, "0.54", 1, "0.50"},  {row, "4.99", 90, "4.95"}};
        test::expectTyped(form, image, cases);
    }
}

TEST_F(ScanFormTest, PriorityChannelMustNameAProgrammedChannel) {
    setProgrammed(16, true);
    image.setByte(layout::kPriorityChannel, 4);
    RadioImage before = image;
    Commit c = form.commitText(scan::PriorityChannel, "20");
    EXPECT_EQ(c.message, 0);
    EXPECT_EQ(image.byte(layout::kPriorityChannel), 16);
    EXPECT_EQ(form.text(scan::PriorityChannel), "16");
    EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(layout::kPriorityChannel)));

    setProgrammed(16, false);
    image.setByte(layout::kPriorityChannel, 4);
    before = image;
    c = form.commitText(scan::PriorityChannel, "20");
    EXPECT_EQ(c.message, StrId::ChannelNotProgrammed);
    EXPECT_TRUE(c.shows(scan::PriorityChannel));
    EXPECT_EQ(image, before);
    EXPECT_EQ(form.text(scan::PriorityChannel), "4"); // the previous channel comes back

    for (const char* none : {"", "0", "00"}) {
        form.commitText(scan::PriorityChannel, none);
        EXPECT_EQ(image.byte(layout::kPriorityChannel), 0xFF) << none;
        EXPECT_EQ(form.text(scan::PriorityChannel), "");
    }
}

TEST_F(ScanFormTest, ARefusedChannelStillTurnsAStoredZeroIntoNone) {
    setProgrammed(9, false);
    image.setByte(layout::kPriorityChannel, 0);
    EXPECT_EQ(form.commitText(scan::PriorityChannel, "9").message, StrId::ChannelNotProgrammed);
    EXPECT_EQ(image.byte(layout::kPriorityChannel), 0xFF);
}

TEST_F(ScanFormTest, PriorityChangesCorrectChannelLookBackAndRevert) {
    struct Case {
        int from, to, revertBefore, revertAfter;
        std::size_t revertEntries;
    } const cases[] = {
        {1, 0, 2, 1, 2}, {1, 0, 3, 1, 2}, {1, 0, 0, 0, 2}, {1, 2, 0, 3, 2},
        {1, 2, 1, 3, 2}, {1, 2, 2, 2, 2}, {0, 1, 1, 1, 4}, {2, 1, 3, 3, 4},
    };
    setProgrammed(5, true);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.to));
        image.setByte(layout::kScanPriority, static_cast<std::uint8_t>(c.from));
        image.setByte(layout::kPriorityChannel, 5);
        image.setByte(layout::kScanRevertChannel, static_cast<std::uint8_t>(c.revertBefore));
        const RadioImage before = image;
        const Commit commit = form.commitList(scan::Priority, c.to); // index = code
        EXPECT_EQ(image.byte(layout::kScanPriority), c.to);
        EXPECT_EQ(image.byte(layout::kScanRevertChannel), c.revertAfter);
        EXPECT_EQ(image.byte(layout::kPriorityChannel), c.to == 1 ? 5 : 0xFF);
        EXPECT_EQ(form.enabled(scan::PriorityChannel), c.to == 1);
        EXPECT_EQ(form.enabled(scan::LookBackA), c.to != 0);
        EXPECT_EQ(form.enabled(scan::LookBackB), c.to != 0);
        EXPECT_EQ(form.listEntries(scan::RevertChannel).size(), c.revertEntries);
        EXPECT_GE(form.listIndex(scan::RevertChannel), 0);
        EXPECT_TRUE(commit.shows(scan::RevertChannel) && commit.shows(scan::PriorityChannel));
        EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(layout::kScanPriority, 5)));
    }
}

TEST_F(ScanFormTest, OpeningWithPriorityZeroOrTwoDropsThePriorityChannel) {
    for (int priority : {0, 1, 2, 0xFF}) {
        image.setByte(layout::kScanPriority, static_cast<std::uint8_t>(priority));
        image.setByte(layout::kPriorityChannel, 3);
        form.applyEnabling();
        EXPECT_EQ(image.byte(layout::kPriorityChannel), priority == 0 || priority == 2 ? 0xFF : 3)
            << priority;
    }
}

TEST_F(ScanFormTest, ABlankImageShowsThreeForDropoutAndDwell) {
    RadioImage blank = test::blankImage();
    ScanForm blankForm(blank);
    EXPECT_EQ(blankForm.text(scan::DropoutDelay), "3");
    EXPECT_EQ(blankForm.text(scan::TxDwell), "3");
    EXPECT_EQ(blankForm.text(scan::PriorityChannel), "");
    EXPECT_EQ(blankForm.text(scan::LookBackA), "");
    EXPECT_EQ(blankForm.listIndex(scan::Priority), -1);
    EXPECT_EQ(blankForm.listIndex(scan::RevertChannel), -1);
    EXPECT_EQ(blank, test::blankImage()); // showing changes nothing
}

TEST_F(ScanFormTest, SecondsAreClampedTo300AndStoredLowByteFirst) {
    for (int row : {int(scan::DropoutDelay), int(scan::TxDwell)}) {
        const std::size_t at = kScanFieldTable[static_cast<std::size_t>(row)].offset;
        const RadioImage before = image;
        form.commitText(row, "999");
        EXPECT_EQ(image.byte(at), 0x2C);
        EXPECT_EQ(image.byte(at + 1), 0x01);
        EXPECT_EQ(form.text(row), "300");
        form.commitText(row, "7");
        EXPECT_EQ(image.word(at), 7);
        EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(at, 2)));
    }
}

TEST_F(ScanFormTest, SpinsWrapAndTreatTypedTextAsTheirRowSays) {
    image.setWord(layout::kScanDropoutDelay, 300);
    form.step(scan::DropoutDelay, +1, "300");
    EXPECT_EQ(image.word(layout::kScanDropoutDelay), 0);
    form.step(scan::DropoutDelay, -1, "0");
    EXPECT_EQ(image.word(layout::kScanDropoutDelay), 300);
    form.step(scan::TxDwell, +1, "41"); // typed text is committed first
    EXPECT_EQ(image.word(layout::kScanTxDwell), 42);

    image.setByte(layout::kScanLookBackA, 91);
    form.step(scan::LookBackA, +1, "1.00"); // typed text is dropped
    EXPECT_EQ(image.byte(layout::kScanLookBackA), 1);
    form.step(scan::LookBackA, -1, "");
    EXPECT_EQ(image.byte(layout::kScanLookBackA), 91);
    form.step(scan::LookBackA, -1, "");
    EXPECT_EQ(form.text(scan::LookBackA), "4.95");
}

TEST_F(ScanFormTest, DisabledRowsTakeNoInput) {
    image.setByte(layout::kScanPriority, 0);
    setProgrammed(2, true);
    const RadioImage before = image;
    form.commitText(scan::PriorityChannel, "2");
    form.commitText(scan::LookBackA, "3");
    form.step(scan::LookBackB, +1, "");
    EXPECT_EQ(image, before);
}

} // namespace

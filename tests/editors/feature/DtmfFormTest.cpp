#include <gtest/gtest.h>

#include "app/ImageLayout.h"
#include "editors/feature/DtmfForm.h"
#include "tests/editors/feature/FeatureTestSupport.h"

using namespace tsw;
using namespace tsw::feature;
using tsw::test::bytesAt;
using tsw::test::changedOnlyWithin;

namespace {

class DtmfFormTest : public ::testing::Test {
protected:
    RadioImage image = test::defaultImage();
    DtmfForm form{image, test::fakeLookup()};
};

TEST_F(DtmfFormTest, TypedNumbersBecomeCodesAndShowBackFromTheImage) {
    using namespace dtmf;
    const test::TypedCase cases[] = {{Speed, "9", 1, "8"},
                                     {Speed, "20", 3, "15"},
                                     {Speed, "10", 2, "10"},
                                     {Speed, "7", 0, "6"},
                                     {FirstDigitTime, "1000", 3, "1000"},
                                     {FirstDigitTime, "999", 2, "500"},
                                     {FirstDigitTime, "499", 1, "100"},
                                     {FirstDigitTime, "99", 0, "0"},
                                     {StarHashTone, "500", 2, "500"},
                                     {FirstDigitDelay, "120", 10, "100"},
                                     {FirstDigitDelay, "980", 95, "950"},
                                     {FirstDigitDelay, "50", 10, "100"},
                                     {FirstDigitDelay, "1500", 100, "1000"},
                                     {FirstDigitDelay, "999", 95, "950"},
                                     {DCodeAssignment, "16", 16, "16s"},
                                     {DCodeAssignment, "1s", 1, "1s"},
                                     {DCodeAssignment, "17", 0, "None"},
                                     {DCodeAssignment, "D", 0, "None"},
                                     {AutoResetTimer, "20", 15, "15"},
                                     {AutoResetTimer, "0", 0, "Off"},
                                     {AutoResetTimer, "Off", 0, "Off"},
                                     {AutoResetTimer, "9", 9, "9"}};
    test::expectTyped(form, image, cases);
}

// Bytes another program left out of range show the row's fallback; the lists select by code.
TEST_F(DtmfFormTest, StoredBytesShowAsTheRowsSay) {
    using namespace dtmf;
    const test::ShownCase texts[] = {{Speed, 7, "6"},
                                     {FirstDigitTime, 9, "0"},
                                     {FirstDigitDelay, 5, "100"},
                                     {FirstDigitDelay, 101, "100"},
                                     {DCodeAssignment, 0, "None"},
                                     {AutoResetTimer, 16, "10"},
                                     {AutoResetTimer, 0xFF, "10"}};
    const test::ListCase lists[] = {{CallAlert, 2, 0},    {CallAlert, 0, 1},   {CallAlert, 3, -1},
                                    {GroupCode, 0, 0},    {GroupCode, 'D', 4}, {GroupCode, '*', 6},
                                    {GroupCode, 'E', -1}, {Transpond, 2, 2},   {StunType, 1, 1},
                                    {StunType, 2, -1}};
    test::expectShown(form, image, texts, lists);
}

// A spin click first commits the typed text, then steps with wrap.
TEST_F(DtmfFormTest, SpinsCommitTheTypedTextThenStepWithWrap) {
    using namespace dtmf;
    const test::StepCase cases[] = {{Speed, "15", -1, +1, 0},
                                    {Speed, "6", -1, -1, 3},
                                    {FirstDigitTime, "500", -1, +1, 3},
                                    {StarHashTone, "0", -1, -1, 3},
                                    {FirstDigitDelay, "1000", -1, +1, 10},
                                    {FirstDigitDelay, "100", -1, -1, 100},
                                    {FirstDigitDelay, "120", -1, +1, 15},
                                    {DCodeAssignment, "16", -1, +1, 0},
                                    {DCodeAssignment, "D", -1, -1, 16},
                                    {AutoResetTimer, "15", -1, +1, 0},
                                    {AutoResetTimer, "Off", -1, -1, 15}};
    test::expectSteps(form, image, cases);
}

TEST_F(DtmfFormTest, ShortIdCodeIsRefusedAndThePreviousIdComesBack) {
    EXPECT_EQ(form.text(dtmf::IdCode), "000");
    RadioImage before = image;
    Commit c = form.commitText(dtmf::IdCode, "12");
    EXPECT_EQ(c.message, StrId::CodeTooShort);
    EXPECT_TRUE(c.keepFocus);
    EXPECT_EQ(form.text(dtmf::IdCode), "000");
    EXPECT_EQ(image, before);

    c = form.commitText(dtmf::IdCode, "12345");
    EXPECT_EQ(c.message, 0);
    const std::uint8_t expected[] = {'1', '2', '3', '4', '5', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(image.byte(layout::kDtmfIdCode + i), expected[i]) << i;
    EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(layout::kDtmfIdCode, 10)));

    form.commitText(dtmf::IdCode, "");
    EXPECT_EQ(form.text(dtmf::IdCode), "12345"); // the last accepted ID, not the first
    form.commitText(dtmf::IdCode, "123456789012");
    EXPECT_EQ(form.text(dtmf::IdCode), "1234567890");
    EXPECT_EQ(image.byte(layout::kDtmfIdCode + 9), '0');
}

TEST_F(DtmfFormTest, StunCodeEnablesStunTypeAndStoresItsSelection) {
    EXPECT_FALSE(form.enabled(dtmf::StunType)); // the default image has no stun code
    image.setByte(layout::kDtmfStunType, 0xFF);
    EXPECT_EQ(form.listIndex(dtmf::StunType), 0);

    RadioImage before = image;
    Commit c = form.commitText(dtmf::StunCode, "A1");
    EXPECT_EQ(c.message, StrId::CodeTooShort);
    EXPECT_TRUE(c.keepFocus);
    EXPECT_EQ(image, before);
    EXPECT_EQ(form.text(dtmf::StunCode), "");

    c = form.commitText(dtmf::StunCode, "A1#*");
    EXPECT_EQ(c.message, 0);
    EXPECT_TRUE(form.enabled(dtmf::StunType));
    EXPECT_EQ(image.byte(layout::kDtmfStunType), 0); // what the list showed
    EXPECT_EQ(form.text(dtmf::StunCode), "A1#*");
    EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(layout::kDtmfStunCode, 11)));

    form.commitList(dtmf::StunType, 1);
    before = image;
    c = form.commitText(dtmf::StunCode, "");
    EXPECT_TRUE(c.focusClose);
    EXPECT_FALSE(form.enabled(dtmf::StunType));
    EXPECT_EQ(image.byte(layout::kDtmfStunType), 1); // kept
    EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(layout::kDtmfStunCode, 10)));
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(image.byte(layout::kDtmfStunCode + i), 0xFF);
    form.commitList(dtmf::StunType, 0); // disabled: no effect
    EXPECT_EQ(image.byte(layout::kDtmfStunType), 1);
}

TEST_F(DtmfFormTest, ListsAndChecksStoreTheirCodes) {
    const RadioImage before = image;
    form.commitList(dtmf::GroupCode, 5);
    EXPECT_EQ(image.byte(layout::kDtmfGroupCode), '#');
    form.commitList(dtmf::CallAlert, 0);
    EXPECT_EQ(image.byte(layout::kDtmfCallAlert), 2);
    image.setByte(layout::kDtmfSideTone, 7);
    image.setByte(layout::kDtmfClearToTranspond, 7);
    EXPECT_TRUE(form.checked(dtmf::SideTone));          // ticked when not 0
    EXPECT_FALSE(form.checked(dtmf::ClearToTranspond)); // ticked only when 1
    form.commitCheck(dtmf::ClearToTranspond, true);
    EXPECT_EQ(image.byte(layout::kDtmfClearToTranspond), 1);
    form.commitCheck(dtmf::SideTone, false);
    EXPECT_EQ(image.byte(layout::kDtmfSideTone), 0);
    EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(layout::kDtmfSideTone, 6)));
}

TEST_F(DtmfFormTest, TheCodeGridLivesInTheFormOnly) {
    const RadioImage before = image;
    form.setGridCode(0, "123A");
    form.setGridCode(7, "0123456789ABCD*#99");
    form.setGridCode(8, "1");
    form.setGridCode(-1, "1");
    EXPECT_EQ(form.gridCode(0), "123A");
    EXPECT_EQ(form.gridCode(7), "0123456789ABCD*#");
    EXPECT_EQ(form.gridCode(8), "");
    EXPECT_EQ(image, before);
    DtmfForm reopened(image, test::fakeLookup());
    EXPECT_EQ(reopened.gridCode(0), "");
}

} // namespace

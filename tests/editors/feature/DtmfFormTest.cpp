#include <gtest/gtest.h>

#include "app/ImageLayout.h"
#include "editors/feature/DtmfForm.h"
#include "tests/editors/feature/FeatureTestSupport.h"

using namespace tsw;
using namespace tsw::feature;
using tsw::test::bytesAt;
using tsw::test::changedOnlyWithin;

namespace {

std::size_t byteOf(int row) {
    return kDtmfFieldTable[static_cast<std::size_t>(row)].offset;
}

class DtmfFormTest : public ::testing::Test {
protected:
    RadioImage image = test::defaultImage();
    DtmfForm form{image, test::fakeLookup()};
};

TEST_F(DtmfFormTest, TypedNumbersBecomeCodesAndShowBackFromTheImage) {
    const struct {
        int row;
        const char* typed;
        int stored;
        const char* shown;
    } cases[] = {
        {dtmf::Speed, "9", 1, "8"},
        {dtmf::Speed, "20", 3, "15"},
        {dtmf::Speed, "10", 2, "10"},
        {dtmf::Speed, "7", 0, "6"},
        {dtmf::FirstDigitTime, "1000", 3, "1000"},
        {dtmf::FirstDigitTime, "999", 2, "500"},
        {dtmf::FirstDigitTime, "499", 1, "100"},
        {dtmf::FirstDigitTime, "99", 0, "0"},
        {dtmf::StarHashTone, "500", 2, "500"},
        {dtmf::FirstDigitDelay, "120", 10, "100"},
        {dtmf::FirstDigitDelay, "980", 95, "950"},
        {dtmf::FirstDigitDelay, "50", 10, "100"},
        {dtmf::FirstDigitDelay, "1500", 100, "1000"},
        {dtmf::FirstDigitDelay, "999", 95, "950"},
        {dtmf::DCodeAssignment, "16", 16, "16s"},
        {dtmf::DCodeAssignment, "1s", 1, "1s"},
        {dtmf::DCodeAssignment, "17", 0, "None"},
        {dtmf::DCodeAssignment, "D", 0, "None"},
        {dtmf::AutoResetTimer, "20", 15, "15"},
        {dtmf::AutoResetTimer, "0", 0, "Off"},
        {dtmf::AutoResetTimer, "Off", 0, "Off"},
        {dtmf::AutoResetTimer, "9", 9, "9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " typed " + c.typed);
        const RadioImage before = image;
        const Commit commit = form.commitText(c.row, c.typed);
        EXPECT_EQ(image.byte(byteOf(c.row)), c.stored);
        EXPECT_EQ(form.text(c.row), c.shown);
        EXPECT_TRUE(commit.shows(c.row));
        EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(byteOf(c.row))));
    }
}

TEST_F(DtmfFormTest, OutOfRangeBytesShowTheRowsFallback) {
    const struct {
        int row, stored;
        const char* shown;
    } cases[] = {
        {dtmf::Speed, 7, "6"},
        {dtmf::FirstDigitTime, 9, "0"},
        {dtmf::FirstDigitDelay, 5, "100"},
        {dtmf::FirstDigitDelay, 101, "100"},
        {dtmf::DCodeAssignment, 0, "None"},
        {dtmf::AutoResetTimer, 16, "10"},
        {dtmf::AutoResetTimer, 0xFF, "10"},
    };
    for (const auto& c : cases) {
        image.setByte(byteOf(c.row), static_cast<std::uint8_t>(c.stored));
        EXPECT_EQ(dtmfRowText(image, c.row, test::fakeLookup()), c.shown) << c.row;
    }
}

TEST_F(DtmfFormTest, SpinsCommitTheTypedTextThenStepWithWrap) {
    const struct {
        int row;
        const char* typed;
        int direction, stored;
    } cases[] = {
        {dtmf::Speed, "15", +1, 0},
        {dtmf::Speed, "6", -1, 3},
        {dtmf::FirstDigitTime, "500", +1, 3},
        {dtmf::StarHashTone, "0", -1, 3},
        {dtmf::FirstDigitDelay, "1000", +1, 10},
        {dtmf::FirstDigitDelay, "100", -1, 100},
        {dtmf::FirstDigitDelay, "120", +1, 15},
        {dtmf::DCodeAssignment, "16", +1, 0},
        {dtmf::DCodeAssignment, "D", -1, 16},
        {dtmf::AutoResetTimer, "15", +1, 0},
        {dtmf::AutoResetTimer, "Off", -1, 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " typed " + c.typed);
        const RadioImage before = image;
        form.step(c.row, c.direction, c.typed);
        EXPECT_EQ(image.byte(byteOf(c.row)), c.stored);
        EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(byteOf(c.row))));
    }
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

TEST_F(DtmfFormTest, ListsAndChecks) {
    const struct {
        int row, stored, index;
    } cases[] = {
        {dtmf::CallAlert, 2, 0},    {dtmf::CallAlert, 0, 1},   {dtmf::CallAlert, 3, -1},
        {dtmf::GroupCode, 0, 0},    {dtmf::GroupCode, 'D', 4}, {dtmf::GroupCode, '*', 6},
        {dtmf::GroupCode, 'E', -1}, {dtmf::Transpond, 2, 2},   {dtmf::StunType, 1, 1},
        {dtmf::StunType, 2, -1},
    };
    for (const auto& c : cases) {
        image.setByte(byteOf(c.row), static_cast<std::uint8_t>(c.stored));
        EXPECT_EQ(form.listIndex(c.row), c.index) << c.row << " " << c.stored;
    }
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

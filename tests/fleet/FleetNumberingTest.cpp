#include <gtest/gtest.h>

#include <algorithm>

#include "app/ImageLayout.h"
#include "fleet/FleetNumbering.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::fleet;
using namespace tsw::test;

namespace {

struct LabelCase {
    const char* pattern;
    int number;
    const char* expected;
};

class LabelPattern : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelPattern, ExpandsItsPlaceholders) {
    EXPECT_EQ(expandLabel(GetParam().pattern, GetParam().number), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelPattern,
    ::testing::Values(LabelCase{"UNIT {n:02}", 3, "UNIT 03"}, LabelCase{"UNIT {n}", 3, "UNIT 3"},
                      LabelCase{"UNIT {n:02}", 123, "UNIT 123"}, LabelCase{"{n:05}", 42, "00042"},
                      LabelCase{"{n:01}", 7, "7"}, LabelCase{"R{n}-{n:03}", 9, "R9-009"},
                      LabelCase{"NO NUMBER", 5, "NO NUMBER"},
                      // Braces that are no placeholder stay as they are.
                      LabelCase{"{x} {n:} {n:2} {n", 4, "{x} {n:} {n:2} {n"},
                      LabelCase{"", 1, ""}));

FleetPlan plan(int first, int count) {
    FleetPlan p;
    p.firstNumber = first;
    p.count = count;
    return p;
}

TEST(FleetValues, AdvanceWithTheNumberFromTheFirstValues) {
    FleetPlan p = plan(1, 20);
    p.labelPattern = "UNIT {n:02}";
    p.firstDtmfId = "101";
    p.firstCrewLinkId = 1001;
    const RadioValues v = valuesFor(p, 3);
    EXPECT_EQ(v.label, "UNIT 03");
    EXPECT_EQ(v.dtmfId, "103");
    EXPECT_EQ(v.crewLinkId, 1003);
}

TEST(FleetValues, DtmfIdKeepsTheWidthOfALeadingZero) {
    FleetPlan p = plan(5, 200);
    p.firstDtmfId = "0098";
    EXPECT_EQ(valuesFor(p, 5).dtmfId, "0098");
    EXPECT_EQ(valuesFor(p, 7).dtmfId, "0100");
    EXPECT_EQ(valuesFor(p, 9907).dtmfId, "10000"); // grows past the width, never cut
    p.firstDtmfId = "100";
    EXPECT_EQ(valuesFor(p, 6).dtmfId, "101");
}

struct RefusalCase {
    const char* what;
    FleetPlan plan;
    int first;
    int last;
    PlanProblem problem;
    int number;
    std::string value;
};

FleetPlan with(FleetPlan p, std::optional<std::string> label, std::optional<std::string> dtmf,
               std::optional<int> crew, int line = 2) {
    p.labelPattern = std::move(label);
    p.firstDtmfId = std::move(dtmf);
    p.firstCrewLinkId = crew;
    p.labelLine = line;
    return p;
}

class PlanRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(PlanRefusal, NamesTheFirstRadioWhoseValueCannotBeStored) {
    const RefusalCase& c = GetParam();
    const PlanCheck check = checkPlan(c.plan, c.first, c.last);
    EXPECT_EQ(check.problem, c.problem) << c.what;
    EXPECT_EQ(check.number, c.number) << c.what;
    EXPECT_EQ(check.value, c.value) << c.what;
}

const std::string k31(31, 'A');

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanRefusal,
    ::testing::Values(RefusalCase{"good", with(plan(1, 3), "UNIT {n:02}", "101", 1001), 1, 3,
                                  PlanProblem::None, 0, ""},
                      RefusalCase{"nothing", plan(1, 3), 1, 3, PlanProblem::NothingToSet, 0, ""},
                      RefusalCase{"line 3", with(plan(1, 3), "X", {}, {}, 3), 1, 3,
                                  PlanProblem::BadLabelLine, 0, "3"},
                      RefusalCase{"32 characters fit", with(plan(1, 9), k31 + "{n}", {}, {}), 1, 9,
                                  PlanProblem::None, 0, ""},
                      RefusalCase{"the 33rd character at number 10",
                                  with(plan(1, 10), k31 + "{n}", {}, {}), 1, 10,
                                  PlanProblem::LabelTooLong, 10, k31 + "10"},
                      RefusalCase{"tilde fits", with(plan(1, 1), "~ {n}", {}, {}), 1, 1,
                                  PlanProblem::None, 0, ""},
                      RefusalCase{"a tab", with(plan(1, 1), "A\t{n}", {}, {}), 1, 1,
                                  PlanProblem::LabelBadCharacter, 1, "A\t1"},
                      RefusalCase{"an accented letter", with(plan(1, 1), "\xC3\xA9{n}", {}, {}), 1,
                                  1, PlanProblem::LabelBadCharacter, 1,
                                  "\xC3\xA9"
                                  "1"},
                      RefusalCase{"DTMF two digits", with(plan(1, 2), {}, "98", {}), 1, 2,
                                  PlanProblem::BadDtmfId, 1, "98"},
                      RefusalCase{"DTMF eleven digits", with(plan(1, 2), {}, "9999999999", {}), 1,
                                  2, PlanProblem::BadDtmfId, 2, "10000000000"},
                      RefusalCase{"DTMF not digits", with(plan(1, 2), {}, "12A", {}), 1, 2,
                                  PlanProblem::BadDtmfId, 1, "12A"},
                      RefusalCase{"CrewLink 4999 is the last", with(plan(1, 4), {}, {}, 4996), 1, 4,
                                  PlanProblem::None, 0, ""},
                      RefusalCase{"CrewLink past 4999", with(plan(1, 5), {}, {}, 4996), 1, 5,
                                  PlanProblem::BadCrewLinkId, 5, "5000"},
                      RefusalCase{"CrewLink below 1000", with(plan(1, 5), {}, {}, 999), 1, 5,
                                  PlanProblem::BadCrewLinkId, 1, "999"},
                      // A resumed run checks the numbers it still hands out, not the first ones.
                      RefusalCase{"resumed past 4999", with(plan(1, 5), {}, {}, 4990), 8, 12,
                                  PlanProblem::BadCrewLinkId, 11, "5000"},
                      RefusalCase{"numbers past 999999", with(plan(999'998, 5), "{n}", {}, {}),
                                  999'998, 1'000'002, PlanProblem::BadNumber, 1'000'002,
                                  "1000002"}));

TEST(FleetValues, GoIntoTheImageAndNothingElseChanges) {
    FleetPlan p = with(plan(1, 3), "UNIT {n:02}", "0101", 1001, 2);
    const RadioImage before = patternImage();
    RadioImage image = before;
    image.setByte(layout::kCrewOwnFleet, 0xFF); // no own fleet: it becomes 100
    const RadioImage start = image;
    applyValues(image, p, valuesFor(p, 3));

    std::vector<std::size_t> expected;
    for (std::size_t i = 0; i < layout::kMessageLineLength; ++i)
        expected.push_back(layout::kMessageLine2 + i);
    for (std::size_t i = 0; i < layout::kDtmfIdCodeLength; ++i)
        expected.push_back(layout::kDtmfIdCode + i);
    expected.insert(expected.end(),
                    {layout::kCrewOwnFleet, layout::kCrewOwnId, layout::kCrewOwnId + 1});
    std::sort(expected.begin(), expected.end());
    std::vector<std::size_t> changed = differingOffsets(start, image);
    // Bytes that happened to hold the new value already do not show as changed.
    for (std::size_t offset : changed)
        EXPECT_TRUE(std::binary_search(expected.begin(), expected.end(), offset)) << offset;

    EXPECT_EQ(image.byte(layout::kMessageLine2), 'U');
    EXPECT_EQ(image.byte(layout::kMessageLine2 + 6), '3');
    EXPECT_EQ(image.byte(layout::kMessageLine2 + 7), 0xFF);
    EXPECT_EQ(image.byte(layout::kMessageLine1), start.byte(layout::kMessageLine1));
    EXPECT_EQ(image.byte(layout::kDtmfIdCode + 3), '3');
    EXPECT_EQ(image.byte(layout::kDtmfIdCode + 4), 0xFF);
    EXPECT_EQ(image.byte(layout::kCrewOwnId), 1003 - 999);
    EXPECT_EQ(image.byte(layout::kCrewOwnId + 1), 0);
    EXPECT_EQ(image.byte(layout::kCrewOwnFleet), 1);
}

TEST(FleetValues, KeepAnOwnFleetAndWriteLineOneWhenAsked) {
    FleetPlan p = with(plan(1, 3), "A{n}", {}, 4999, 1);
    RadioImage image = defaultRadioImage();
    image.setByte(layout::kCrewOwnFleet, 7);
    applyValues(image, p, valuesFor(p, 1));
    EXPECT_EQ(image.byte(layout::kCrewOwnFleet), 7);
    EXPECT_EQ(image.word(layout::kCrewOwnId), 4000);
    EXPECT_EQ(image.byte(layout::kMessageLine1), 'A');
    EXPECT_EQ(image.byte(layout::kMessageLine1 + 1), '1');
    EXPECT_EQ(image.byte(layout::kMessageLine1 + 2), 0xFF);
}

} // namespace

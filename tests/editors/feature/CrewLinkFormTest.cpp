#include <gtest/gtest.h>

#include "app/ImageLayout.h"
#include "editors/feature/CrewLinkForm.h"
#include "tests/editors/feature/FeatureTestSupport.h"

using namespace tsw;
using namespace tsw::feature;
using tsw::test::bytesAt;
using tsw::test::changedOnlyWithin;

namespace {

class CrewLinkFormTest : public ::testing::Test {
protected:
    const std::set<std::size_t> ownBytes = bytesAt(layout::kCrewOwnFleet, 3);
    RadioImage image = test::defaultImage(); // own fleet none, own ID 0
    CrewLinkForm form{image, test::fakeLookup()};

    void setOwn(int fleet, int id) {
        image.setByte(layout::kCrewOwnFleet, static_cast<std::uint8_t>(fleet));
        image.setWord(layout::kCrewOwnId, static_cast<std::uint16_t>(id));
    }
};

// Direction 0 commits the typed text; +1 and -1 are spin clicks, which start at 1 from none and
// wrap. Either row may change both: a fleet without an ID gets ID 1, no fleet clears the ID.
TEST_F(CrewLinkFormTest, OwnFleetAndIdAreClampedCoupledAndWrap) {
    const struct {
        int row;
        const char* typed;
        int direction, fleetBefore, idBefore, fleetAfter, idAfter;
    } cases[] = {
        {crew::OwnFleet, "50", 0, 0xFF, 0, 1, 1},   {crew::OwnFleet, "400", 0, 0xFF, 0, 250, 1},
        {crew::OwnFleet, "150", 0, 3, 77, 51, 77},  {crew::OwnFleet, "", 0, 3, 77, 0xFF, 0},
        {crew::OwnId, "5000", 0, 0xFF, 0, 1, 4000}, {crew::OwnId, "10", 0, 3, 77, 3, 1},
        {crew::OwnId, "1234", 0, 3, 0, 3, 235},     {crew::OwnId, "", 0, 3, 77, 0xFF, 0},
        {crew::OwnFleet, "", +1, 0xFF, 0, 1, 1},    {crew::OwnFleet, "", -1, 0xFF, 0, 1, 1},
        {crew::OwnFleet, "349", +1, 250, 9, 1, 9},  {crew::OwnFleet, "100", -1, 1, 9, 250, 9},
        {crew::OwnId, "", -1, 0xFF, 0, 0xFF, 1},    {crew::OwnId, "", +1, 0xFF, 0, 0xFF, 1},
        {crew::OwnId, "4999", +1, 4, 4000, 4, 1},   {crew::OwnId, "1000", -1, 4, 1, 4, 4000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " typed '" + c.typed + "' " +
                     std::to_string(c.direction));
        setOwn(c.fleetBefore, c.idBefore);
        const RadioImage before = image;
        const Commit commit = c.direction == 0 ? form.commitText(c.row, c.typed)
                                               : form.step(c.row, c.direction, c.typed);
        EXPECT_EQ(image.byte(layout::kCrewOwnFleet), c.fleetAfter);
        EXPECT_EQ(image.word(layout::kCrewOwnId), c.idAfter);
        EXPECT_TRUE(commit.shows(crew::OwnFleet) && commit.shows(crew::OwnId));
        EXPECT_TRUE(changedOnlyWithin(before, image, ownBytes));
    }
    setOwn(0xFF, 0);
    form.commitText(crew::OwnFleet, "50");
    EXPECT_EQ(form.text(crew::OwnFleet), "100");
    EXPECT_EQ(form.text(crew::OwnId), "1000");
    form.commitText(crew::OwnId, "");
    EXPECT_EQ(form.text(crew::OwnFleet), "");
    EXPECT_EQ(form.text(crew::OwnId), "");
}

TEST_F(CrewLinkFormTest, DelayAndTimerAreClampedAndBlankBytesShowTheirDefaults) {
    RadioImage blank = test::blankImage();
    CrewLinkForm blankForm(blank, test::fakeLookup());
    EXPECT_EQ(blankForm.text(crew::ModulationDelay), "400");
    EXPECT_EQ(blankForm.text(crew::MessageModeTimer), "300");
    EXPECT_EQ(blankForm.text(crew::OwnFleet), "");
    EXPECT_EQ(blankForm.text(crew::OwnId), "");

    const RadioImage before = image;
    form.commitText(crew::ModulationDelay, "7000");
    EXPECT_EQ(image.word(layout::kCrewModulationDelay), 6000);
    EXPECT_EQ(image.byte(layout::kCrewModulationDelay), 0x70); // low byte first
    form.commitText(crew::MessageModeTimer, "301");
    EXPECT_EQ(image.word(layout::kCrewMessageModeTimer), 300);
    form.commitText(crew::MessageModeTimer, "0");
    EXPECT_EQ(form.text(crew::MessageModeTimer), "Off");
    form.step(crew::MessageModeTimer, -1, "Off");
    EXPECT_EQ(image.word(layout::kCrewMessageModeTimer), 300);
    form.step(crew::ModulationDelay, +1, "6000");
    EXPECT_EQ(image.word(layout::kCrewModulationDelay), 0);
    EXPECT_TRUE(changedOnlyWithin(before, image,
                                  test::unite({bytesAt(layout::kCrewModulationDelay, 2),
                                               bytesAt(layout::kCrewMessageModeTimer, 2)})));
}

TEST_F(CrewLinkFormTest, BaudRateAndSideToneStoreOnChange) {
    const RadioImage before = image;
    form.commitList(crew::BaudRate, 1);
    EXPECT_EQ(form.listIndex(crew::BaudRate), 1);
    form.commitCheck(crew::SideTone, false);
    EXPECT_FALSE(form.checked(crew::SideTone));
    image.setByte(layout::kCrewSideTone, 2);
    EXPECT_FALSE(form.checked(crew::SideTone)); // ticked only when 1
    form.commitCheck(crew::SideTone, true);
    EXPECT_EQ(image.byte(layout::kCrewSideTone), 1);
    EXPECT_TRUE(changedOnlyWithin(
        before, image,
        test::unite({bytesAt(layout::kCrewBaudRate), bytesAt(layout::kCrewSideTone)})));
}

TEST_F(CrewLinkFormTest, TableCellsCommitIntoTheirEntryOnly) {
    const struct {
        int entry;
        crew::Column column;
        const char* typed;
        std::uint8_t before[3];
        std::uint8_t after[3];
    } cases[] = {
        {0, crew::Column::Fleet, "A", {0xFF, 0xFF, 0xFF}, {0x00, 0x00, 0x00}},
        {4, crew::Column::Fleet, "A", {0xFF, 0xFF, 0xFF}, {0x00, 0x00, 0x00}},
        {4, crew::Column::Id, "0", {0xFF, 0xFF, 0xFF}, {0x00, 0x00, 0x00}},
        {7, crew::Column::Fleet, "50", {0xFF, 0x34, 0x12}, {0x01, 0x34, 0x12}},
        {7, crew::Column::Fleet, "999", {0x05, 0xFF, 0xFF}, {0xFA, 0x00, 0x00}},
        {3, crew::Column::Id, "4999", {0x05, 0x01, 0x00}, {0x05, 0xA0, 0x0F}},
        {3, crew::Column::Id, "All", {0x05, 0x01, 0x00}, {0x05, 0x00, 0x00}},
        {3, crew::Column::Id, "999", {0xFF, 0xFF, 0xFF}, {0x00, 0x01, 0x00}},
        {5, crew::Column::Id, "", {0x05, 0x01, 0x00}, {0xFF, 0xFF, 0xFF}},
        {5, crew::Column::Fleet, "", {0x05, 0x01, 0x00}, {0xFF, 0xFF, 0xFF}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.entry) + " typed '" + c.typed + "'");
        const std::size_t at = layout::crewEntryOffset(c.entry + 1);
        for (std::size_t i = 0; i < 3; ++i)
            image.setByte(at + i, c.before[i]);
        const RadioImage before = image;
        form.commitCell(c.entry, c.column, c.typed);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(image.byte(at + i), c.after[i]) << i;
        EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(at, 3)));
    }
}

TEST_F(CrewLinkFormTest, EntryFiveLivesAt0x1D0AndTheGapIsNeverTouched) {
    EXPECT_EQ(layout::crewEntryOffset(5), 0x1D0u);
    for (std::size_t at = 0x1CC; at < 0x1D0; ++at)
        image.setByte(at, 0x5A);
    for (int e = 0; e < 8; ++e)
        for (const char* typed : {"A", "150", "2000", "", "0"}) {
            form.commitCell(e, crew::Column::Fleet, typed);
            form.commitCell(e, crew::Column::Id, typed);
        }
    for (std::size_t at = 0x1CC; at < 0x1D0; ++at)
        EXPECT_EQ(image.byte(at), 0x5A);
    form.commitCell(4, crew::Column::Fleet, "A");
    EXPECT_EQ(image.byte(0x1D0), 0);
    EXPECT_EQ(form.cellText(4, crew::Column::Fleet), "All");
    EXPECT_EQ(form.cellText(4, crew::Column::Id), "All");
    form.commitCell(5, crew::Column::Id, "4999");
    EXPECT_EQ(form.cellText(5, crew::Column::Id), "4999");
    EXPECT_EQ(form.cellText(5, crew::Column::Fleet), "All"); // an empty fleet became all
    image.setByte(layout::crewEntryOffset(6), 0xFB);
    EXPECT_EQ(form.cellText(5, crew::Column::Fleet), ""); // beyond fleet 349
}

} // namespace

#include "editors/feature/CrewLinkForm.h"

#include <algorithm>
#include <utility>

namespace tsw::feature {

namespace {

inline constexpr ListEntry kBaudRateList[] = {{StrId::CrewLinkBaud1200, 0},
                                              {StrId::CrewLinkBaud2400, 1}};

inline constexpr int kFleetBase = 99;  // stored 1..250 = fleet 100..349
inline constexpr int kFleetMax = 250;  //
inline constexpr int kIdBase = 999;    // stored 1..4000 = ID 1000..4999
inline constexpr int kIdMax = 4000;    //
inline constexpr int kNoFleet = 0xFF;  // own fleet and table fleet: none
inline constexpr int kNoId = 0xFFFF;   // table ID: empty
inline constexpr int kDelayMax = 6000; // ms
inline constexpr int kTimerMax = 300;  // s

std::size_t byteOf(int row) {
    return kCrewLinkFieldTable[static_cast<std::size_t>(row)].offset;
}

int fleetStored(int typed) {
    return std::clamp(typed, 100, 349) - kFleetBase;
}
int idStored(int typed) {
    return std::clamp(typed, 1000, 4999) - kIdBase;
}

std::string fleetText(int stored) {
    return stored >= 1 && stored <= kFleetMax ? std::to_string(stored + kFleetBase) : "";
}
std::string idText(int stored) {
    return stored >= 1 && stored <= kIdMax ? std::to_string(stored + kIdBase) : "";
}

bool meansAll(std::string_view typed, const TextLookup& text) {
    return typed.front() == '0' || typed.front() == 'A' || typed.front() == 'a' ||
           typed == text(StrId::AllText);
}

} // namespace

std::optional<std::string> crewLinkRowText(const RadioImage& image, int row,
                                           const TextLookup& text) {
    switch (row) {
    case crew::OwnFleet:
        return fleetText(image.byte(layout::kCrewOwnFleet));
    case crew::OwnId:
        return idText(image.word(layout::kCrewOwnId));
    case crew::ModulationDelay: {
        const int ms = image.word(layout::kCrewModulationDelay);
        return std::to_string(ms <= kDelayMax ? ms : 400);
    }
    case crew::MessageModeTimer: {
        const int s = image.word(layout::kCrewMessageModeTimer);
        return s == 0 ? text(StrId::OffText) : std::to_string(std::min(s, kTimerMax));
    }
    default:
        return std::nullopt;
    }
}

std::string crewLinkCellText(const RadioImage& image, int entry, crew::Column column,
                             const TextLookup& text) {
    if (entry < 0 || entry >= layout::kCrewEntryCount)
        return {};
    const std::size_t at = layout::crewEntryOffset(entry + 1);
    const int stored = column == crew::Column::Fleet ? image.byte(at) : image.word(at + 1);
    if (stored == 0)
        return text(StrId::AllText);
    return column == crew::Column::Fleet ? fleetText(stored) : idText(stored);
}

CrewLinkForm::CrewLinkForm(RadioImage& image, TextLookup text)
    : image_(image), text_(std::move(text)) {}

std::optional<std::string> CrewLinkForm::text(int row) const {
    return crewLinkRowText(image_, row, text_);
}

std::span<const ListEntry> CrewLinkForm::listEntries(int row) const {
    return row == crew::BaudRate ? std::span<const ListEntry>(kBaudRateList)
                                 : std::span<const ListEntry>();
}

int CrewLinkForm::listIndex(int row) const {
    return listIndexOf(listEntries(row), image_.byte(byteOf(row)));
}

bool CrewLinkForm::checked(int row) const {
    return row == crew::SideTone && image_.byte(layout::kCrewSideTone) == 1;
}

Commit CrewLinkForm::commitText(int row, std::string_view typed) {
    const int value = readNumber(typed);
    switch (row) {
    case crew::OwnFleet:
    case crew::OwnId:
        if (typed.empty()) {
            image_.setByte(layout::kCrewOwnFleet, kNoFleet);
            image_.setWord(layout::kCrewOwnId, 0);
        } else if (row == crew::OwnFleet) {
            image_.setByte(layout::kCrewOwnFleet, static_cast<std::uint8_t>(fleetStored(value)));
            if (image_.word(layout::kCrewOwnId) == 0)
                image_.setWord(layout::kCrewOwnId, 1);
        } else {
            image_.setWord(layout::kCrewOwnId, static_cast<std::uint16_t>(idStored(value)));
            if (image_.byte(layout::kCrewOwnFleet) == kNoFleet)
                image_.setByte(layout::kCrewOwnFleet, 1);
        }
        return Commit{}.show(crew::OwnFleet).show(crew::OwnId);
    case crew::ModulationDelay:
        image_.setWord(byteOf(row), static_cast<std::uint16_t>(std::min(value, kDelayMax)));
        return Commit{}.show(row);
    case crew::MessageModeTimer:
        image_.setWord(byteOf(row), static_cast<std::uint16_t>(std::min(value, kTimerMax)));
        return Commit{}.show(row);
    default:
        return {};
    }
}

Commit CrewLinkForm::step(int row, int direction, std::string_view typed) {
    if (direction == 0)
        return {};
    switch (row) {
    case crew::OwnFleet: {
        commitText(row, typed);
        const int fleet = image_.byte(layout::kCrewOwnFleet);
        const bool none = fleet < 1 || fleet > kFleetMax;
        image_.setByte(
            layout::kCrewOwnFleet,
            static_cast<std::uint8_t>(none ? 1 : stepWrapped(fleet, 1, kFleetMax, 1, direction)));
        if (image_.word(layout::kCrewOwnId) == 0)
            image_.setWord(layout::kCrewOwnId, 1);
        return Commit{}.show(crew::OwnFleet).show(crew::OwnId);
    }
    case crew::OwnId: {
        commitText(row, typed);
        const int id = image_.word(layout::kCrewOwnId);
        const bool none = id < 1 || id > kIdMax;
        image_.setWord(
            layout::kCrewOwnId,
            static_cast<std::uint16_t>(none ? 1 : stepWrapped(id, 1, kIdMax, 1, direction)));
        return Commit{}.show(crew::OwnFleet).show(crew::OwnId);
    }
    case crew::ModulationDelay:
    case crew::MessageModeTimer: {
        commitText(row, typed);
        const int max = row == crew::ModulationDelay ? kDelayMax : kTimerMax;
        image_.setWord(byteOf(row), static_cast<std::uint16_t>(stepWrapped(image_.word(byteOf(row)),
                                                                           0, max, 1, direction)));
        return Commit{}.show(row);
    }
    default:
        return {};
    }
}

Commit CrewLinkForm::commitList(int row, int index) {
    const std::span<const ListEntry> entries = listEntries(row);
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return {};
    image_.setByte(byteOf(row), entries[static_cast<std::size_t>(index)].code);
    return Commit{}.show(row);
}

Commit CrewLinkForm::commitCheck(int row, bool on) {
    if (row != crew::SideTone)
        return {};
    image_.setByte(layout::kCrewSideTone, on ? 1 : 0);
    return Commit{}.show(row);
}

std::string CrewLinkForm::cellText(int entry, crew::Column column) const {
    return crewLinkCellText(image_, entry, column, text_);
}

void CrewLinkForm::commitCell(int entry, crew::Column column, std::string_view typed) {
    if (entry < 0 || entry >= layout::kCrewEntryCount)
        return;
    const std::size_t at = layout::crewEntryOffset(entry + 1);
    if (typed.empty()) {
        image_.setByte(at, kNoFleet);
        image_.setWord(at + 1, kNoId);
        return;
    }
    const bool all = meansAll(typed, text_);
    if (column == crew::Column::Fleet) {
        image_.setByte(at, static_cast<std::uint8_t>(all ? 0 : fleetStored(readNumber(typed))));
        if (image_.word(at + 1) == kNoId)
            image_.setWord(at + 1, 0);
    } else {
        image_.setWord(at + 1, static_cast<std::uint16_t>(all ? 0 : idStored(readNumber(typed))));
        if (image_.byte(at) == kNoFleet)
            image_.setByte(at, 0);
    }
}

} // namespace tsw::feature

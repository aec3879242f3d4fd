#pragma once
// The page plan of a print job: which section each printed page shows, in print order.

#include <cstdint>
#include <optional>
#include <vector>

#include "app/RadioImage.h"

namespace tsw {

// Section selection bits of the Print Out List.
namespace printsel {
inline constexpr std::uint16_t OptionalFeatures = 0x001;
inline constexpr std::uint16_t KeyAssignment = 0x002;
inline constexpr std::uint16_t Scan = 0x004;
inline constexpr std::uint16_t Dtmf = 0x008;     // no page of its own
inline constexpr std::uint16_t CrewLink = 0x010; // no page of its own
inline constexpr std::uint16_t TestFrequency = 0x020;
inline constexpr std::uint16_t EmbeddedMessage = 0x040;
inline constexpr std::uint16_t ChannelInformation = 0x080;
inline constexpr std::uint16_t QtDqtTable = 0x100;
inline constexpr std::uint16_t All = 0x1FF;
} // namespace printsel

enum class PrintSection : std::uint8_t {
    OptionalFeatures = 0,
    KeyAssignment = 1,
    Scan = 2,
    TestFrequency = 5,
    EmbeddedMessage = 6,
    ChannelInformation = 7,
    QtDqtTable = 8,
    ChannelTable = 9, // all 16 channels as one table on one page
    RequestingEditor = 30,
};

struct PageEntry {
    PrintSection section;
    std::uint16_t subPage = 0;
    bool operator==(const PageEntry&) const = default;
};

inline constexpr std::size_t kMaxPrintPages = 150;
inline constexpr int kChannelsPerPrintPage = 4;

struct PrintSelection {
    std::uint16_t mask = 0;
    bool editorRequest = false; // an editor's own print request (its page comes last)
    bool channelTable = false;  // Channel Information as one table page of all 16 channels
};

// The section an editor's own print request prints, by the editor's command (the channel
// edit window, command 1, prints its channel's Channel Information page); none for editors
// without a printed section (DTMF, CrewLink).
std::optional<PrintSection> sectionOfEditor(int editorCommand);

// Pages in print order: Optional Features (a second page in landscape), Key Assignment, Scan,
// Test Frequency, Embedded Message, QT/DQT Table, Channel Information (one page per four used
// channels, at least one; or the one channel table page), the requesting editor's page. At
// most kMaxPrintPages entries.
std::vector<PageEntry> planPages(const PrintSelection& selection, bool landscape,
                                 const RadioImage& image);

} // namespace tsw

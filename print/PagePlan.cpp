#include "print/PagePlan.h"

#include "app/CommandIds.h"
#include "editors/channel/ChannelRecord.h"

namespace tsw {

std::optional<PrintSection> sectionOfEditor(int editorCommand) {
    switch (editorCommand) {
    case cmd::OptionalFeatures:
        return PrintSection::OptionalFeatures;
    case cmd::KeyAssignment:
        return PrintSection::KeyAssignment;
    case cmd::ScanInformation:
        return PrintSection::Scan;
    case cmd::TestFrequency:
        return PrintSection::TestFrequency;
    case cmd::EmbeddedMessage:
        return PrintSection::EmbeddedMessage;
    case cmd::ChannelInformation:
    case cmd::OpenChannelEdit:
        return PrintSection::ChannelInformation;
    case cmd::QtDqtTable:
        return PrintSection::QtDqtTable;
    default:
        return std::nullopt;
    }
}

std::vector<PageEntry> planPages(const PrintSelection& selection, bool landscape,
                                 const RadioImage& image) {
    std::vector<PageEntry> pages;
    auto add = [&pages](PrintSection s, int sub = 0) {
        if (pages.size() < kMaxPrintPages)
            pages.push_back({s, static_cast<std::uint16_t>(sub)});
    };
    const std::uint16_t m = selection.mask;
    if (m & printsel::OptionalFeatures) {
        add(PrintSection::OptionalFeatures, 0);
        if (landscape)
            add(PrintSection::OptionalFeatures, 1);
    }
    if (m & printsel::KeyAssignment)
        add(PrintSection::KeyAssignment);
    if (m & printsel::Scan)
        add(PrintSection::Scan);
    if (m & printsel::TestFrequency)
        add(PrintSection::TestFrequency);
    if (m & printsel::EmbeddedMessage)
        add(PrintSection::EmbeddedMessage);
    if (m & printsel::QtDqtTable)
        add(PrintSection::QtDqtTable);
    if ((m & printsel::ChannelInformation) && selection.channelTable) {
        add(PrintSection::ChannelTable);
    } else if (m & printsel::ChannelInformation) {
        const int used = countUsedChannels(image);
        const int count = used <= kChannelsPerPrintPage
                              ? 1
                              : (used + kChannelsPerPrintPage - 1) / kChannelsPerPrintPage;
        for (int sub = 0; sub < count; ++sub)
            add(PrintSection::ChannelInformation, sub);
    }
    if (selection.editorRequest)
        add(PrintSection::RequestingEditor);
    return pages;
}

} // namespace tsw

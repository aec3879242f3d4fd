// The printed pages of the channel editors: Channel Information (four channels per page),
// Test Frequency and the QT/DQT table. Their texts come from the editors' form models, which
// read a copy of the image (the forms take a writable image; printing never changes one).

#include "app/ImageLayout.h"
#include "editors/channel/ChannelEditForm.h"
#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/QtDqtTableForm.h"
#include "editors/channel/TestFrequencyForm.h"
#include "print/SectionLayout.h"

namespace tsw::print {

namespace {

// One channel's block: the channel table's columns in their order and with their header
// texts, each followed by the transmit-side field the channel edit window adds (the table
// shows the receive frequency and the decode tone only).
//
//   +0 Channel          n
//   +1 Frequency [MHz]  (1)     446.00625
//   +2 TX Frequency     446.00625
//   +3 QT/DQT           (05)    D023N
//   +4 Encode           D023N
//   +5 Compander        Off
//   +6 Scan Add         Yes
//   +7 Beat Shift       Off
constexpr double kChannelBlockLines = 8.5; // eight fields and half a line of space
constexpr double kFirstBlockLine = 2;
constexpr double kSecondColumnX = 72; // landscape: the third and fourth channel beside

void addChannelBlock(PrintItems& items, RadioImage& image, int channel, double line, double x,
                     const TextLookup& lookup) {
    ChannelEditorState state;
    state.selectedChannel = channel;
    const ChannelInfoForm table(image, state, false, lookup);
    const ChannelEditForm edit(image, state, false, lookup);
    const int row = channel + 1;
    auto column = [&](int c, double at) {
        addLabelValue(items, line + at, table.cellText(0, c), table.cellText(row, c), x);
    };
    // The table's narrow number column is headed "CH"; a form reads better with the word.
    addLabelValue(items, line, lookup(StrId::ChannelLabel), table.cellText(row, 0), x);
    column(1, 1);
    addLabelValue(items, line + 2, lookup(StrId::TxFrequencyLabel), edit.transmitText(), x);
    column(2, 3);
    addLabelValue(items, line + 4, lookup(StrId::EncodeToneLabel), edit.encodeToneText(), x);
    column(3, 5);
    column(4, 6);
    column(5, 7);
}

// A table in columns: header row on line 2, one row per line below it.
struct TableColumn {
    double x;
    Align align;
};

} // namespace

std::vector<int> channelsOfPage(const RadioImage& image, int subPage) {
    std::vector<int> used;
    for (int ch = 0; ch < layout::kChannelCount; ++ch)
        if (!isChannelEmpty(image, ch))
            used.push_back(ch);
    if (used.empty())
        return subPage == 0 ? std::vector<int>{0} : std::vector<int>{};
    std::vector<int> page;
    const std::size_t first = static_cast<std::size_t>(subPage) * kChannelsPerPrintPage;
    for (std::size_t i = first; i < used.size() && i < first + kChannelsPerPrintPage; ++i)
        page.push_back(used[i]);
    return page;
}

int channelPageOf(const RadioImage& image, int channel) {
    if (isChannelEmpty(image, channel))
        return 0;
    int before = 0;
    for (int ch = 0; ch < channel; ++ch)
        if (!isChannelEmpty(image, ch))
            ++before;
    return before / kChannelsPerPrintPage;
}

PrintItems channelInformationItems(const SectionPage& page, const RadioImage& image,
                                   const TextLookup& lookup) {
    RadioImage copy = image;
    PrintItems items{titleItem(StrId::TitleChannelInformation, lookup)};
    const std::vector<int> channels = channelsOfPage(image, page.subPage);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        // Portrait: one block under the other. Landscape: two rows of two blocks.
        const std::size_t slot = page.landscape ? i / 2 : i;
        const double x = page.landscape && i % 2 == 1 ? kSecondColumnX : kLabelX;
        addChannelBlock(items, copy, channels[i],
                        kFirstBlockLine + kChannelBlockLines * static_cast<double>(slot), x,
                        lookup);
    }
    return items;
}

PrintItems testFrequencyItems(const RadioImage& image, const TextLookup& lookup) {
    RadioImage copy = image;
    const TestFrequencyForm form(copy, false, lookup);
    constexpr TableColumn kColumns[TestFrequencyForm::kColumns] = {
        {kLabelX, Align::Left}, {32, Align::Left}, {52, Align::Left}};
    PrintItems items{titleItem(StrId::TitleTestFrequency, lookup)};
    for (int row = 0; row < TestFrequencyForm::kRows; ++row)
        for (int c = 0; c < TestFrequencyForm::kColumns; ++c)
            items.push_back(
                textItem(kColumns[c].x, 2 + row, form.cellText(row, c), kColumns[c].align));
    return items;
}

PrintItems qtDqtTableItems(const RadioImage& image, const TextLookup& lookup) {
    RadioImage copy = image;
    ChannelEditorState state;
    const QtDqtTableForm form(copy, state, lookup);
    // Two groups of 19 entries side by side, each with the table's header row.
    constexpr int kPerGroup = 19;
    constexpr double kGroupX[2] = {kLabelX, 55};
    constexpr double kNumberRight = 3.5; // entry numbers end under the header's end
    constexpr double kToneX = 8;
    PrintItems items{titleItem(StrId::TitleQtDqtTable, lookup)};
    for (double gx : kGroupX) {
        items.push_back(textItem(gx, 2, form.cellText(0, 0)));
        items.push_back(textItem(gx + kToneX, 2, form.cellText(0, 1)));
    }
    for (int entry = 1; entry <= layout::kQtDqtTableEntries; ++entry) {
        const int group = (entry - 1) / kPerGroup;
        const double line = 3 + (entry - 1) % kPerGroup;
        items.push_back(
            textItem(kGroupX[group] + kNumberRight, line, form.cellText(entry, 0), Align::Right));
        items.push_back(textItem(kGroupX[group] + kToneX, line, form.cellText(entry, 1)));
    }
    return items;
}

} // namespace tsw::print

// The Channel Information section as one table of all 16 channels on one page: the channel
// table's columns with the transmit frequency and the encode tone beside them. Every value is
// the field catalogue's text of the field, as the editors show it.
//
//   line 0    Channel Information
//   line 2    CH  RX Frequency  TX Frequency  QT/DQT   QT/DQT  QT/DQT  Compander  Scan  Beat
//   line 3        [MHz]         [MHz]         Decode   Encode  Table              Add   Shift
//   ---------------------------------------------------------------------------------------
//   line 5    1   446.00625     446.00625     94.8     94.8    10      Off        Yes   Off
//   ...       (one line per channel; an empty channel shows its number and "Off" only)
//
// Column widths follow the longest text of each column (header words wrap onto up to three
// lines); a table wider than the page is narrowed evenly and each text is shortened to its
// column.

#include <algorithm>
#include <array>
#include <string_view>

#include "app/ImageLayout.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelRecord.h"
#include "fields/FieldCatalogue.h"
#include "print/SectionLayout.h"

namespace tsw::print {

namespace {

constexpr double kHeaderLine = 2;
constexpr int kMaxHeaderLines = 3;
constexpr double kColumnGap = 1.5; // widths between two columns
constexpr double kTableMargin = 1; // widths left free at either side of a full-width table

// The channel fields of the table's columns after the channel number, in column order (size 0:
// the channel's bit of bitmap B, scan add).
constexpr RecordField kScanAddBit{0, 0};
constexpr std::array<RecordField, 8> kColumns = {
    chfield::RxFrequency, chfield::TxFrequency, chfield::DecodeTone, chfield::EncodeTone,
    chfield::TableIndex,  chfield::Compander,   kScanAddBit,         chfield::BeatShift};

std::size_t characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The words of `text` on lines of at most `width` characters (a longer word stands alone); at
// most kMaxHeaderLines lines, the last one taking the rest.
std::vector<std::string> wrapWords(std::string_view text, std::size_t width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find(' ', pos), text.size());
        const std::string_view word = text.substr(pos, end - pos);
        pos = end + 1;
        if (word.empty())
            continue;
        const bool fits = line.empty() || characters(line) + 1 + characters(word) <= width;
        if (!fits && static_cast<int>(lines.size()) + 1 < kMaxHeaderLines) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + std::string(word);
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

const fields::Field* fieldOf(const std::vector<fields::Field>& all, int channel,
                             const RecordField& f) {
    if (f.size == 0)
        return fields::findField(all, channelBitmapByte(layout::kBitmapB, channel),
                                 channelBitmapMask(channel));
    return fields::findField(all, layout::channelField(channel, f.at), f.mask);
}

struct Table {
    std::vector<std::string> headers;            // per column, the channel number's first
    std::vector<std::vector<std::string>> cells; // per channel, per column
};

Table tableTexts(const RadioImage& image, const TextLookup& lookup) {
    const std::vector<fields::Field> all = fields::fieldCatalogue();
    Table t;
    t.headers.push_back(lookup(StrId::ChannelNumberHeader));
    for (const RecordField& f : kColumns)
        t.headers.push_back(fieldOf(all, 0, f)->label(lookup));
    for (int ch = 0; ch < layout::kChannelCount; ++ch) {
        std::vector<std::string> row{std::to_string(ch + 1)};
        const bool empty = isChannelEmpty(image, ch);
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            // An empty channel shows only its receive column, as the channel table does.
            const bool shown = !empty || c == 0;
            row.push_back(shown ? fieldOf(all, ch, kColumns[c])->text(image, lookup) : "");
        }
        t.cells.push_back(std::move(row));
    }
    return t;
}

// Each column's width in character widths: its longest value, or its longest header word.
std::vector<double> columnWidths(const Table& t) {
    std::vector<double> widths;
    for (std::size_t c = 0; c < t.headers.size(); ++c) {
        std::size_t chars = 0;
        for (const std::string& word : wrapWords(t.headers[c], 1))
            chars = std::max(chars, characters(word));
        for (const auto& row : t.cells)
            chars = std::max(chars, characters(row[c]));
        widths.push_back(static_cast<double>(chars));
    }
    return widths;
}

} // namespace

PrintItems channelTableItems(const SectionPage& page, const RadioImage& image,
                             const TextLookup& lookup) {
    const Table t = tableTexts(image, lookup);
    const std::vector<double> widths = columnWidths(t);
    double total = -kColumnGap;
    for (double w : widths)
        total += w + kColumnGap;
    const double room = (page.landscape ? kLandscapeWidth : kPortraitWidth) - 2 * kTableMargin;
    const double scale = total > room ? room / total : 1.0;

    std::vector<std::vector<std::string>> headers;
    int headerLines = 1;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const auto chars = static_cast<std::size_t>(std::max(1.0, widths[c] * scale));
        headers.push_back(wrapWords(t.headers[c], chars));
        headerLines = std::max(headerLines, static_cast<int>(headers.back().size()));
    }
    const double ruleLine = kHeaderLine + headerLines;
    const double firstRow = ruleLine + 1;

    PrintItems items{titleItem(StrId::TitleChannelInformation, lookup)};
    double x = kTableMargin + (room - total * scale) / 2;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const double width = (widths[c] + kColumnGap / 2) * scale;
        auto add = [&](double line, const std::string& text) {
            if (text.empty())
                return;
            PrintItem item = textItem(x, line, text);
            item.width = width;
            items.push_back(std::move(item));
        };
        for (std::size_t l = 0; l < headers[c].size(); ++l)
            add(kHeaderLine + static_cast<double>(l), headers[c][l]);
        for (std::size_t r = 0; r < t.cells.size(); ++r)
            add(firstRow + static_cast<double>(r), t.cells[r][c]);
        x += (widths[c] + kColumnGap) * scale;
    }
    items.push_back(ruleItem(ruleLine));
    return items;
}

} // namespace tsw::print

#include "tools/cli/CliListing.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "app/NumberText.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/channel/ChannelInfoForm.h"
#include "fields/FieldCatalogue.h"
#include "tools/cli/CliTexts.h"

namespace tsw::cli {

namespace {

using Table = std::vector<std::vector<std::string>>;
using fields::Field;

// Characters of a UTF-8 text (bytes that do not continue a character).
std::size_t displayWidth(const std::string& text) {
    std::size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string labelText(StringId id) {
    return label(id);
}

// The shown text of the catalogue field of `command` with item `item` and label `labelId`.
std::string shown(const std::vector<Field>& all, const RadioImage& image, int command, int item,
                  StringId labelId) {
    for (const Field& f : all)
        if (f.place.command == command && f.item == item && f.naming.label == labelId)
            return f.text(image, labelText);
    return {};
}

// The channel table: receive and transmit frequency and the flags from the field catalogue,
// the table's own tone cell (table number and decode tone together) from its form.
void printChannels(std::ostream& out, const std::vector<Field>& all, const RadioImage& source) {
    RadioImage image = source; // the form wants a mutable image; it only reads here
    ChannelEditorState state;
    ChannelInfoForm form(image, state, false, labelText);
    out << label(StrId::TitleChannelInformation) << "\n";
    Table rows;
    rows.push_back({form.cellText(0, 0), label(StrId::RxLabel), label(StrId::TxLabel),
                    form.cellText(0, 2), form.cellText(0, 3), form.cellText(0, 4),
                    form.cellText(0, 5)});
    for (int ch = 0; ch < layout::kChannelCount; ++ch) {
        const auto field = [&](StringId id) {
            return shown(all, image, cmd::ChannelInformation, ch, id);
        };
        rows.push_back({form.cellText(ch + 1, 0), field(StrId::RxFrequencyLabel),
                        field(StrId::TxFrequencyLabel), form.cellText(ch + 1, 2),
                        field(StrId::CompanderLabel), field(StrId::ScanAddLabel),
                        field(StrId::BeatShiftLabel)});
    }
    printTable(out, rows);
}

void printTestFrequencies(std::ostream& out, const std::vector<Field>& all,
                          const RadioImage& image) {
    out << "\n" << label(StrId::TitleTestFrequency) << "\n";
    Table rows{{"", label(StrId::RxLabel), label(StrId::TxLabel)}};
    for (int i = 0; i < layout::kTestFrequencyCount; ++i)
        rows.push_back({std::to_string(i + 1),
                        shown(all, image, cmd::TestFrequency, 2 * i, StrId::RxLabel),
                        shown(all, image, cmd::TestFrequency, 2 * i + 1, StrId::TxLabel)});
    printTable(out, rows);
}

// Every field of one settings window that the window shows, as "label: value".
void printWindow(std::ostream& out, const std::vector<Field>& all, const RadioImage& image,
                 int command, StringId title) {
    out << "\n" << label(title) << "\n";
    Table rows;
    for (const Field& f : all)
        if (f.place.command == command && !f.hidden)
            rows.push_back({f.label(labelText) + ":", f.text(image, labelText)});
    printTable(out, rows);
}

void printSettings(std::ostream& out, const std::vector<Field>& all, const RadioImage& image) {
    printWindow(out, all, image, cmd::OptionalFeatures, StrId::TitleOptionalFeatures);
    printWindow(out, all, image, cmd::ScanInformation, StrId::TitleScanInformation);
    printWindow(out, all, image, cmd::KeyAssignment, StrId::TitleKeyAssignment);
    out << "\n" << label(StrId::TitleEmbeddedMessage) << "\n";
    for (const Field& f : all)
        if (f.place.command == cmd::EmbeddedMessage)
            out << f.text(image, labelText) << "\n";
}

} // namespace

void printTable(std::ostream& out, const Table& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths.push_back(0);
            widths[c] = std::max(widths[c], displayWidth(row[c]));
        }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line += std::string(widths[c] - displayWidth(row[c]) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << "\n";
    }
}

void printListing(std::ostream& out, const RadioImage& image) {
    const std::vector<Field> all = fields::fieldCatalogue();
    printChannels(out, all, image);
    printTestFrequencies(out, all, image);
    printSettings(out, all, image);
}

void printHexdump(std::ostream& out, const RadioImage& image) {
    char buf[8];
    for (std::size_t at = 0; at < kImageSize; at += 16) {
        std::snprintf(buf, sizeof buf, "%03zX:", at);
        out << buf << ' ' << hexBytes(image.bytes().subspan(at, 16)) << "\n";
    }
}

} // namespace tsw::cli

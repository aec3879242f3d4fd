#include "tools/cli/CliListing.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/ImageLayout.h"
#include "app/NumberText.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/FrequencyCodec.h"
#include "editors/feature/EmbeddedMessageForm.h"
#include "editors/feature/FeatureForm.h"
#include "editors/feature/KeyForm.h"
#include "editors/feature/ScanForm.h"
#include "tools/cli/CliTexts.h"

namespace tsw::cli {

namespace {

using Table = std::vector<std::vector<std::string>>;

// Characters of a UTF-8 text (bytes that do not continue a character).
std::size_t displayWidth(const std::string& text) {
    std::size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string frequencyAt(const RadioImage& image, std::size_t offset) {
    return formatFrequency(readFrequencyBytes(image, offset));
}

void printChannels(std::ostream& out, const RadioImage& source) {
    RadioImage image = source; // the form wants a mutable image; it only reads here
    ChannelEditorState state;
    ChannelInfoForm form(image, state, false, [](StringId id) { return label(id); });
    out << label(StrId::TitleChannelInformation) << "\n";
    Table rows;
    rows.push_back({form.cellText(0, 0), label(StrId::RxLabel), label(StrId::TxLabel),
                    form.cellText(0, 2), form.cellText(0, 3), form.cellText(0, 4),
                    form.cellText(0, 5)});
    for (int ch = 0; ch < layout::kChannelCount; ++ch) {
        const std::size_t record = layout::channelOffset(ch);
        const int row = ch + 1;
        rows.push_back({form.cellText(row, 0), frequencyAt(image, record + layout::kChRxFreq),
                        frequencyAt(image, record + layout::kChTxFreq), form.cellText(row, 2),
                        form.cellText(row, 3), form.cellText(row, 4), form.cellText(row, 5)});
    }
    printTable(out, rows);
}

void printTestFrequencies(std::ostream& out, const RadioImage& image) {
    out << "\n" << label(StrId::TitleTestFrequency) << "\n";
    Table rows{{"", label(StrId::RxLabel), label(StrId::TxLabel)}};
    for (int i = 0; i < layout::kTestFrequencyCount; ++i) {
        const std::size_t at = layout::testFrequencyOffset(i);
        rows.push_back({std::to_string(i + 1), frequencyAt(image, at), frequencyAt(image, at + 4)});
    }
    printTable(out, rows);
}

// Each shown row of a settings form as "label: value".
void printForm(std::ostream& out, StringId title, const feature::FieldForm& form,
               const std::function<bool(int)>& visible) {
    using feature::FieldKind;
    out << "\n" << label(title) << "\n";
    Table rows;
    const auto table = form.rows();
    for (int r = 0; r < static_cast<int>(table.size()); ++r) {
        const feature::FieldRow& row = table[static_cast<std::size_t>(r)];
        if (!visible(r) || row.kind == FieldKind::Hidden || row.kind == FieldKind::Group ||
            row.kind == FieldKind::Grid || row.label == 0)
            continue;
        std::string value;
        if (row.kind == FieldKind::Check) {
            value = label(form.checked(r) ? StrId::FlagOn : StrId::FlagOff);
        } else if (row.kind == FieldKind::List) {
            const auto entries = form.listEntries(r);
            const int index = form.listIndex(r);
            if (index >= 0 && static_cast<std::size_t>(index) < entries.size())
                value = label(entries[static_cast<std::size_t>(index)].text);
        } else {
            value = form.text(r).value_or("");
        }
        rows.push_back({label(row.label) + ":", value});
    }
    printTable(out, rows);
}

void printSettings(std::ostream& out, const RadioImage& source) {
    RadioImage image = source;
    const TextLookup lookup = [](StringId id) { return label(id); };
    const feature::FeatureForm features(image, lookup);
    printForm(out, StrId::TitleOptionalFeatures, features,
              [&](int r) { return features.visible(r); });
    const feature::ScanForm scan(image);
    printForm(out, StrId::TitleScanInformation, scan, [](int) { return true; });

    out << "\n" << label(StrId::TitleKeyAssignment) << "\n";
    printTable(out, {{label(StrId::PrintPf1Label) + ":",
                      feature::keyFunctionName(image.byte(layout::kKeyPf1), lookup)},
                     {label(StrId::PrintPf2Label) + ":",
                      feature::keyFunctionName(image.byte(layout::kKeyPf2), lookup)}});

    out << "\n" << label(StrId::TitleEmbeddedMessage) << "\n";
    for (int line = 0; line < 2; ++line)
        out << feature::messageLineText(image, line) << "\n";
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
    printChannels(out, image);
    printTestFrequencies(out, image);
    printSettings(out, image);
}

void printHexdump(std::ostream& out, const RadioImage& image) {
    char buf[8];
    for (std::size_t at = 0; at < kImageSize; at += 16) {
        std::snprintf(buf, sizeof buf, "%03zX:", at);
        out << buf << ' ' << hexBytes(image.bytes().subspan(at, 16)) << "\n";
    }
}

} // namespace tsw::cli

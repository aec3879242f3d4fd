#include "editors/feature/ImageDiff.h"

#include <array>
#include <cstdio>
#include <functional>

#include "app/ImageLayout.h"
#include "app/NumberText.h"
#include "app/TextTemplate.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/ToneCodec.h"
#include "editors/feature/CrewLinkForm.h"
#include "editors/feature/DtmfForm.h"
#include "editors/feature/EmbeddedMessageForm.h"
#include "editors/feature/FeatureForm.h"
#include "editors/feature/KeyForm.h"
#include "editors/feature/ScanForm.h"

namespace tsw::feature {

namespace {

std::string hexBytes(const RadioImage& image, std::size_t offset, std::size_t size) {
    return tsw::hexBytes(image.bytes().subspan(offset, size));
}

class Differ {
public:
    Differ(const RadioImage& a, const RadioImage& b, const TextLookup& text)
        : a_(a), b_(b), text_(text) {
        shown_.fill(0);
    }

    std::vector<DiffLine> run();

private:
    // A language text without its '&' mnemonic marks.
    std::string label(StringId id) const;
    std::string path(const std::string& outer, StringId inner) const;
    std::string numbered(StringId id, int number) const;

    // Adds a line when the texts differ; the bits of `mask` in the field's bytes then count as
    // shown.
    void field(const std::string& name, const std::string& a, const std::string& b,
               std::size_t offset, std::size_t size, std::uint8_t mask = 0xFF);
    // The same, with the field's text taken from each image.
    void field(const std::string& name, std::size_t offset, std::size_t size,
               const std::function<std::string(const RadioImage&)>& show, std::uint8_t mask = 0xFF);

    void channels();
    void channel(int ch);
    void form(StringId title, const FieldForm& formA, const FieldForm& formB);
    void keys();
    void crewLinkTable();
    void tables();
    void identity();
    void offsets();

    const RadioImage& a_;
    const RadioImage& b_;
    const TextLookup& text_;
    std::array<std::uint8_t, kImageSize> shown_{}; // bits some line accounts for
    std::vector<DiffLine> lines_;
};

std::string Differ::label(StringId id) const {
    std::string t = text_(id);
    std::string out;
    for (char c : t)
        if (c != '&')
            out += c;
    return out;
}

std::string Differ::path(const std::string& outer, StringId inner) const {
    return fillTemplate(label(StrId::DiffFieldPath), {outer, label(inner)});
}

std::string Differ::numbered(StringId id, int number) const {
    return fillTemplate(label(StrId::DiffNumbered), {label(id), std::to_string(number)});
}

void Differ::field(const std::string& name, const std::string& a, const std::string& b,
                   std::size_t offset, std::size_t size, std::uint8_t mask) {
    if (a == b)
        return;
    lines_.push_back({name, a, b});
    for (std::size_t i = 0; i < size && offset + i < kImageSize; ++i)
        shown_[offset + i] |= mask;
}

void Differ::field(const std::string& name, std::size_t offset, std::size_t size,
                   const std::function<std::string(const RadioImage&)>& show, std::uint8_t mask) {
    field(name, show(a_), show(b_), offset, size, mask);
}

std::vector<DiffLine> Differ::run() {
    channels();
    RadioImage a = a_; // the forms want images they could write to; they only read here
    RadioImage b = b_;
    form(StrId::TitleOptionalFeatures, FeatureForm(a, text_), FeatureForm(b, text_));
    keys();
    form(StrId::TitleScanInformation, ScanForm(a), ScanForm(b));
    form(StrId::TitleDtmf, DtmfForm(a, text_), DtmfForm(b, text_));
    form(StrId::TitleCrewLink, CrewLinkForm(a, text_), CrewLinkForm(b, text_));
    crewLinkTable();
    tables();
    identity();
    offsets();
    return std::move(lines_);
}

void Differ::channels() {
    for (int ch = 0; ch < layout::kChannelCount; ++ch)
        channel(ch);
}

void Differ::channel(int ch) {
    const std::size_t base = layout::channelOffset(ch);
    const bool emptyA = isChannelEmpty(a_, ch);
    const bool emptyB = isChannelEmpty(b_, ch);
    if (emptyA && emptyB)
        return;
    const std::string name = numbered(StrId::ChannelLabel, ch + 1);
    const std::string off = label(StrId::OffText);
    // A field of an empty channel shows nothing; a frequency shows the off text.
    const auto show = [&](auto&& valueOf) {
        return [&, valueOf](const RadioImage& image) -> std::string {
            return isChannelEmpty(image, ch) ? std::string() : valueOf(image);
        };
    };
    const auto frequency = [&](std::size_t at) {
        return [&, at](const RadioImage& image) {
            const std::string f = formatFrequency(readFrequencyBytes(image, base + at));
            return f.empty() ? off : f;
        };
    };
    const auto tone = [&](std::size_t at) {
        return show([&, at](const RadioImage& image) {
            const ToneWord word = image.word(base + at);
            return word == kToneOff ? off : formatTone(word, &noText);
        });
    };
    const auto flag = [&](std::size_t at, std::uint8_t mask) {
        return show([&, at, mask](const RadioImage& image) {
            return label(image.flag(base + at, mask) ? StrId::FlagOn : StrId::FlagOff);
        });
    };
    field(path(name, StrId::RxFrequencyLabel), base + layout::kChRxFreq, 4,
          [&](const RadioImage& image) {
              return isChannelEmpty(image, ch) ? off : frequency(layout::kChRxFreq)(image);
          });
    field(path(name, StrId::TxFrequencyLabel), base + layout::kChTxFreq, 4,
          show(frequency(layout::kChTxFreq)));
    field(path(name, StrId::DecodeToneLabel), base + layout::kChDecodeTone, 2,
          tone(layout::kChDecodeTone));
    field(path(name, StrId::EncodeToneLabel), base + layout::kChEncodeTone, 2,
          tone(layout::kChEncodeTone));
    field(path(name, StrId::TitleQtDqtTable), base + layout::kChTableIndex, 1,
          show([&](const RadioImage& image) {
              const int index = image.byte(base + layout::kChTableIndex);
              return index == 0 ? off : std::to_string(index);
          }));
    field(path(name, StrId::CompanderLabel), base + layout::kChFlags12, 1,
          flag(layout::kChFlags12, layout::kChCompanderMask), layout::kChCompanderMask);
    field(path(name, StrId::ScanAddLabel), layout::kBitmapB + static_cast<std::size_t>(ch / 8), 1,
          show([&](const RadioImage& image) {
              return label(getBitmapB(image, ch) == 1 ? StrId::BitmapBOn : StrId::BitmapBOff);
          }),
          static_cast<std::uint8_t>(1u << (ch % 8)));
    field(path(name, StrId::BeatShiftLabel), base + layout::kChFlags13, 1,
          flag(layout::kChFlags13, layout::kChBeatShiftMask), layout::kChBeatShiftMask);
    if (emptyA != emptyB) // one side has no channel at all: its bytes say nothing more
        for (std::size_t i = 0; i < layout::kChannelSize; ++i)
            shown_[base + i] = 0xFF;
}

// Every row of a settings form that holds image bytes, by the form's title and row label.
void Differ::form(StringId title, const FieldForm& formA, const FieldForm& formB) {
    const std::string name = label(title);
    const auto rows = formA.rows();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const FieldRow& row = rows[static_cast<std::size_t>(r)];
        if (row.size == 0 || row.kind == FieldKind::Grid || row.kind == FieldKind::Group)
            continue;
        const auto value = [&](const FieldForm& f, const RadioImage& image) -> std::string {
            if (row.kind == FieldKind::Check)
                return label(f.checked(r) ? StrId::FlagOn : StrId::FlagOff);
            if (row.kind == FieldKind::List) {
                const auto entries = f.listEntries(r);
                const int index = f.listIndex(r);
                if (index >= 0 && static_cast<std::size_t>(index) < entries.size())
                    return label(entries[static_cast<std::size_t>(index)].text);
                return hexBytes(image, row.offset, row.size);
            }
            return f.text(r).value_or(hexBytes(image, row.offset, row.size));
        };
        field(path(name, row.label), value(formA, a_), value(formB, b_), row.offset, row.size);
    }
}

void Differ::keys() {
    const std::string name = label(StrId::TitleKeyAssignment);
    for (const auto& key : {std::pair{ProgrammableKey::Pf1, StrId::PrintPf1Label},
                            std::pair{ProgrammableKey::Pf2, StrId::PrintPf2Label}}) {
        const std::size_t at = keyOffset(key.first);
        field(path(name, key.second), at, 1,
              [&](const RadioImage& image) { return keyFunctionName(image.byte(at), text_); });
    }
}

void Differ::crewLinkTable() {
    const std::string table = path(label(StrId::TitleCrewLink), StrId::CrewLinkTabFleetIdTable);
    for (int entry = 0; entry < layout::kCrewEntryCount; ++entry) {
        const std::string name =
            fillTemplate(label(StrId::DiffNumbered), {table, std::to_string(entry + 1)});
        const std::size_t at = layout::crewEntryOffset(entry + 1);
        const auto cell = [&](crew::Column column) {
            return [&, column](const RadioImage& image) {
                return crewLinkCellText(image, entry, column, text_);
            };
        };
        field(path(name, StrId::CrewLinkFleetHeader), at, 1, cell(crew::Column::Fleet));
        field(path(name, StrId::CrewLinkIdHeader), at + 1, 2, cell(crew::Column::Id));
    }
}

void Differ::tables() {
    for (int i = 0; i < layout::kTestFrequencyCount; ++i) {
        const std::string name = numbered(StrId::TitleTestFrequency, i + 1);
        for (const auto& side : {std::pair{StrId::RxLabel, std::size_t{0}},
                                 std::pair{StrId::TxLabel, std::size_t{4}}}) {
            const StringId id = side.first;
            const std::size_t offset = layout::testFrequencyOffset(i) + side.second;
            field(path(name, id), offset, 4, [&](const RadioImage& image) {
                const std::string f = formatFrequency(readFrequencyBytes(image, offset));
                return f.empty() ? label(StrId::OffText) : f;
            });
        }
    }
    for (int entry = 1; entry <= layout::kQtDqtTableEntries; ++entry)
        field(numbered(StrId::TitleQtDqtTable, entry), layout::qtDqtEntryOffset(entry), 2,
              [&](const RadioImage& image) {
                  const ToneWord word = image.word(layout::qtDqtEntryOffset(entry));
                  return word == kToneOff || word == kTableEntryOff ? label(StrId::OffText)
                                                                    : formatTone(word, &noText);
              });
    for (int line = 0; line < 2; ++line)
        field(numbered(StrId::TitleEmbeddedMessage, line + 1),
              kMessageLineOffsets[static_cast<std::size_t>(line)], layout::kMessageLineLength,
              [&](const RadioImage& image) { return messageLineText(image, line); });
}

void Differ::identity() {
    const std::string name = label(StrId::TitleModelInformation);
    field(path(name, StrId::ModelTypeLabel), layout::kModelCode, layout::kModelCodeLength,
          [&](const RadioImage& image) {
              std::string code;
              for (std::size_t i = 0; i < layout::kModelCodeLength; ++i) {
                  const auto c = static_cast<char>(image.byte(layout::kModelCode + i));
                  code += c >= 0x20 && c < 0x7F ? c : '?';
              }
              return code;
          });
    field(path(name, StrId::FrequencyLabel), layout::kBandCode, 1,
          [&](const RadioImage& image) { return hexBytes(image, layout::kBandCode, 1); });
}

void Differ::offsets() {
    char buf[8];
    for (std::size_t at = 0; at < kImageSize; ++at) {
        const auto differs = static_cast<std::uint8_t>(a_.byte(at) ^ b_.byte(at));
        if ((differs & ~shown_[at]) == 0)
            continue;
        std::snprintf(buf, sizeof buf, "0x%03zX", at);
        lines_.push_back({fillTemplate(label(StrId::DiffByteOffset), {buf}), hexBytes(a_, at, 1),
                          hexBytes(b_, at, 1)});
    }
}

} // namespace

std::vector<DiffLine> diffImages(const RadioImage& a, const RadioImage& b, const TextLookup& text) {
    return Differ(a, b, text).run();
}

} // namespace tsw::feature

// The tables and the identity: test frequencies 1..16 (the window shows the first eight; the
// radio's test mode selects any of the sixteen), the 38 entries of the QT/DQT table, the two
// lines of the embedded message and the model code and band code of the identity.

#include "app/CommandIds.h"
#include "editors/channel/QtDqtTableForm.h"
#include "editors/channel/TestFrequencyForm.h"
#include "editors/channel/ToneCodec.h"
#include "editors/feature/EmbeddedMessageForm.h"
#include "fields/CatalogueParts.h"

namespace tsw::fields::detail {

namespace {

constexpr int kShownTestChannels = TestFrequencyForm::kShownChannels;

std::string testText(const RadioImage& image, int item, const TextLookup&) {
    return testFrequencyText(image, item / 2,
                             item % 2 == 0 ? TestSide::Receive : TestSide::Transmit);
}

std::string tableEntryText(const RadioImage& image, int entry, const TextLookup& text) {
    return formatTableTone(image, entry - 1, text);
}

std::string messageText(const RadioImage& image, int line, const TextLookup&) {
    return feature::messageLineText(image, line);
}

std::string modelCode(const RadioImage& image, int, const TextLookup&) {
    return modelCodeText(image);
}

std::string bandCode(const RadioImage& image, int, const TextLookup&) {
    return bandCodeText(image);
}

void addTestFrequencies(std::vector<Field>& out) {
    for (int t = 0; t < layout::kTestFrequencyCount; ++t)
        for (const TestSide side : {TestSide::Receive, TestSide::Transmit}) {
            const bool receive = side == TestSide::Receive;
            Field f;
            f.offset = testFrequencyOffset(t, side);
            f.size = 4;
            f.naming = {.window = StrId::TitleTestFrequency,
                        .number = t + 1,
                        .label = receive ? StrId::RxLabel : StrId::TxLabel};
            f.hidden = t >= kShownTestChannels;
            f.place = {.command = cmd::TestFrequency,
                       .row = t + 1,
                       .column = receive ? 1 : 2,
                       .control = TestFrequencyForm::kGridId};
            f.unit = Unit::MegaHertz;
            f.show = &testText;
            f.item = t * 2 + (receive ? 0 : 1);
            out.push_back(f);
        }
}

void addQtDqtTable(std::vector<Field>& out) {
    for (int entry = 1; entry <= layout::kQtDqtTableEntries; ++entry) {
        Field f;
        f.offset = layout::qtDqtEntryOffset(entry);
        f.size = 2;
        f.naming = {.window = StrId::TitleQtDqtTable, .number = entry};
        f.place = {.command = cmd::QtDqtTable,
                   .row = entry,
                   .column = 1,
                   .control = QtDqtTableForm::kGridId};
        f.show = &tableEntryText;
        f.item = entry;
        out.push_back(f);
    }
}

void addMessage(std::vector<Field>& out) {
    for (int line = 0; line < 2; ++line) {
        Field f;
        f.offset = feature::kMessageLineOffsets[static_cast<std::size_t>(line)];
        f.size = layout::kMessageLineLength;
        f.naming = {.window = StrId::TitleEmbeddedMessage, .number = line + 1};
        f.kind = TextKind::FreeText;
        f.place = {.command = cmd::EmbeddedMessage,
                   .row = line,
                   .control = feature::kMessageLineIds[static_cast<std::size_t>(line)]};
        f.show = &messageText;
        f.item = line;
        out.push_back(f);
    }
}

void addIdentity(std::vector<Field>& out) {
    Field code;
    code.offset = layout::kModelCode;
    code.size = layout::kModelCodeLength;
    code.naming = {.window = StrId::TitleModelInformation, .label = StrId::ModelTypeLabel};
    code.kind = TextKind::FreeText;
    code.place = {.command = cmd::ModelInformation};
    code.show = &modelCode;
    out.push_back(code);
    Field band;
    band.offset = layout::kBandCode;
    band.naming = {.window = StrId::TitleModelInformation, .label = StrId::FrequencyLabel};
    band.place = {.command = cmd::ModelInformation};
    band.show = &bandCode;
    out.push_back(band);
}

} // namespace

void addTableFields(std::vector<Field>& out) {
    addTestFrequencies(out);
    addQtDqtTable(out);
    addMessage(out);
    addIdentity(out);
}

} // namespace tsw::fields::detail

// The field catalogue against the editors: its bytes, names, places and ranges, checked with
// the forms themselves (never with a copy of the catalogue's own tables).

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <span>

#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "app/LanguageLoader.h"
#include "editors/channel/ChannelEditForm.h"
#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/QtDqtTableForm.h"
#include "editors/channel/TestFrequencyForm.h"
#include "editors/feature/CrewLinkForm.h"
#include "editors/feature/DtmfForm.h"
#include "editors/feature/EmbeddedMessageForm.h"
#include "editors/feature/FeatureForm.h"
#include "editors/feature/KeyForm.h"
#include "editors/feature/ScanForm.h"
#include "fields/FieldCatalogue.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::fields;

namespace {

class FieldCatalogueTest : public ::testing::Test {
protected:
    FieldCatalogueTest() {
        table.setDirectory(TSW_BIN_DIR);
        EXPECT_EQ(loadLanguage(table, 2), LanguageTable::Loaded);
        // Every field live: a priority with a channel, the scrambler off (its backup shows).
        base.setByte(layout::kScanPriority, 1);
        base.setByte(layout::kPriorityChannel, 2);
        base.setByte(layout::kFeatScramblerActivation, 0);
        base.setByte(layout::kFeatVoxFunction, 1); // the VOX rows take input
    }
    std::string text(StringId id) const { return table.text(id); }
    TextLookup lookup() const {
        return [this](StringId id) { return text(id); };
    }
    std::vector<std::string> shown(const RadioImage& image) const {
        std::vector<std::string> texts;
        for (const Field& f : all)
            texts.push_back(f.text(image, lookup()));
        return texts;
    }

    LanguageTable table;
    const std::vector<Field> all = fieldCatalogue();
    RadioImage base = test::defaultRadioImage();
};

bool sameChannel(const Field& a, const Field& b) {
    return a.place.command == cmd::ChannelInformation &&
           b.place.command == cmd::ChannelInformation && a.item == b.item;
}

bool isRow(const Field& f, int command, int row) {
    return f.place.command == command && f.place.column < 0 && f.place.row == row;
}

// Fields whose text may follow a change of `changed` besides its own: a channel's receive
// frequency empties or fills the whole channel; the scan priority decides whether there is a
// priority channel and which revert choices exist; an active scrambler shows its backup clear.
bool mayFollow(const Field& changed, const Field& other) {
    if (sameChannel(changed, other))
        return changed.offset == layout::channelField(changed.item, layout::kChRxFreq);
    if (isRow(changed, cmd::ScanInformation, feature::scan::Priority))
        return isRow(other, cmd::ScanInformation, feature::scan::PriorityChannel) ||
               isRow(other, cmd::ScanInformation, feature::scan::RevertChannel);
    if (isRow(changed, cmd::OptionalFeatures, feature::feat::ScramblerActivation))
        return isRow(other, cmd::OptionalFeatures, feature::feat::ScramblerBackup);
    return false;
}

// The bytes of a field worth mutating: all of a short one, the ends and middle of a long one.
std::vector<std::size_t> probeBytes(const Field& f) {
    if (f.size <= 4) {
        std::vector<std::size_t> all;
        for (std::size_t i = 0; i < f.size; ++i)
            all.push_back(f.offset + i);
        return all;
    }
    return {f.offset, f.offset + f.size / 2, f.offset + f.size - 1};
}

} // namespace

TEST_F(FieldCatalogueTest, FieldsLieInsideTheImageAndNoTwoShareABit) {
    // 16 x 8 channel fields, 24 feature rows with bytes, 2 keys, 7 scan rows, 14 DTMF rows,
    // 6 + 16 CrewLink fields, 32 test frequencies, 38 table entries, 2 lines, 2 identity.
    EXPECT_EQ(all.size(), 271u);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Field& f = all[i];
        SCOPED_TRACE(f.name(lookup()));
        EXPECT_LE(f.offset + f.size, kImageSize);
        EXPECT_TRUE(f.size == 1 || f.mask == 0xFF);
        EXPECT_NE(f.show, nullptr);
        for (std::size_t j = i + 1; j < all.size(); ++j)
            for (std::size_t at = f.offset; at < f.offset + f.size; ++at)
                EXPECT_FALSE(all[j].holds(at, f.mask)) << all[j].name(lookup());
    }
}

TEST_F(FieldCatalogueTest, NamesReadAsDiffPrintsThem) {
    const std::pair<std::size_t, const char*> cases[] = {
        {0x010, "Channel 1 / RX Frequency [MHz]"},
        {layout::channelField(2, layout::kChTxFreq), "Channel 3 / TX Frequency [MHz]"},
        {layout::channelField(15, layout::kChTableIndex), "Channel 16 / QT/DQT Table"},
        {layout::kFeatBeep, "Optional Features / Beep"},
        {layout::kFeatPttIdType, "Optional Features / PTT ID Type"},
        {layout::kKeyPf2, "Key Assignment / PF2 Key"},
        {layout::kScanPriority, "Scan Information / Priority"},
        {layout::kDtmfIdCode + 9, "DTMF / ID Code"},
        {layout::crewEntryOffset(5), "CrewLink / Fleet/ID Table 5 / Fleet"},
        {layout::crewEntryOffset(8) + 2, "CrewLink / Fleet/ID Table 8 / ID"},
        {layout::testFrequencyOffset(9) + 4, "Test Frequency 10 / TX"},
        {layout::qtDqtEntryOffset(38), "QT/DQT Table 38"},
        {layout::kMessageLine2 + 31, "Embedded Message 2"},
        {layout::kBandCode, "Model Information / Frequency"},
    };
    for (const auto& [at, name] : cases) {
        const Field* f = findField(all, at);
        ASSERT_NE(f, nullptr) << name;
        EXPECT_EQ(f->name(lookup()), name);
    }
    // A bit field is found by its bit: channel 11's scan add is bit 2 of 0x17F.
    ASSERT_NE(findField(all, 0x17F, 0x04), nullptr);
    EXPECT_EQ(findField(all, 0x17F, 0x04)->name(lookup()), "Channel 11 / Scan Add");
    EXPECT_EQ(findField(all, layout::channelField(0, layout::kChSteps)), nullptr);
}

// Changing a field's bytes changes its own shown text and no other field's, except the texts
// that follow it by the editors' rules (mayFollow).
TEST_F(FieldCatalogueTest, ChangingAFieldChangesExactlyItsOwnText) {
    const std::vector<std::string> before = shown(base);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Field& f = all[i];
        SCOPED_TRACE(f.name(lookup()));
        bool live = false;
        for (const std::size_t at : probeBytes(f))
            for (const std::uint8_t value : {0x00, 0x01, 0x02, 0x03, 0x55, 0xA5, 0xFF}) {
                RadioImage image = base;
                image.setByte(
                    at, static_cast<std::uint8_t>((base.byte(at) & ~f.mask) | (value & f.mask)));
                if (image == base)
                    continue;
                const std::vector<std::string> after = shown(image);
                live = live || after[i] != before[i];
                for (std::size_t j = 0; j < all.size(); ++j)
                    if (j != i && after[j] != before[j]) {
                        EXPECT_TRUE(mayFollow(f, all[j]))
                            << all[j].name(lookup()) << " followed byte 0x" << std::hex << at;
                    }
            }
        EXPECT_TRUE(live) << "no change of its bytes shows";
    }
}

namespace {

// Everything the editor windows show for an image, read from their forms.
std::vector<std::string> windowTexts(const RadioImage& source, const TextLookup& text) {
    RadioImage image = source;
    std::vector<std::string> out;
    ChannelEditorState state;
    const ChannelInfoForm info(image, state, false, text);
    for (int row = 1; row <= layout::kChannelCount; ++row)
        for (int column = 1; column <= ChannelInfoForm::kLastDataColumn; ++column)
            out.push_back(info.cellText(row, column));
    out.push_back(info.freeAreaText());
    for (int ch = 0; ch < layout::kChannelCount; ++ch) {
        state.selectedChannel = ch;
        const ChannelEditForm edit(image, state, false, text);
        out.insert(out.end(),
                   {edit.receiveText(), edit.transmitText(), edit.decodeToneText(),
                    edit.encodeToneText(), std::to_string(edit.beatShift()),
                    std::to_string(edit.compander()), std::to_string(edit.bitmapBIndex()),
                    std::to_string(edit.companderEnabled())});
    }
    const feature::FeatureForm features(image, text);
    const feature::ScanForm scan(image);
    const feature::DtmfForm dtmf(image, text);
    const feature::CrewLinkForm crew(image, text);
    for (const feature::FieldForm* form :
         std::initializer_list<const feature::FieldForm*>{&features, &scan, &dtmf, &crew})
        for (int row = 0; row < static_cast<int>(form->rows().size()); ++row)
            if (form != &features || features.visible(row))
                out.push_back(feature::rowText(*form, row, text) +
                              std::to_string(form->enabled(row)));
    for (int e = 0; e < layout::kCrewEntryCount; ++e)
        for (const auto column : {feature::crew::Column::Fleet, feature::crew::Column::Id})
            out.push_back(crew.cellText(e, column));
    const feature::KeyForm keys(image);
    for (const auto key : {feature::ProgrammableKey::Pf1, feature::ProgrammableKey::Pf2})
        out.push_back(std::to_string(keys.position(key)));
    const TestFrequencyForm tests(image, false, text);
    for (int row = 1; row <= TestFrequencyForm::kShownChannels; ++row)
        for (int column = 1; column <= 2; ++column)
            out.push_back(tests.cellText(row, column));
    ChannelEditorState tableState;
    const QtDqtTableForm tones(image, tableState, text);
    for (int row = 1; row <= layout::kQtDqtTableEntries; ++row)
        out.push_back(tones.cellText(row, 1));
    const feature::EmbeddedMessageForm message(image);
    out.insert(out.end(), {message.line(0), message.line(1)});
    return out;
}

} // namespace

// Every bit whose change shows in some editor window belongs to a field of the catalogue.
TEST_F(FieldCatalogueTest, EveryBitAWindowShowsIsAField) {
    for (const RadioImage& start : {base, RadioImage{}}) {
        const auto before = windowTexts(start, lookup());
        for (std::size_t at = 0; at < kImageSize; ++at)
            for (int bit = 0; bit < 8; ++bit) {
                const auto mask = static_cast<std::uint8_t>(1u << bit);
                RadioImage image = start;
                image.setByte(at, static_cast<std::uint8_t>(start.byte(at) ^ mask));
                if (windowTexts(image, lookup()) != before) {
                    EXPECT_NE(findField(all, at, mask), nullptr)
                        << "byte 0x" << std::hex << at << " bit " << std::dec << bit;
                }
            }
    }
}

namespace {

// What a control of the channel edit window shows for a channel.
std::string channelEditText(RadioImage& image, int channel, int control, const TextLookup& text) {
    ChannelEditorState state;
    state.selectedChannel = channel;
    const ChannelEditForm edit(image, state, false, text);
    if (control == ChannelEditForm::kTransmitListId)
        return edit.transmitText();
    if (control == ChannelEditForm::kEncodeListId)
        return edit.encodeToneText();
    return "control " + std::to_string(control);
}

} // namespace

// A field's place names the cell or control that shows its text.
TEST_F(FieldCatalogueTest, PlacesNameWhereTheEditorShowsTheField) {
    RadioImage image = base;
    ChannelEditorState state;
    const ChannelInfoForm info(image, state, false, lookup());
    const TestFrequencyForm tests(image, false, lookup());
    const QtDqtTableForm tones(image, state, lookup());
    const feature::CrewLinkForm crew(image, lookup());
    const std::map<int, std::span<const feature::FieldRow>> rows = {
        {cmd::OptionalFeatures, feature::kFeatureFieldTable},
        {cmd::ScanInformation, feature::kScanFieldTable},
        {cmd::Dtmf, feature::kDtmfFieldTable},
        {cmd::CrewLink, feature::kCrewLinkFieldTable}};
    for (const Field& f : all) {
        SCOPED_TRACE(f.name(lookup()));
        const FieldPlace& p = f.place;
        const std::string shownText = f.text(image, lookup());
        if (p.command == cmd::ChannelInformation && p.column >= kFieldCompander)
            EXPECT_EQ(info.cellText(p.row, p.column), shownText);
        else if (p.command == cmd::ChannelInformation && p.column == 1)
            EXPECT_TRUE(info.cellText(p.row, 1).ends_with(shownText));
        else if (p.command == cmd::ChannelInformation && p.column < 0)
            EXPECT_EQ(channelEditText(image, p.row - 1, p.control, lookup()), shownText);
        else if (p.command == cmd::TestFrequency && !f.hidden)
            EXPECT_EQ(tests.cellText(p.row, p.column), shownText);
        else if (p.command == cmd::QtDqtTable)
            EXPECT_EQ(tones.cellText(p.row, p.column), shownText);
        else if (p.command == cmd::CrewLink && p.column > 0)
            EXPECT_EQ(crew.cellText(p.row - 1, p.column == 1 ? feature::crew::Column::Fleet
                                                             : feature::crew::Column::Id),
                      shownText);
        else if (p.command == cmd::KeyAssignment)
            EXPECT_EQ(p.control == feature::kKeyPf1ListId ? layout::kKeyPf1 : layout::kKeyPf2,
                      f.offset);
        else if (p.command == cmd::EmbeddedMessage)
            EXPECT_EQ(feature::EmbeddedMessageForm(image).line(p.row), shownText);
        else if (rows.contains(p.command)) {
            const feature::FieldRow& r = rows.at(p.command)[static_cast<std::size_t>(p.row)];
            EXPECT_EQ(r.valueId, p.control);
            EXPECT_EQ(r.offset, f.offset);
            EXPECT_EQ(r.tab, p.tab);
        }
    }
}

namespace {

std::string scaled(int value, int decimals) {
    std::string digits = std::to_string(value);
    if (decimals == 0)
        return digits;
    digits.insert(
        0, static_cast<std::size_t>(std::max(0, decimals + 1 - static_cast<int>(digits.size()))),
        '0');
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    return digits;
}

// Types `typed` into the field's box, as its editor would take it.
void commit(RadioImage& image, const Field& f, const std::string& typed, const TextLookup& text) {
    const int row = f.place.row;
    switch (f.place.command) {
    case cmd::OptionalFeatures:
        feature::FeatureForm(image, text).commitText(row, typed);
        break;
    case cmd::ScanInformation:
        feature::ScanForm(image).commitText(row, typed);
        break;
    case cmd::Dtmf:
        feature::DtmfForm(image, text).commitText(row, typed);
        break;
    case cmd::CrewLink:
        if (f.place.column > 0)
            feature::CrewLinkForm(image, text)
                .commitCell(row - 1,
                            f.place.column == 1 ? feature::crew::Column::Fleet
                                                : feature::crew::Column::Id,
                            typed);
        else
            feature::CrewLinkForm(image, text).commitText(row, typed);
        break;
    default:
        FAIL() << "no box to type into";
    }
}

} // namespace

// The range of a field is what its editor accepts: min, max and every step between are kept
// as typed; a value past the ends or between two steps is not.
TEST_F(FieldCatalogueTest, RangesAreWhatTheEditorsAccept) {
    int checked = 0;
    for (const Field& f : all) {
        if (!f.range || f.place.command == cmd::ChannelInformation)
            continue;
        SCOPED_TRACE(f.name(lookup()));
        const FieldRange& r = *f.range;
        const auto shownFor = [&](int value) {
            RadioImage image = base;
            commit(image, f, scaled(value, r.decimals), lookup());
            return f.text(image, lookup());
        };
        for (int value = r.min; value <= r.max; value += r.step) {
            const std::string typed = scaled(value, r.decimals);
            EXPECT_TRUE(shownFor(value).starts_with(typed)) << typed;
        }
        EXPECT_FALSE(shownFor(r.max + r.step).starts_with(scaled(r.max + r.step, r.decimals)));
        if (r.min - r.step >= 0) {
            EXPECT_NE(shownFor(r.min - r.step), scaled(r.min - r.step, r.decimals));
        }
        if (r.step > 1) {
            EXPECT_NE(shownFor(r.min + r.step / 2), scaled(r.min + r.step / 2, r.decimals));
        }
        if (r.wordAtZero) {
            const std::string zero = shownFor(0);
            EXPECT_TRUE(!zero.empty() && !std::isdigit(static_cast<unsigned char>(zero.front())))
                << zero;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 35);
}

TEST_F(FieldCatalogueTest, DisplayTextTellsEveryTwoTextsApart) {
    Field value;
    Field freeText;
    freeText.kind = TextKind::FreeText;
    const struct {
        const Field* field;
        const char* shown;
        const char* display;
    } cases[] = {
        {&value, "446.00625", "446.00625"},
        {&value, "", "(empty)"},
        {&freeText, "", "\"\""},
        {&freeText, "AB ", "\"AB \""},
        {&freeText, "-", "\"-\""},
        {&freeText, "a\"b\\", "\"a\\\"b\\\\\""},
        {&freeText, "\x01\x7F", "\"\\x01\\x7F\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(displayText(*c.field, c.shown, lookup()), c.display) << c.shown;

    std::set<std::string> seen;
    for (const std::string s : {"", " ", "  ", "\"", "\\", "\\\"", "\"\"", "x", "x ", "\\x20"})
        EXPECT_TRUE(seen.insert(displayText(freeText, s, lookup())).second) << "'" << s << "'";
}

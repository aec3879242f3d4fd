#include <gtest/gtest.h>

#include <functional>

#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "app/LanguageLoader.h"
#include "app/ModelTable.h"
#include "fields/UndoStepName.h"

using namespace tsw;
using namespace tsw::fields;

namespace {

// The English texts, so that the names read as the Edit menu shows them.
class UndoStepNameTest : public ::testing::Test {
protected:
    UndoStepNameTest() {
        table.setDirectory(TSW_BIN_DIR);
        EXPECT_EQ(loadLanguage(table, 2), LanguageTable::Loaded);
        parseIdentityText(kDefaultIdentityText, before.identity);
        buildDefaultImage(before.image, before.identity);
    }
    std::string name(const StepLabel& label, const EditState& after) const {
        return undoStepName(label, before, after, [this](StringId id) { return table.text(id); });
    }

    LanguageTable table;
    EditState before;
};

// Channel 2 (index 1) uses QT/DQT table entry 8 in the default image.
constexpr int kEntry = 8;

struct Case {
    const char* what;
    StepLabel label;
    std::function<void(EditState&)> change;
    std::string expected;
};

TEST_F(UndoStepNameTest, NamesTheStepAsTheEditorsDo) {
    const auto rx = [](EditState& s) {
        s.image.setByte(layout::channelOffset(2) + layout::kChRxFreq, 0x75);
        s.image.setByte(layout::channelOffset(2) + layout::kChTxFreq, 0x75);
    };
    // A table entry and the two tone words of the channel using it.
    const auto entry = [](EditState& s) {
        s.image.setWord(layout::qtDqtEntryOffset(kEntry), 0x0385);
        s.image.setWord(layout::channelOffset(1) + layout::kChDecodeTone, 0x0385);
        s.image.setWord(layout::channelOffset(1) + layout::kChEncodeTone, 0x0385);
    };
    const auto entryOffset = static_cast<std::uint16_t>(layout::qtDqtEntryOffset(kEntry));
    const Case cases[] = {
        {"a text of its own, without its mnemonic",
         {StrId::MenuEditInsertChannel},
         rx,
         "Insert Channel"},
        {"one field",
         {},
         [](EditState& s) { s.image.setByte(layout::kScanPriority, 1); },
         "Scan Information / Priority"},
        {"several fields: the first of them", {}, rx, "Channel 3 / RX Frequency [MHz]"},
        {"a table entry with its channels, unfocused", {}, entry, "Channel 2 / QT/DQT Decode"},
        {"the same, focused on the entry", {0, entryOffset, 2}, entry, "QT/DQT Table 8"},
        {"a focus that did not change falls back",
         {0, entryOffset, 2},
         rx,
         "Channel 3 / RX Frequency [MHz]"},
        {"a byte no editor shows",
         {},
         [](EditState& s) { s.image.setByte(0x1E3, 0x23); },
         "Byte 0x1E3"},
        {"the identity alone", {}, [](EditState& s) { s.identity[5] ^= 1; }, "Change"},
    };
    for (const Case& c : cases) {
        EditState after = before;
        c.change(after);
        EXPECT_EQ(name(c.label, after), c.expected) << c.what;
    }
}

} // namespace

#pragma once
// The channel information table: 17 rows x 6 columns, row r (1..16) showing channel r - 1.
//
//   column 0  channel number               column 3  compander flag   (record byte 12 bit 0)
//   column 1  receive frequency, numbered   column 4  bitmap B flag    (0x17E/0x17F bit n)
//   column 2  table index and decode tone   column 5  beat shift flag  (record byte 13 bit 6)
//
// Cells are never edited in place: a click or Enter opens a list over the cell (what it holds
// and which entry it selects is decided by openCellEditor) and the list's commit writes the
// record at once. The form keeps no copy of the image: every text is read from it when asked.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/RadioImage.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/FrequencyCodec.h"
#include "editors/channel/ToneCodec.h"

namespace tsw {

enum class FrequencyTarget { Receive, Transmit };

// Writes a frequency text into a channel. Receive: an empty text, or one that does not parse,
// empties the channel (clearChannel); a receive write into an empty channel first prepares it
// (initNewChannel); the step index goes into both step fields of byte 14. Transmit: refused
// (false) for an empty channel; a text that does not parse stores no frequency (FF FF FF FF);
// byte 14 is left alone.
bool writeFrequency(RadioImage& image, int channel, FrequencyTarget target, std::string_view text,
                    bool narrowStepsOnly);

// The text of a numbered list entry after its prefix ("(01)    67.0" -> "67.0"); a text that
// carries no numbered prefix is returned whole. The off entry gives an empty text.
std::string toneTextOfEntry(std::string_view entry, const TextLookup& lookup = tr);
// The table number of a numbered tone entry ("(05)    D023N" -> 5); 0 for any other text.
int tableIndexOfEntry(std::string_view entry);

// The entries of a channel's tone list: the off text, then the 38 table entries numbered
// "(01)    67.0" .. "(38)    ..."; the full tone choice list while the QT/DQT table is being
// edited.
std::vector<std::string> channelToneListEntries(const RadioImage& image,
                                                const ChannelEditorState& state,
                                                const TextLookup& lookup = tr);

// The channel commands of the table, and why one would change nothing.
enum class ChannelCommand { Insert, Delete, Copy };
enum class ChannelRefusal {
    None,              // the command goes ahead
    LastChannelInUse,  // insert: channel 16 would be pushed out of the table
    NothingToMoveDown, // insert: the selected channel and all after it are empty
    NothingToDelete,   // delete: the selected channel and all after it are empty
    NotProgrammed,     // copy: the selected channel is empty
};

// What a click (or Enter) on a cell opens.
struct CellEditor {
    enum class Kind { None, FrequencyList, ToneList, FlagList };
    Kind kind = Kind::None;
    int row = 0;
    int column = 0;                   // column 1 for an empty channel, whatever was clicked
    std::vector<std::string> entries; // the list's entries
    std::vector<int> codes;           // flag list: the code each entry stores
    int selectedIndex = -1;           // -1: no entry selected
    std::string text;                 // tone list: text typed into the edit part
    bool channelChanged = false;      // caption and the channel edit window follow
};

class ChannelInfoForm {
public:
    static constexpr int kRows = 17;
    static constexpr int kColumns = 6;
    static constexpr int kLastDataColumn = 5;
    static constexpr int kColumnWidths[kColumns] = {975, 1650, 1380, 1875, 1875, 2025}; // twips
    static constexpr int kWindowWidth = 659;                                            // pixels
    static constexpr int kHelpTopic = 150;
    static constexpr int kGridId = 1139;

    ChannelInfoForm(RadioImage& image, ChannelEditorState& state, bool narrowStepsOnly,
                    TextLookup lookup = tr);

    std::string cellText(int row, int column) const;
    std::string freeAreaText() const; // free channel memory in bytes
    std::string captionText() const;  // title + "[ Channel - n ]"
    static int helpTopicForColumn(int column);
    static bool isCentred(int row, int column);

    std::vector<std::string> frequencyListEntries() const;
    // Off, then the 38 numbered table entries; the full tone choice list while the QT/DQT
    // table is being edited.
    std::vector<std::string> toneListEntries() const;

    CellEditor openCellEditor(int row, int column);

    // Commits of the overlay lists for the selected channel, by the index of the entry chosen
    // (-1: none) or the code it carries. Each returns whether the image changed. The entry the
    // cell already shows changes nothing, so that a transmit frequency or an encode tone set
    // apart in the channel edit window survives a list that was only opened and closed.
    //   frequency: off empties the channel, a frequency goes into receive and transmit
    //   tone: the entry's table number (0 for off and for the full tone list) and its tone
    //         into both tone words; a selection change stores the encode tone only
    bool commitFrequencyEntry(int index);
    bool toneEntrySelected(int index);
    bool commitToneEntry(int index);
    bool commitFlag(int column, int code);
    // A text typed or edited in the tone list's edit part: the table number of a numbered
    // entry text (else 0) and the tone read from the text into both tone words.
    bool commitTone(std::string_view listText);

    // Keyboard commands on the selected channel. Insert and delete return whether the table
    // changed; a change also clears the priority channel (the numbers moved under it).
    bool insertChannel();
    bool deleteChannel();
    // Shift+F3 / Ctrl+E: whether the channel copy dialog opens (only for a channel in use).
    bool requestCopy();
    // Why `command` on the selected channel would do nothing (None: it would act), and the
    // status bar text that says so ("" for None).
    ChannelRefusal refusal(ChannelCommand command) const;
    std::string refusalText(ChannelRefusal refusal) const;

    int selectedChannel() const { return state_.selectedChannel; }
    void selectChannel(int channel);

private:
    struct ToneChoice {
        int tableIndex = 0;
        ToneWord word = kToneOff;
    };
    std::optional<ToneChoice> toneChoice(int index) const;
    int frequencyEntryShown(int channel) const;
    int toneEntryShown(int channel) const;
    std::string frequencyCellText(int channel) const;
    std::string toneCellText(int channel) const;
    std::string flagCellText(int channel, int field) const;
    CellEditor flagEditor(int row, int column) const;

    RadioImage& image_;
    ChannelEditorState& state_;
    bool narrowStepsOnly_;
    TextLookup lookup_;
};

} // namespace tsw

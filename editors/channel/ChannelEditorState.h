#pragma once
// The state the channel editors share: the channel table, the channel edit window, their
// copy dialogs and the QT/DQT table editor.

namespace tsw {

inline constexpr int kNoChannelSelected = 255;

struct ChannelEditorState {
    int selectedChannel = 0; // 0..15, kNoChannelSelected for none

    bool channelInfoOpen = false;    // the channel table window is open
    bool skipListRefill = false;     // the next FillTable refills no list
    bool insertInProgress = false;   // set around an insert
    bool tableEditingActive = false; // tone lists hold the full tone choice list
    bool tableListOpen = false;      // the QT/DQT table's tone list is shown
    bool channelCopyPending = false; // set by a copy request, cleared by copyChannel
    bool copyOpenedFromEdit = false; // the QT/DQT copy dialog came from the channel edit window
    bool messageShown = false;       // an editor has shown a message for the current action
};

// The one set the program's windows share.
ChannelEditorState& channelEditorState();

} // namespace tsw

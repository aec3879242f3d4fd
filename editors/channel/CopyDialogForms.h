#pragma once
// The three copy dialogs of the channel editors:
//   Channel Copy     copies the selected channel's whole record onto another channel;
//   Frequency Copy   sets the channel's transmit frequency from a text that starts as a copy
//                    of its receive frequency;
//   QT/DQT Copy      sets the channel's encode tone, shown beside its decode tone.

#include <string>
#include <string_view>
#include <vector>

#include "app/RadioImage.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/channel/FrequencyCodec.h"

namespace tsw {

class ChannelCopyForm {
public:
    static constexpr int kHelpTopic = 1310;
    static constexpr int kDestinationTextMax = 2;

    // Source and destination start as the selected channel.
    ChannelCopyForm(RadioImage& image, ChannelEditorState& state);

    int source() const { return source_; }
    int destination() const { return destination_; }
    std::string sourceText() const;      // 1-based
    std::string destinationText() const; // 1-based

    // The destination box losing the focus: clamped to 1..16 and rewritten.
    void commitDestination(std::string& text);
    // One spin click on the destination box's text, wrapping between 1 and 16; returns the
    // new text.
    std::string stepDestination(const std::string& text, int direction);

    // Copy: 1 copied, -1 onto itself (nothing happens), 0 failed (the caller reports it).
    int copy();

private:
    RadioImage& image_;
    ChannelEditorState& state_;
    int source_;
    int destination_;
};

class FrequencyCopyForm {
public:
    static constexpr int kHelpTopic = 180;
    static constexpr int kEditTextMax = 9;
    static constexpr std::size_t kCommitTextMax = 20;

    FrequencyCopyForm(RadioImage& image, ChannelEditorState& state, bool narrowStepsOnly,
                      TextLookup lookup = tr);

    std::string receiveText() const; // shown read-only and put into the edit box
    // OK: the text becomes the channel's transmit frequency. Returns whether it was stored.
    bool commit(std::string_view text);

private:
    RadioImage& image_;
    ChannelEditorState& state_;
    bool narrowStepsOnly_;
    TextLookup lookup_;
};

class QtDqtCopyForm {
public:
    QtDqtCopyForm(RadioImage& image, ChannelEditorState& state, TextLookup lookup = tr);

    std::string decodeToneText() const;
    std::vector<std::string> toneListEntries() const;
    // The entry showing the channel's encode tone, -1 when none does (its text is typed in).
    int encodeEntryIndex() const;
    std::string encodeToneText() const;
    // OK: the chosen (or typed) tone becomes the channel's encode tone. Returns whether the
    // image changed.
    bool commit(std::string_view listText);

private:
    RadioImage& image_;
    ChannelEditorState& state_;
    TextLookup lookup_;
};

} // namespace tsw

#pragma once
// What the channel list's import and the channel table's paste share: reading rows of the
// generic layout (ChannelCsv.h) into checked channels, and storing such a channel.
//
// A file is read by the Location column (or row by row without one). Pasted rows fill the
// channels from a given one downwards, in the order of the text: Location is not read, the
// header line may be missing (the columns are then those of the export), and each problem
// names the row of the channel table the row was meant for. A row that has a Location and
// nothing else stands for an empty channel (the export's row for a channel not in use).

#include <optional>
#include <string_view>
#include <vector>

#include "app/RadioImage.h"
#include "editors/channel/ChannelCsv.h"
#include "editors/channel/CsvText.h"
#include "editors/channel/FrequencyCodec.h"
#include "editors/channel/ToneCodec.h"

namespace tsw::csvread {

// One channel as a row describes it, checked and ready to be stored.
struct PlannedChannel {
    int channel = 0;
    bool empty = false; // the row stands for an empty channel; nothing below applies
    long long rxHz = 0;
    std::optional<long long> txHz; // none: no transmit frequency
    int step = kStep6250Hz;
    ToneWord rx = kToneOff;
    ToneWord tx = kToneOff;
    bool compander = false;
    bool scanAdd = true;
    bool beatShift = false;
    bool operator==(const PlannedChannel&) const = default;
};

struct ReadOptions {
    char separator = csv::kComma;
    // Pasted rows: they fill the channels from this one (0..15) on.
    std::optional<int> firstChannel;
};

struct Reading {
    std::vector<CsvProblem> problems; // in text order
    std::vector<PlannedChannel> plan; // complete only when there is no problem
};

Reading readChannelRows(std::string_view text, bool narrowStepsOnly, const ReadOptions& options);

// The channel as its exported row reads back; none for an empty channel, or one whose row
// does not read back (bytes no editor would have stored).
std::optional<PlannedChannel> plannedFromImage(const RadioImage& image, int channel,
                                               bool narrowStepsOnly);

// Builds the planned channel in an empty channel, as a new channel the user enters: the
// new-channel defaults, then the row's fields; the QT/DQT table number of the tone when both
// tones are the same table entry.
void storeNewChannel(RadioImage& image, const PlannedChannel& p, bool narrowStepsOnly);

// The frequency as the channel forms take it ("446.006250").
std::string frequencyText(long long hz);

// The first QT/DQT table entry holding `tone`, or 0.
int tableIndexOf(const RadioImage& image, ToneWord tone);

} // namespace tsw::csvread

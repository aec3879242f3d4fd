#include "editors/channel/ChannelRows.h"

#include <algorithm>

#include "app/ImageLayout.h"
#include "editors/channel/ChannelCsvReader.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/CsvText.h"

namespace tsw {

namespace {

using csvread::PlannedChannel;

constexpr FrequencyBytes kNoFrequency{0xFF, 0xFF, 0xFF, 0xFF};

// Changes the fields of a channel in use that the row gives otherwise; true when any changed.
bool changeFields(RadioImage& image, const PlannedChannel& now, const PlannedChannel& p,
                  bool narrowStepsOnly) {
    ChannelRecordRef record = channelRecord(image, p.channel);
    bool changed = false;
    if (p.rxHz != now.rxHz || p.step != now.step) {
        writeFrequency(image, p.channel, FrequencyTarget::Receive, csvread::frequencyText(p.rxHz),
                       narrowStepsOnly);
        record.setSteps(p.step);
        changed = true;
    }
    if (p.txHz != now.txHz) {
        if (p.txHz)
            writeFrequency(image, p.channel, FrequencyTarget::Transmit,
                           csvread::frequencyText(*p.txHz), narrowStepsOnly);
        else
            record.setTxFrequency(kNoFrequency);
        changed = true;
    }
    if (p.rx != now.rx || p.tx != now.tx) {
        record.setDecodeTone(p.rx);
        record.setEncodeTone(p.tx);
        const bool tableTone = p.rx == p.tx && p.rx != kToneOff;
        record.setTableIndex(tableTone ? csvread::tableIndexOf(image, p.rx) : kNoTableIndex);
        changed = true;
    }
    changed = changed || p.compander != now.compander || p.beatShift != now.beatShift ||
              p.scanAdd != now.scanAdd;
    record.setCompander(p.compander);
    record.setBeatShift(p.beatShift);
    record.setScanAdd(p.scanAdd);
    return changed;
}

void pasteChannel(RadioImage& image, const PlannedChannel& p, bool narrowStepsOnly) {
    if (p.empty) {
        if (!isChannelEmpty(image, p.channel))
            clearChannel(image, p.channel);
        return;
    }
    const auto now = csvread::plannedFromImage(image, p.channel, narrowStepsOnly);
    if (!now) { // not in use, or holding bytes no row could give: built anew
        clearChannel(image, p.channel);
        csvread::storeNewChannel(image, p, narrowStepsOnly);
        return;
    }
    if (changeFields(image, *now, p, narrowStepsOnly))
        channelRecord(image, p.channel).setCopied(true);
}

} // namespace

std::string copyChannelRows(const RadioImage& image, int first, int last) {
    first = std::clamp(first, 0, layout::kChannelCount - 1);
    last = std::clamp(last, first, layout::kChannelCount - 1);
    std::string text = csv::joinRecord(channelCsvHeader(), csv::kTab);
    for (int channel = first; channel <= last; ++channel) {
        if (isChannelEmpty(image, channel)) {
            std::vector<std::string> row(channelCsvHeader().size());
            row[0] = std::to_string(channel + 1); // the Location column
            text += csv::joinRecord(row, csv::kTab);
        } else {
            text += csv::joinRecord(channelCsvRow(image, channel), csv::kTab);
        }
    }
    return text;
}

PasteResult pasteChannelRows(std::string_view text, RadioImage& image, int first,
                             bool narrowStepsOnly) {
    PasteResult result;
    result.firstChannel = first;
    if (first < 0 || first >= layout::kChannelCount) {
        result.problems.push_back({first + 1, StrId::CsvProblemBeyondChannels, {}});
        return result;
    }
    csvread::Reading reading = csvread::readChannelRows(text, narrowStepsOnly, {csv::kTab, first});
    result.problems = std::move(reading.problems);
    if (!result.problems.empty())
        return result;
    RadioImage work = image;
    for (const PlannedChannel& p : reading.plan) {
        pasteChannel(work, p, narrowStepsOnly);
        result.lastChannel = std::max(result.lastChannel, p.channel);
    }
    result.rows = static_cast<int>(reading.plan.size());
    image = work;
    return result;
}

} // namespace tsw

#include "app/ImageLayout.h"
#include "editors/channel/ChannelCsv.h"
#include "editors/channel/ChannelCsvRules.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/CsvText.h"
#include "editors/channel/ToneCodec.h"

namespace tsw {

namespace {

using namespace csvrules;
using Row = std::vector<std::string>;

// The nine-character frequency text with a sixth decimal.
std::string mhzText(const FrequencyBytes& bytes) {
    const std::string text = formatFrequency(bytes);
    return text.empty() ? text : text + "0";
}

// The tone texts never need the off text: only tones that are on are written.
std::string dqtCode(ToneWord word) {
    return formatTone(word, &noText).substr(1, 3); // "D023N" -> "023"
}

char polarityOf(ToneWord word) {
    return isDqtTone(word) && isInvertedDqt(word) ? kPolarityInverted : kPolarityNormal;
}

enum class Side { Off, Qt, Dqt };
Side sideOf(ToneWord word) {
    if (word == kToneOff)
        return Side::Off;
    return isDqtTone(word) ? Side::Dqt : Side::Qt;
}

bool sameDqt(ToneWord a, ToneWord b) {
    return dqtCode(a) == dqtCode(b) && polarityOf(a) == polarityOf(b);
}

std::string_view crossSide(Side side) {
    return side == Side::Qt ? kToneQt : (side == Side::Dqt ? kToneDqt : kToneNone);
}

void writeTones(Row& row, ToneWord rx, ToneWord tx) {
    const Side rxSide = sideOf(rx);
    const Side txSide = sideOf(tx);
    row[kDtcsPolarity] = std::string{polarityOf(tx), polarityOf(rx)};
    if (rxSide == Side::Off && txSide == Side::Off)
        return;
    if (rxSide == Side::Off && txSide == Side::Qt) {
        row[kTone] = kToneQt;
        row[kRToneFreq] = formatTone(tx, &noText);
    } else if (rxSide == Side::Qt && txSide == Side::Qt && rx == tx) {
        row[kTone] = kToneSquelch;
        row[kRToneFreq] = row[kCToneFreq] = formatTone(tx, &noText);
    } else if (rxSide == Side::Dqt && txSide == Side::Dqt && sameDqt(rx, tx)) {
        row[kTone] = kToneDqt;
        row[kDtcsCode] = row[kRxDtcsCode] = dqtCode(tx);
    } else {
        row[kTone] = kToneCross;
        row[kCrossMode] = std::string(crossSide(txSide)) + std::string(kCrossArrow) +
                          std::string(crossSide(rxSide));
        if (txSide == Side::Qt)
            row[kRToneFreq] = formatTone(tx, &noText);
        if (txSide == Side::Dqt)
            row[kDtcsCode] = dqtCode(tx);
        if (rxSide == Side::Qt)
            row[kCToneFreq] = formatTone(rx, &noText);
        if (rxSide == Side::Dqt)
            row[kRxDtcsCode] = dqtCode(rx);
    }
}

std::string stepText(const ConstChannelRecordRef& record) {
    const FrequencyBytes rx = record.rxFrequency();
    int step = record.rxStep();
    if (step > kStep6250Hz) {
        // A step that failed to parse: show the step the frequency fits.
        FrequencyBytes unused{};
        step = parseFrequency(formatFrequency(rx), unused, false);
    }
    return std::string(kStepTexts[step >= 0 && step <= kStep6250Hz ? step : kStep6250Hz]);
}

std::string commentText(const ConstChannelRecordRef& record) {
    std::string text;
    text += std::string(kCompanderKey) + (record.compander() ? "=on" : "=off");
    text += std::string(kCommentSeparator) + std::string(kScanAddKey) +
            (record.scanAdd() ? "=yes" : "=no");
    text += std::string(kCommentSeparator) + std::string(kBeatShiftKey) +
            (record.beatShift() ? "=on" : "=off");
    return text;
}

} // namespace

std::vector<std::string> channelCsvRow(const RadioImage& image, int channel) {
    const ConstChannelRecordRef record = channelRecord(image, channel);
    Row row(kColumnCount);
    row[kLocation] = std::to_string(channel + 1);
    const FrequencyBytes rx = record.rxFrequency();
    const FrequencyBytes tx = record.txFrequency();
    row[kFrequency] = mhzText(rx);
    row[kOffset] = scaledText(0, 6);
    if (isNoFrequency(tx)) {
        row[kDuplex] = kDuplexOff;
    } else if (tx != rx) {
        row[kDuplex] = kDuplexSplit;
        row[kOffset] = mhzText(tx);
    }
    row[kRToneFreq] = row[kCToneFreq] = kDefaultQt;
    row[kDtcsCode] = row[kRxDtcsCode] = kDefaultDqtCode;
    row[kCrossMode] = kDefaultCrossMode;
    writeTones(row, record.decodeTone(), record.encodeTone());
    row[kMode] = kModeValue;
    row[kTStep] = stepText(record);
    row[kPower] = kPowerValue;
    row[kComment] = commentText(record);
    return row;
}

std::vector<std::string> channelCsvHeader() {
    return {kColumnNames.begin(), kColumnNames.end()};
}

std::string exportChannelsCsv(const RadioImage& image) {
    std::string text = csv::joinRecord(channelCsvHeader());
    for (int channel = 0; channel < layout::kChannelCount; ++channel)
        if (!isChannelEmpty(image, channel))
            text += csv::joinRecord(channelCsvRow(image, channel));
    return text;
}

} // namespace tsw

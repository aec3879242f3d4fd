// Reading channel rows: the checks every row of an imported file or of pasted text passes.

#include "editors/channel/ChannelCsvReader.h"

#include <algorithm>
#include <array>

#include "app/ImageLayout.h"
#include "app/NumberText.h"
#include "editors/channel/ChannelCsvRules.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/ChannelRecord.h"

namespace tsw::csvread {

namespace {

using namespace csvrules;

constexpr std::size_t kMaxDetailLength = 40;
constexpr int kMhzDecimals = 6;

// The tone parser compares with the off text first; rows never hold it.
// A value fit for a message: at most kMaxDetailLength bytes (never cut inside a UTF-8
// character), control characters shown as '?'.
std::string shownDetail(std::string_view text) {
    std::string out(text.substr(0, kMaxDetailLength));
    if (text.size() > kMaxDetailLength) {
        while (!out.empty() && (static_cast<unsigned char>(text[out.size()]) & 0xC0) == 0x80)
            out.pop_back();
        out += "...";
    }
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return out;
}

std::string signedMhzText(long long hz) {
    return hz < 0 ? "-" + scaledText(-hz, kMhzDecimals) : scaledText(hz, kMhzDecimals);
}

std::optional<bool> flagValue(std::string_view value) {
    for (const auto on : {"on", "yes", "true", "1"})
        if (equalsNoCase(value, on))
            return true;
    for (const auto off : {"off", "no", "false", "0"})
        if (equalsNoCase(value, off))
            return false;
    return std::nullopt;
}

bool namesAColumn(const csv::Record& record);

class Importer {
public:
    Importer(bool narrowStepsOnly, const ReadOptions& options)
        : narrow_(narrowStepsOnly), options_(options) {
        columns_.fill(-1);
    }

    void run(std::string_view text);

    std::vector<CsvProblem> problems;
    std::vector<PlannedChannel> plan;

private:
    void add(int row, StringId text, std::string_view detail = {});
    bool readHeader(const csv::Record& record);
    void useExportColumns();
    bool pasting() const { return options_.firstChannel.has_value(); }
    // The row a problem of `record` names: its line, or the table row it was pasted for.
    int rowOf(const csv::Record& record) const;
    void readRow(const csv::Record& record);
    bool onlyLocation(const csv::Record& record) const;
    std::string_view field(const csv::Record& record, Column column) const;
    std::optional<int> location(const csv::Record& record);
    bool frequencies(const csv::Record& record, PlannedChannel& channel);
    std::optional<int> checkFrequency(int row, long long hz);
    std::optional<long long> transmitHz(const csv::Record& record, long long rxHz);
    bool tones(const csv::Record& record, PlannedChannel& channel);
    std::optional<ToneWord> qtTone(const csv::Record& record, Column column);
    std::optional<ToneWord> dqtTone(const csv::Record& record, Column column, int side);
    std::optional<ToneWord> crossSide(const csv::Record& record, std::string_view side,
                                      bool transmit);
    bool comment(const csv::Record& record, PlannedChannel& channel);
    int stepOf(const csv::Record& record, long long rxHz, int parsedStep) const;

    bool narrow_;
    ReadOptions options_;
    bool full_ = false;
    std::array<int, kColumnCount> columns_{};
    std::array<bool, layout::kChannelCount> taken_{};
    int sequence_ = 0; // rows seen, for files without a Location column
};

void Importer::add(int row, StringId text, std::string_view detail) {
    if (full_)
        return;
    if (problems.size() == kMaxCsvProblems) {
        problems.push_back({0, StrId::CsvProblemMore, {}});
        full_ = true;
        return;
    }
    problems.push_back({row, text, shownDetail(detail)});
}

void Importer::run(std::string_view text) {
    if (text.size() > kMaxCsvBytes) {
        add(0, StrId::CsvProblemTooLarge, std::to_string(kMaxCsvBytes));
        return;
    }
    bool haveHeader = false;
    for (const auto& record : csv::read(text, options_.separator)) {
        if (full_)
            break;
        if (record.broken) {
            if (haveHeader || pasting())
                ++sequence_; // the row still stands for a channel
            add(pasting() ? options_.firstChannel.value() + sequence_ : record.line,
                StrId::CsvProblemBrokenQuotes);
            continue;
        }
        if (csv::isBlank(record))
            continue;
        if (!haveHeader) {
            haveHeader = true;
            if (pasting() && !namesAColumn(record)) {
                useExportColumns(); // rows copied from a spreadsheet without their header
            } else {
                if (!readHeader(record))
                    return;
                continue;
            }
        }
        readRow(record);
    }
    // A list of the header line alone is what the export writes for a configuration without
    // channels: it imports as such. Pasted, it holds nothing to paste.
    if (!haveHeader)
        add(0, StrId::CsvProblemNoHeader);
    else if (pasting() && plan.empty() && problems.empty())
        add(0, StrId::CsvProblemNoChannels);
}

// Whether the record is a header line: it names the Location or the Frequency column (a row
// of values may hold another column's name, such as the tone mode "Tone").
bool namesAColumn(const csv::Record& record) {
    for (const std::string& field : record.fields)
        for (const Column c : {kLocation, kFrequency})
            if (equalsNoCase(csv::trim(field), kColumnNames[c]))
                return true;
    return false;
}

void Importer::useExportColumns() {
    for (int c = 0; c < kColumnCount; ++c)
        columns_[c] = c;
}

int Importer::rowOf(const csv::Record& record) const {
    return pasting() ? options_.firstChannel.value() + sequence_ : record.line;
}

// A row with a channel number in Location and every other field blank.
bool Importer::onlyLocation(const csv::Record& record) const {
    const auto number = parseScaled(field(record, kLocation), 0);
    if (!number || *number < 1 || *number > layout::kChannelCount)
        return false;
    for (std::size_t i = 0; i < record.fields.size(); ++i)
        if (static_cast<int>(i) != columns_[kLocation] && !csv::trim(record.fields[i]).empty())
            return false;
    return true;
}

bool Importer::readHeader(const csv::Record& record) {
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        const std::string_view name = csv::trim(record.fields[i]);
        for (int c = 0; c < kColumnCount; ++c)
            if (columns_[c] < 0 && equalsNoCase(name, kColumnNames[c]))
                columns_[c] = static_cast<int>(i);
    }
    if (columns_[kFrequency] < 0) {
        add(0, StrId::CsvProblemMissingColumn, kColumnNames[kFrequency]);
        return false;
    }
    return true;
}

std::string_view Importer::field(const csv::Record& record, Column column) const {
    const int index = columns_[column];
    if (index < 0 || static_cast<std::size_t>(index) >= record.fields.size())
        return {};
    return csv::trim(record.fields[static_cast<std::size_t>(index)]);
}

void Importer::readRow(const csv::Record& record) {
    PlannedChannel channel;
    const auto number = location(record);
    bool ok = number.has_value();
    channel.channel = number.value_or(0);
    if (onlyLocation(record)) {
        channel.empty = true;
        if (ok)
            plan.push_back(channel);
        return;
    }
    ok = frequencies(record, channel) && ok;
    ok = tones(record, channel) && ok;
    ok = comment(record, channel) && ok;
    if (ok)
        plan.push_back(channel);
}

std::optional<int> Importer::location(const csv::Record& record) {
    int number = 0;
    ++sequence_;
    if (pasting()) {
        const int channel = options_.firstChannel.value() + sequence_ - 1;
        if (channel >= layout::kChannelCount) {
            add(rowOf(record), StrId::CsvProblemBeyondChannels);
            return std::nullopt;
        }
        return channel;
    }
    if (columns_[kLocation] < 0) {
        if (sequence_ > layout::kChannelCount) {
            add(rowOf(record), StrId::CsvProblemBeyondChannels);
            return std::nullopt;
        }
        number = sequence_;
    } else {
        const std::string_view text = field(record, kLocation);
        const auto value = parseScaled(text, 0);
        if (!value || *value < 1 || *value > layout::kChannelCount) {
            add(rowOf(record), StrId::CsvProblemLocation, text);
            return std::nullopt;
        }
        number = static_cast<int>(*value);
    }
    if (taken_[static_cast<std::size_t>(number - 1)]) {
        add(rowOf(record), StrId::CsvProblemLocationTwice, std::to_string(number));
        return std::nullopt;
    }
    taken_[static_cast<std::size_t>(number - 1)] = true;
    return number - 1;
}

// The step index of a frequency the radio stores exactly as given; none (and a problem) when
// the parser refuses it or would have to move it onto a step.
std::optional<int> Importer::checkFrequency(int row, long long hz) {
    const std::string text = signedMhzText(hz);
    FrequencyBytes bytes{};
    const int step = hz <= 0 ? -1 : parseFrequency(text, bytes, narrow_);
    if (step < 0) {
        add(row, StrId::CsvProblemFrequency, text);
        return std::nullopt;
    }
    const auto storedTens = parseScaled(formatFrequency(bytes), 5);
    if (!storedTens || *storedTens * 10 != hz) {
        add(row, StrId::CsvProblemFrequencyStep, text);
        return std::nullopt;
    }
    return step;
}

bool Importer::frequencies(const csv::Record& record, PlannedChannel& channel) {
    const std::string_view text = field(record, kFrequency);
    const auto rxHz = parseScaled(text, kMhzDecimals);
    if (!rxHz) {
        add(rowOf(record), StrId::CsvProblemFrequency, text);
        return false;
    }
    const auto step = checkFrequency(rowOf(record), *rxHz);
    channel.rxHz = *rxHz;
    channel.step = step ? stepOf(record, *rxHz, *step) : kStep6250Hz;
    bool ok = step.has_value();
    const std::string_view duplex = field(record, kDuplex);
    if (equalsNoCase(duplex, kDuplexOff))
        return ok;
    if (duplex == kDuplexSame) {
        channel.txHz = *rxHz;
        return ok;
    }
    const auto txHz = transmitHz(record, *rxHz);
    if (!txHz)
        return false;
    channel.txHz = txHz;
    return checkFrequency(rowOf(record), *txHz).has_value() && ok;
}

// The transmit frequency of a row whose Duplex is split, + or -.
std::optional<long long> Importer::transmitHz(const csv::Record& record, long long rxHz) {
    const std::string_view duplex = field(record, kDuplex);
    const bool split = equalsNoCase(duplex, kDuplexSplit);
    if (!split && duplex != kDuplexPlus && duplex != kDuplexMinus) {
        add(rowOf(record), StrId::CsvProblemDuplex, duplex);
        return std::nullopt;
    }
    const std::string_view offsetText = field(record, kOffset);
    const auto offset = parseScaled(offsetText, kMhzDecimals);
    if (!offset) {
        add(rowOf(record), StrId::CsvProblemOffset, offsetText);
        return std::nullopt;
    }
    if (split)
        return *offset;
    return duplex == kDuplexPlus ? rxHz + *offset : rxHz - *offset;
}

// TStep is kept when it is one of the radio's steps, allowed, and the frequency lies on it;
// otherwise the step the frequency parser chose stands.
int Importer::stepOf(const csv::Record& record, long long rxHz, int parsedStep) const {
    const auto stepHz = parseScaled(field(record, kTStep), 3);
    if (!stepHz)
        return parsedStep;
    for (int step = narrow_ ? kStep5000Hz : kStep2500Hz; step <= kStep6250Hz; ++step)
        if (*stepHz == kStepSizesHz[step] && rxHz % kStepSizesHz[step] == 0)
            return step;
    return parsedStep;
}

std::optional<ToneWord> Importer::qtTone(const csv::Record& record, Column column) {
    const std::string_view text = field(record, column);
    const auto tenths = parseScaled(text, 1);
    if (!tenths || *tenths < kQtLowestTenths || *tenths > kQtHighestTenths) {
        add(rowOf(record), StrId::CsvProblemTone, text);
        return std::nullopt;
    }
    return parseTone(scaledText(*tenths, 1), &noText);
}

// side 0: transmit (first polarity letter), 1: receive.
std::optional<ToneWord> Importer::dqtTone(const csv::Record& record, Column column, int side) {
    const std::string_view code = field(record, column);
    const bool octal =
        !code.empty() && code.size() <= 3 &&
        std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '7'; });
    std::string polarity(field(record, kDtcsPolarity));
    if (polarity.empty())
        polarity = kDefaultPolarity;
    for (char& c : polarity)
        c = static_cast<char>(c == 'n' ? 'N' : (c == 'r' ? 'R' : c));
    const bool polarityOk =
        polarity.size() == 2 && std::all_of(polarity.begin(), polarity.end(), [](char c) {
            return c == kPolarityNormal || c == kPolarityInverted;
        });
    if (!octal)
        add(rowOf(record), StrId::CsvProblemDcsCode, code);
    if (!polarityOk)
        add(rowOf(record), StrId::CsvProblemDcsPolarity, field(record, kDtcsPolarity));
    if (!octal || !polarityOk)
        return std::nullopt;
    std::string text = "D" + std::string(3 - code.size(), '0') + std::string(code);
    text += polarity[static_cast<std::size_t>(side)] == kPolarityInverted ? 'I' : 'N';
    return parseTone(text, &noText);
}

std::optional<ToneWord> Importer::crossSide(const csv::Record& record, std::string_view side,
                                            bool transmit) {
    if (side.empty())
        return kToneOff;
    if (equalsNoCase(side, kToneQt))
        return qtTone(record, transmit ? kRToneFreq : kCToneFreq);
    return dqtTone(record, transmit ? kDtcsCode : kRxDtcsCode, transmit ? 0 : 1);
}

bool Importer::tones(const csv::Record& record, PlannedChannel& channel) {
    const std::string_view mode = field(record, kTone);
    std::optional<ToneWord> tx = kToneOff;
    std::optional<ToneWord> rx = kToneOff;
    if (mode.empty()) {
        // no tones
    } else if (equalsNoCase(mode, kToneQt)) {
        tx = qtTone(record, kRToneFreq);
    } else if (equalsNoCase(mode, kToneSquelch)) {
        tx = rx = qtTone(record, kCToneFreq);
    } else if (equalsNoCase(mode, kToneDqt)) {
        tx = dqtTone(record, kDtcsCode, 0);
        rx = tx ? dqtTone(record, kDtcsCode, 1) : tx;
    } else if (equalsNoCase(mode, kToneCross)) {
        const std::string_view cross = field(record, kCrossMode);
        const auto arrow = cross.find(kCrossArrow);
        const auto known = [](std::string_view s) {
            return s.empty() || equalsNoCase(s, kToneQt) || equalsNoCase(s, kToneDqt);
        };
        if (arrow == std::string_view::npos || !known(cross.substr(0, arrow)) ||
            !known(cross.substr(arrow + kCrossArrow.size()))) {
            add(rowOf(record), StrId::CsvProblemCrossMode, cross);
            return false;
        }
        tx = crossSide(record, cross.substr(0, arrow), true);
        rx = crossSide(record, cross.substr(arrow + kCrossArrow.size()), false);
    } else {
        add(rowOf(record), StrId::CsvProblemToneMode, mode);
        return false;
    }
    if (!tx || !rx)
        return false;
    channel.tx = *tx;
    channel.rx = *rx;
    return true;
}

// "compander=on; scan-add=yes; beat-shift=off" in any order and case; other words ignored.
bool Importer::comment(const csv::Record& record, PlannedChannel& channel) {
    const std::string_view text = field(record, kComment);
    bool ok = true;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("; \t", pos), text.size());
        const std::string_view token = text.substr(pos, end - pos);
        pos = end + 1;
        const auto equals = token.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = token.substr(0, equals);
        bool* target = equalsNoCase(key, kCompanderKey)   ? &channel.compander
                       : equalsNoCase(key, kScanAddKey)   ? &channel.scanAdd
                       : equalsNoCase(key, kBeatShiftKey) ? &channel.beatShift
                                                          : nullptr;
        if (target == nullptr)
            continue;
        const auto value = flagValue(token.substr(equals + 1));
        if (!value) {
            add(rowOf(record), StrId::CsvProblemComment, token);
            ok = false;
            continue;
        }
        *target = *value;
    }
    return ok;
}

} // namespace

Reading readChannelRows(std::string_view text, bool narrowStepsOnly, const ReadOptions& options) {
    Importer importer(narrowStepsOnly, options);
    importer.run(text);
    return {std::move(importer.problems), std::move(importer.plan)};
}

std::optional<PlannedChannel> plannedFromImage(const RadioImage& image, int channel,
                                               bool narrowStepsOnly) {
    if (isChannelEmpty(image, channel))
        return std::nullopt;
    const std::string row = csv::joinRecord(channelCsvRow(image, channel));
    Reading reading = readChannelRows(row, narrowStepsOnly, ReadOptions{csv::kComma, channel});
    if (!reading.problems.empty() || reading.plan.size() != 1 || reading.plan[0].empty)
        return std::nullopt;
    return reading.plan[0];
}

std::string frequencyText(long long hz) {
    return scaledText(hz, kMhzDecimals);
}

int tableIndexOf(const RadioImage& image, ToneWord tone) {
    for (int entry = 1; entry <= layout::kQtDqtTableEntries; ++entry) {
        const ToneWord word = image.word(layout::qtDqtEntryOffset(entry));
        if (word != kToneOff && word != kTableEntryOff && word == tone)
            return entry;
    }
    return 0;
}

void storeNewChannel(RadioImage& image, const PlannedChannel& p, bool narrowStepsOnly) {
    const int ch = p.channel;
    writeFrequency(image, ch, FrequencyTarget::Receive, frequencyText(p.rxHz), narrowStepsOnly);
    if (p.txHz)
        writeFrequency(image, ch, FrequencyTarget::Transmit, frequencyText(*p.txHz),
                       narrowStepsOnly);
    ChannelRecordRef record = channelRecord(image, ch);
    record.setSteps(p.step);
    record.setDecodeTone(p.rx);
    record.setEncodeTone(p.tx);
    record.setCompander(p.compander);
    record.setBeatShift(p.beatShift);
    if (p.rx == p.tx && p.rx != kToneOff)
        record.setTableIndex(tableIndexOf(image, p.rx));
    record.setCopied(true);
    record.setScanAdd(p.scanAdd);
}

} // namespace tsw::csvread

#include "tools/radiosim/SimOptions.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "app/DataFile.h"
#include "app/ImageLayout.h"

namespace tsw::radiosim {

namespace {

using Setter = std::function<std::string(std::string_view, SimOptions&)>;

struct OptionRule {
    std::string_view name;
    bool takesValue;
    Setter set;
};

std::optional<long> parseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::string setCount(std::string_view text, int& out, long limit) {
    const auto n = parseNumber(text);
    if (!n || *n < 0 || *n > limit)
        return "expects a number from 0 to " + std::to_string(limit);
    out = static_cast<int>(*n);
    return {};
}

std::string addFrame(std::string_view text, std::set<int>& frames) {
    int n = 0;
    if (auto error = setCount(text, n, 1'000'000); !error.empty())
        return error;
    if (n == 0)
        return "expects a frame number from 1";
    frames.insert(n);
    return {};
}

std::string addAddress(std::string_view text, std::set<std::size_t>& addresses) {
    const auto n = parseNumber(text);
    if (!n || *n < 0 || *n >= static_cast<long>(kImageSize))
        return "expects a memory address (0..1023 or 0x000..0x3FF)";
    addresses.insert(static_cast<std::size_t>(*n));
    return {};
}

std::string setByte(std::string_view text, std::uint8_t& out) {
    const auto n = parseNumber(text);
    if (!n || *n < 0 || *n > 0xFF)
        return "expects a byte (0..255 or 0x00..0xFF)";
    out = static_cast<std::uint8_t>(*n);
    return {};
}

// Hex bytes, optionally separated by ':', '-', ',' or spaces.
std::optional<std::vector<std::uint8_t>> parseHexBytes(std::string_view text) {
    std::string digits;
    for (const char c : text)
        if (c != ':' && c != '-' && c != ',' && c != ' ')
            digits += c;
    if (digits.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        unsigned value = 0;
        const char* first = digits.data() + i;
        const auto [end, ec] = std::from_chars(first, first + 2, value, 16);
        if (ec != std::errc() || end != first + 2)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

template <std::size_t N>
std::string setHex(std::string_view text, std::array<std::uint8_t, N>& out) {
    const auto bytes = parseHexBytes(text);
    if (!bytes || bytes->size() != N)
        return "expects " + std::to_string(N) + " hex bytes";
    std::copy(bytes->begin(), bytes->end(), out.begin());
    return {};
}

std::string setText(std::string_view text, std::uint8_t* field, std::size_t size) {
    if (text.size() > size)
        return "takes at most " + std::to_string(size) + " characters";
    std::fill(field, field + size, 0xFF);
    std::copy(text.begin(), text.end(), field);
    return {};
}

std::string setModel(std::string_view text, SimOptions& o) {
    if (text.size() != layout::kModelCodeLength)
        return "expects a model code of 5 characters";
    std::copy(text.begin(), text.end(), o.config.identity.begin());
    return {};
}

std::string setBaud(std::string_view text, SimOptions& o) {
    const auto n = parseNumber(text);
    if (!n ||
        std::find(kRadioBaudRates.begin(), kRadioBaudRates.end(), *n) == kRadioBaudRates.end())
        return "expects one of 9600, 19200, 4800, 2400, 1200";
    o.config.baud = static_cast<int>(*n);
    return {};
}

// "A1,B2,C3": the serial numbers answer one after the other; the first one at once.
std::string setFleet(std::string_view text, SimOptions& o) {
    std::vector<std::string> serials;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view serial = text.substr(0, comma);
        if (serial.empty() || serial.size() > kInfoSerialSize)
            return "expects serial numbers of 1 to 12 characters, separated by commas";
        serials.emplace_back(serial);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    o.config.fleetSerials = std::move(serials);
    return setText(o.config.fleetSerials.front(), o.config.info.data() + kInfoTextSize,
                   kInfoSerialSize);
}

const std::vector<OptionRule>& optionRules() {
    static const std::vector<OptionRule> rules = {
        {"--image", true,
         [](auto v, auto& o) {
             o.imagePath = v;
             return std::string(v.empty() ? "expects a file" : "");
         }},
        {"--save", false,
         [](auto, auto& o) {
             o.save = true;
             return std::string();
         }},
        {"--log", true,
         [](auto v, auto& o) {
             o.logPath = v;
             return std::string(v.empty() ? "expects a file" : "");
         }},
        {"--baud", true, setBaud},
        {"--model", true, setModel},
        {"--band", true, [](auto v, auto& o) { return setByte(v, o.config.identity[5]); }},
        {"--identity", true, [](auto v, auto& o) { return setHex(v, o.config.identity); }},
        {"--info-text", true,
         [](auto v, auto& o) { return setText(v, o.config.info.data(), kInfoTextSize); }},
        {"--serial", true,
         [](auto v, auto& o) {
             return setText(v, o.config.info.data() + kInfoTextSize, kInfoSerialSize);
         }},
        {"--info-block", true, [](auto v, auto& o) { return setHex(v, o.config.info); }},
        {"--fleet", true, setFleet},
        {"--version-text", true,
         [](auto v, auto& o) { return setText(v, o.config.version.data(), kVersionSize); }},
        {"--fault-no-ack", true,
         [](auto v, auto& o) { return addFrame(v, o.config.faults.noAck); }},
        {"--fault-bad-first", true,
         [](auto v, auto& o) { return addFrame(v, o.config.faults.badFirst); }},
        {"--fault-extra-byte", true,
         [](auto v, auto& o) { return addFrame(v, o.config.faults.extraByte); }},
        {"--fault-nak", true, [](auto v, auto& o) { return addFrame(v, o.config.faults.nak); }},
        {"--fault-store", true,
         [](auto v, auto& o) { return addAddress(v, o.config.faults.store); }},
        {"--fault-silence-after", true,
         [](auto v, auto& o) {
             int n = 0;
             auto error = setCount(v, n, 1'000'000);
             o.config.faults.silenceAfter = n;
             return error;
         }},
        {"--delay-ms", true,
         [](auto v, auto& o) { return setCount(v, o.config.faults.delayMs, 60'000); }},
        {"--fault-info-checksum", false,
         [](auto, auto& o) {
             o.config.faults.infoChecksum = true;
             return std::string();
         }},
        {"--test-channel-nak", false,
         [](auto, auto& o) {
             o.config.faults.testChannelNak = true;
             return std::string();
         }},
        {"--until-killed", false,
         [](auto, auto& o) {
             o.untilKilled = true;
             return std::string();
         }},
        {"--help", false,
         [](auto, auto& o) {
             o.help = true;
             return std::string();
         }},
    };
    return rules;
}

} // namespace

std::string parseOptions(std::span<const std::string> args, SimOptions& out) {
    // --identity is applied before --model and --band wherever it stands.
    std::vector<std::pair<const OptionRule*, std::string>> parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        std::string value;
        bool hasInlineValue = false;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasInlineValue = true;
        }
        const auto& rules = optionRules();
        const auto rule = std::find_if(rules.begin(), rules.end(),
                                       [&](const OptionRule& s) { return s.name == arg; });
        if (rule == rules.end())
            return "unknown option " + std::string(args[i]);
        if (rule->takesValue && !hasInlineValue) {
            if (i + 1 >= args.size())
                return std::string(arg) + " expects a value";
            value = args[++i];
        } else if (!rule->takesValue && hasInlineValue) {
            return std::string(arg) + " takes no value";
        }
        parsed.emplace_back(&*rule, value);
    }
    std::stable_partition(parsed.begin(), parsed.end(),
                          [](const auto& p) { return p.first->name == "--identity"; });
    for (const auto& [rule, value] : parsed)
        if (auto error = rule->set(value, out); !error.empty())
            return std::string(rule->name) + " " + error;
    if (out.save && out.imagePath.empty())
        return "--save needs --image FILE to write to";
    return {};
}

std::string loadImage(SimOptions& options) {
    if (options.imagePath.empty())
        return {};
    std::error_code ec;
    if (!std::filesystem::exists(options.imagePath, ec)) {
        if (!options.save)
            return options.imagePath + " does not exist (with --save it is created)";
        const auto written = datafile::writeDataFile(options.imagePath, options.config.memory);
        return written ? std::string() : options.imagePath + ": " + written.message;
    }
    switch (datafile::readDataFile(options.imagePath, options.config.memory)) {
    case datafile::ReadResult::Ok:
        return {};
    case datafile::ReadResult::CannotOpen:
        return options.imagePath + " cannot be read";
    case datafile::ReadResult::WrongFormat:
        break;
    }
    return options.imagePath + " is not a data file (\"QB5812C\" header and 1024 image bytes)";
}

std::string helpText() {
    return R"(Usage: tsw62m-radiosim [OPTION]...
A simulated HX-5520 (UHF) radio on a pseudo-terminal. The first line on standard output is
the terminal's path (give it to the program as its port); the radio serves until it is
killed or its standard input closes (--until-killed: until it is killed).

The radio honours the line: it reads the baud rate the program set, takes bytes sent at
another rate as noise, and paces both directions at the line's byte rate (11 bit times a
byte at 8N2).

Radio:
  --image FILE        the radio's memory, a data file ("QB5812C" header, 1024 bytes);
                      default: the default image with factory tuning values at 0x340..
  --save              write taken write frames and stored tuning values back to FILE
                      (a missing FILE is created from the default memory)
  --baud RATE         the rate the radio runs at: 9600 (default; answers "PROGRAM" with
                      ACK), 19200, 4800, 2400 or 1200 (answer SYN, then ACK)
  --model CODE        the 5-character model code of the identity (default H5520)
  --band BYTE         the band byte of the identity (default 0x92)
  --identity HEX      all 8 identity bytes, e.g. 48:35:35:32:30:92:F3:FF (--model and
                      --band then change their part of it)
  --info-text TEXT    information block data bytes 0..15 (up to 16 characters; default
                      empty, 0xFF)
  --serial TEXT       serial number, information block data bytes 16..27 (up to 12
                      characters; default S5520-000001)
  --info-block HEX    all 32 data bytes of the information block
  --version-text TEXT the 10-byte version reply to 'P' (default V1.000, 0xFF-padded)
  --fleet S1,S2,...   a row of radios connected one after the other: serial number S1
                      answers first; after each programming session that wrote the memory,
                      the next serial number answers (the memory stays the same); the last
                      one stays

Faults (frame N counts the read and write frames received since the start, from 1;
the options that take N may be repeated):
  --fault-no-ack N        no ACK for frame N (a write frame is then not taken)
  --fault-nak N           NAK instead of ACK for frame N (a write frame is not taken)
  --fault-bad-first N     the first byte of the reply to frame N is inverted
  --fault-extra-byte N    one byte 0x00 after the reply to frame N
  --fault-silence-after N no answer to anything once N frames are done (0: never answer)
  --fault-store ADDR      the memory keeps the written byte XOR 0x01 at ADDR (0x000..0x3FF;
                          the write is acknowledged all the same)
  --delay-ms D            every reply starts D ms late
  --fault-info-checksum   the information block carries a wrong checksum
  --test-channel-nak      test channel readings end with NAK instead of ACK (legal)
  --model CODE            a model code the program does not serve, e.g. X9999

Diagnostics:
  --log FILE          every byte in (">") and out ("<") with a time stamp in ms since
                      the start, and what the radio made of it ("#")
  --until-killed      serve on when standard input closes
  --help              this text

Write frames never change 0x180..0x1B7 or 0x340..0x3FF; they are acknowledged all the same.
In programming mode, after a data reply (identity, read frame, information block, version)
the radio waits 2 s for the program's ACK and takes the first byte in that time as the ACK,
whatever it is (a byte other than 0x06 is not answered).
)";
}

} // namespace tsw::radiosim

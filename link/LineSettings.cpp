#include "link/LineSettings.h"

#include <array>

namespace tsw {

namespace {

std::optional<std::uint32_t> parseBaud(std::string_view field) {
    if (field.empty() || field.size() > 9)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (value == 0)
        return std::nullopt;
    return value;
}

std::optional<Parity> parseParity(std::string_view field) {
    if (field.size() != 1)
        return std::nullopt;
    switch (field[0]) {
    case 'N':
    case 'n':
        return Parity::None;
    case 'E':
    case 'e':
        return Parity::Even;
    case 'O':
    case 'o':
        return Parity::Odd;
    case 'M':
    case 'm':
        return Parity::Mark;
    case 'S':
    case 's':
        return Parity::Space;
    default:
        return std::nullopt;
    }
}

std::optional<StopBits> parseStopBits(std::string_view field) {
    if (field == "1")
        return StopBits::One;
    if (field == "1.5")
        return StopBits::OneAndHalf;
    if (field == "2")
        return StopBits::Two;
    return std::nullopt;
}

} // namespace

double LineSettings::bitsPerCharacter() const {
    double stop = stopBits == StopBits::One ? 1.0 : stopBits == StopBits::Two ? 2.0 : 1.5;
    return 1.0 + dataBits + (parity == Parity::None ? 0.0 : 1.0) + stop;
}

double LineSettings::wireTimeMs(std::size_t count) const {
    return static_cast<double>(count) * bitsPerCharacter() * 1000.0 / static_cast<double>(baud);
}

std::optional<LineSettings> parseLineSettings(std::string_view text) {
    std::array<std::string_view, 4> fields;
    std::size_t n = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        if (n == fields.size())
            return std::nullopt; // more than four fields
        fields[n++] =
            text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (n != fields.size())
        return std::nullopt;
    const auto baud = parseBaud(fields[0]);
    const auto parity = parseParity(fields[1]);
    const auto stop = parseStopBits(fields[3]);
    if (!baud || !parity || !stop || fields[2].size() != 1)
        return std::nullopt;
    const int data = fields[2][0] - '0';
    if (data < 5 || data > 8)
        return std::nullopt;
    if ((*stop == StopBits::OneAndHalf && data != 5) || (*stop == StopBits::Two && data == 5))
        return std::nullopt;
    return LineSettings{*baud, *parity, data, *stop};
}

std::string withoutSpaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ')
            out.push_back(c);
    return out;
}

} // namespace tsw

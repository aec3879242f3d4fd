#pragma once
// Serial line settings and their text form "9600,N,8,2": baud rate, parity (N, E, O, M, S),
// data bits (5..8) and stop bits (1, 1.5, 2), separated by commas.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tsw {

enum class Parity { None, Even, Odd, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };

struct LineSettings {
    std::uint32_t baud = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::Two;

    // Bits one character takes on the wire: start bit, data, parity, stop bits (11 for 8N2).
    double bitsPerCharacter() const;
    // Milliseconds `count` characters take on the wire at this setting.
    double wireTimeMs(std::size_t count) const;

    bool operator==(const LineSettings&) const = default;
};

// Parses the text form. Every field must be present and valid; 1.5 stop bits go only with
// 5 data bits and 2 stop bits only with 6 to 8 (as serial hardware has it). Spaces are not
// accepted here (the port removes them first).
std::optional<LineSettings> parseLineSettings(std::string_view text);

// The text with every space character removed.
std::string withoutSpaces(std::string_view text);

} // namespace tsw

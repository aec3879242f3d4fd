#include "editors/feature/EmbeddedMessageForm.h"

#include "editors/feature/FieldTable.h"

namespace tsw::feature {

namespace {

bool storable(char c) {
    // Compared as a signed byte: 0x80 and above count as below 0x20.
    const auto value = static_cast<signed char>(c);
    return value >= 0x20; // a signed char is never above 0x7F
}

std::size_t lineOffset(int line) {
    return kMessageLineOffsets[line == 0 ? 0 : 1];
}

} // namespace

std::string messageLineText(const RadioImage& image, int line) {
    return readCharacters(image, lineOffset(line), layout::kMessageLineLength);
}

void writeMessageLine(RadioImage& image, int line, std::string_view text) {
    const std::size_t at = lineOffset(line);
    for (std::size_t i = 0; i < layout::kMessageLineLength; ++i)
        image.setByte(at + i, 0xFF);
    if (text.size() > layout::kMessageLineLength)
        text = text.substr(0, layout::kMessageLineLength);
    for (const char c : text)
        if (!storable(c))
            return;
    for (std::size_t i = 0; i < text.size(); ++i)
        image.setByte(at + i, static_cast<std::uint8_t>(text[i]));
}

void EmbeddedMessageForm::commit(std::string_view line1, std::string_view line2) {
    writeMessageLine(image_, 0, line1);
    writeMessageLine(image_, 1, line2);
}

} // namespace tsw::feature

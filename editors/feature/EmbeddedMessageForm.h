#pragma once
// Embedded Message: two lines of up to 32 characters at 0x300 and 0x320, each filled up with
// 0xFF after its text. Only characters 0x20..0x7F can be stored; a line holding any other
// character is stored empty.

#include <array>
#include <string>
#include <string_view>

#include "app/ImageLayout.h"
#include "app/RadioImage.h"

namespace tsw::feature {

// Image map: 300..31F line 1, 320..33F line 2; characters, then 0xFF up to the 32nd byte.
inline constexpr std::array<std::size_t, 2> kMessageLineOffsets{layout::kMessageLine1,
                                                                layout::kMessageLine2};
static_assert(layout::kMessageLine1 + layout::kMessageLineLength == layout::kMessageLine2);
static_assert(layout::kMessageLine2 + layout::kMessageLineLength <= kImageSize);

inline constexpr int kMessageHelpContext = 159;
inline constexpr std::array<int, 2> kMessageLineIds{1126, 1127};

// The text of line 0 or 1: its bytes up to the first 0xFF (or 0x00), at most 32.
std::string messageLineText(const RadioImage& image, int line);
// Writes line 0 or 1 from `text` (bytes as typed; anything outside 0x20..0x7F empties it).
void writeMessageLine(RadioImage& image, int line, std::string_view text);

class EmbeddedMessageForm {
public:
    explicit EmbeddedMessageForm(RadioImage& image) : image_(image) {}

    std::string line(int line) const { return messageLineText(image_, line); }
    // Either line lost the focus, or Close was pressed: both lines are written.
    void commit(std::string_view line1, std::string_view line2);

private:
    RadioImage& image_;
};

} // namespace tsw::feature

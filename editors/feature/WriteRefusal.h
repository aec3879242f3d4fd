#pragma once
// The checks the Write command makes before anything is sent: settings that other settings
// need and that are not set. A refusal names the missing settings; nothing goes to the radio.
//
//   PTT ID type 1 (0x133)              needs the own CrewLink fleet (0x170)
//   PTT ID type 0 with a channel whose byte 14 low nibble is 1..14
//                                       needs the begin (0x140) and/or end (0x150) code, as
//                                       the PTT ID timing (0x132) 0, 1 or 2 asks
//   scan priority 1 (0x160)            needs a priority channel (0x161)

#include <optional>
#include <string>
#include <vector>

#include "app/RadioImage.h"
#include "app/StringIds.h"
#include "app/TextLookup.h"
#include "app/UserPrompt.h"

namespace tsw {

struct WriteRefusal {
    std::vector<StringId> named; // the settings that are missing, in message order
    bool blankLine = false;      // one more line break after the heading
};
std::optional<WriteRefusal> checkBeforeWriting(const RadioImage& image);
// String 3003059, a line break (two when asked), then each named text in double quotes,
// one per line.
std::string refusalText(const WriteRefusal& refusal, const TextLookup& text);
Prompt refusalPrompt(const WriteRefusal& refusal, const TextLookup& text);

} // namespace tsw

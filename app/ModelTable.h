#pragma once
// The models this program knows: one model entry, one band entry, and the two command lists
// from which the main frame builds its Edit and Program menus.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "app/StringIds.h"

namespace tsw {

using ModelIdentity = std::array<std::uint8_t, 8>;

struct ModelEntry {
    std::string_view code;        // 5-character model code
    std::string_view displayName; // shown in Model Information, the tree window and print-outs
    std::string_view bandText;    // the band in the main window's model display
    ModelIdentity defaultIdentity;
};

struct BandEntry {
    std::string_view text; // what the Frequency list of Model Information shows
    long lowestHz = 0;     // the band the radio is made for, both ends included
    long highestHz = 0;
};

// One entry of the Edit or Program menu list: command, menu text and second text, or a
// separator (all zero).
struct MenuListEntry {
    int command = 0;
    StringId textId = 0;
    StringId secondTextId = 0;
    constexpr bool isSeparator() const { return command == 0; }
};

// The built-in identity every start begins with: "48:35:35:32:30:92:F3:FF".
inline constexpr std::string_view kDefaultIdentityText = "48:35:35:32:30:92:F3:FF";

const ModelEntry& modelEntry(int index);
std::span<const ModelEntry> modelEntries(); // every model entry, in table order
int modelCount();
const BandEntry& bandEntry(int model, int index);
int bandCount(int model);

// Every model code and band code is accepted: both lookups yield entry 0.
int lookupModel(const ModelIdentity& identity);
int lookupBand(const ModelIdentity& identity);

std::span<const MenuListEntry> editMenuList();
std::span<const MenuListEntry> programMenuList();

// Narrow-steps-only flag for the frequency parser: only a model entry numbered 1 or above with
// the low three bits of identity byte 6 equal to 3.
bool narrowStepsOnly(int modelIndex, std::uint8_t identityByte6);

// Parses eight "%02X" fields separated by ':'; false on any malformed text.
bool parseIdentityText(std::string_view text, ModelIdentity& out);

} // namespace tsw

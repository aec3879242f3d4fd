#pragma once
// The call tone player of the Optional Features preview lives in the sound module
// (libtsw62m-sound.so in the program directory), which links Qt Multimedia and through it the
// sound system's libraries. The program loads the module when a tone is first opened, so that
// start-up does not load and link them.

#include <memory>
#include <string>

#include "editors/feature/CallTonePreview.h"

namespace tsw::ui {

// The module's file name, and its entry point: a new player, owned by the caller.
inline constexpr char kSoundModuleFile[] = "libtsw62m-sound.so";
inline constexpr char kSoundModuleEntry[] = "tsw62m_create_tone_player";
using TonePlayerEntry = feature::TonePlayer* (*)();

// A player that loads the sound module from `moduleDirectory` on its first open(). Without the
// module every open() fails (the preview then reports that the tone cannot be played).
std::unique_ptr<feature::TonePlayer> makeTonePlayer(std::string moduleDirectory);

} // namespace tsw::ui

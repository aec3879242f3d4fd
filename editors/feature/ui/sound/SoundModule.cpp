// The sound module's entry point: the program loads this library (Qt Multimedia and the sound
// system's libraries with it) when a call tone is first played, not at start-up.

#include "editors/feature/ui/TonePlayerModule.h"
#include "editors/feature/ui/sound/QtTonePlayer.h"

extern "C" Q_DECL_EXPORT tsw::feature::TonePlayer* tsw62m_create_tone_player() {
    return new tsw::ui::QtTonePlayer;
}

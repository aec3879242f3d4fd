#pragma once
// The image that start-up and New give: all 0xFF, the identity at 0x1B8, the fixed defaults
// and the band defaults (the eight fixed channel frequencies as test frequencies 1..8).

#include <string>

#include "app/AppGlobals.h"
#include "app/ModelTable.h"
#include "app/RadioImage.h"

namespace tsw {

// Fills `image` with the default contents for the given identity.
void buildDefaultImage(RadioImage& image, const ModelIdentity& identity);

// New and start-up: rebuilds the global image keeping the current identity, recomputes the
// narrow-steps flag and sets the current file name to the default name. Start-up marks the
// result saved; New does not (the caller decides).
void resetImageToDefaults(AppGlobals& g);

// A language change: a file name that is still the default name of the language before
// (`previousDefault`; nothing opened or saved since the image was reset) becomes the default
// name of the language now loaded.
void followLanguageInFileName(AppGlobals& g, const std::string& previousDefault);

// Model Information's OK after another model type was chosen: the default image of the model
// the dialog wrote into the image's identity bytes (0x1B8..0x1BF), marked saved.
void resetImageForChosenModel(AppGlobals& g);

} // namespace tsw

#pragma once
// The program's single global objects: the radio image and its saved copy, the model
// identity, the shared flags, the language table and the current file. They live for the
// whole run; the GUI and the command-line tool reach them through globals().

#include <array>
#include <cstdint>
#include <string>

#include "app/LanguageTable.h"
#include "app/ModelTable.h"
#include "app/RadioImage.h"
#include "app/SharedFlags.h"
#include "app/TextLookup.h"

namespace tsw {

struct AppGlobals {
    RadioImage image;
    RadioImage savedCopy;     // the image as last opened, saved, read or reset
    RadioImage memoryMapWork; // second work buffer, written by the memory map
    ModelIdentity identity{};
    int modelIndex = 0;
    bool narrowStepsOnly = false; // handed to the frequency parser
    SharedFlags flags;
    LanguageTable language;
    int languageCode = 2;
    int portNumber = 1;
    bool verifyAfterWrite = true; // Write to Radio reads the radio back and compares
    std::string currentFileName;  // name and extension of the last file opened or saved
    std::string currentFilePath;  // full path of the last file chosen in a dialog
    std::string dataDirectory;    // with a trailing separator
    std::string programDirectory;
};

AppGlobals& globals();

// Mark saved: the saved copy takes the image.
void markSaved(AppGlobals& g);
// True when any byte of the image differs from the saved copy.
bool hasUnsavedChanges(const AppGlobals& g);
// Taking over a new image's identity (after Open and after a read from the radio): copies
// image bytes 0x1B8..0x1BF into the identity buffer and recomputes narrowStepsOnly.
void takeOverIdentity(AppGlobals& g);

} // namespace tsw

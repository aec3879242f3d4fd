#pragma once
// The radio of a fleet run on a serial port: looks through a link whose questions are
// answered silently (no radio, or a radio not yet in programming mode, is no error while
// waiting), writes and reads back through the user's link (whose questions reach the user).

#include "fleet/FleetRun.h"
#include "link/SerialLink.h"

namespace tsw::fleet {

// Answers every question with Cancel (or OK where that is the only button), telling nobody.
class SilentPrompt : public UserPrompt {
public:
    PromptAnswer ask(const Prompt& prompt) override {
        return prompt.buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
};

class LinkFleetRadio : public FleetRadio {
public:
    // `lookLink` and `writeLink` talk to the same port; the first one asks nobody.
    LinkFleetRadio(SerialLink& lookLink, SerialLink& writeLink)
        : lookLink_(lookLink), writeLink_(writeLink) {}

    RadioLook look() override;
    WriteReport writeAndVerify(const RadioImage& image) override;

private:
    SerialLink& lookLink_;
    SerialLink& writeLink_;
};

} // namespace tsw::fleet

#pragma once
// The tool's answers to the protocol's questions: every question is printed to standard
// error with the answer taken. Retry is answered a given number of times, then Cancel;
// OK to a question of OK or Cancel only when --yes was given.

#include <ostream>

#include "app/UserPrompt.h"

namespace tsw::cli {

class CliPrompt : public UserPrompt {
public:
    CliPrompt(std::ostream& err, int retries, bool yes)
        : err_(err), retriesLeft_(retries), yes_(yes) {}
    PromptAnswer ask(const Prompt& prompt) override;
    int retriesLeft() const { return retriesLeft_; }

private:
    std::ostream& err_;
    int retriesLeft_;
    bool yes_;
};

} // namespace tsw::cli

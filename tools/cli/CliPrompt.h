#pragma once
// The tool's answers to the protocol's questions, printed to standard error. A question to
// retry is one failed attempt: one line with the message's first line and the attempt's
// number, answered Retry a given number of times, then Cancel (the rest of the message then
// follows once). Other questions are printed whole with the answer taken: OK to a question of
// OK or Cancel only when --yes was given.

#include <ostream>

#include "app/UserPrompt.h"

namespace tsw::cli {

class CliPrompt : public UserPrompt {
public:
    CliPrompt(std::ostream& err, int retries, bool yes)
        : err_(err), retriesLeft_(retries), attempts_(retries + 1), yes_(yes) {}
    PromptAnswer ask(const Prompt& prompt) override;
    int retriesLeft() const { return retriesLeft_; }
    // Gives the retries anew (each radio of a fleet run gets them all).
    void startOver() {
        retriesLeft_ = attempts_ - 1;
        failedAttempts_ = 0;
    }

private:
    PromptAnswer askRetry(const Prompt& prompt);

    std::ostream& err_;
    int retriesLeft_;
    int attempts_;
    int failedAttempts_ = 0;
    bool yes_;
};

} // namespace tsw::cli

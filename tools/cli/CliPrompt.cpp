#include "tools/cli/CliPrompt.h"

namespace tsw::cli {

namespace {

PromptAnswer answerFor(PromptButtons buttons, int& retriesLeft, bool yes) {
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::RetryCancel:
        if (retriesLeft > 0) {
            --retriesLeft;
            return PromptAnswer::Retry;
        }
        return PromptAnswer::Cancel;
    case PromptButtons::OkCancel:
        return yes ? PromptAnswer::Ok : PromptAnswer::Cancel;
    case PromptButtons::YesNo:
        return yes ? PromptAnswer::Yes : PromptAnswer::No;
    case PromptButtons::YesNoCancel:
        return yes ? PromptAnswer::Yes : PromptAnswer::Cancel;
    }
    return PromptAnswer::Cancel;
}

const char* answerName(PromptAnswer a) {
    switch (a) {
    case PromptAnswer::Ok:
        return "OK";
    case PromptAnswer::Cancel:
        return "Cancel";
    case PromptAnswer::Retry:
        return "Retry";
    case PromptAnswer::Yes:
        return "Yes";
    case PromptAnswer::No:
        return "No";
    }
    return "";
}

} // namespace

PromptAnswer CliPrompt::ask(const Prompt& prompt) {
    const PromptAnswer answer = answerFor(prompt.buttons, retriesLeft_, yes_);
    if (!prompt.caption.empty())
        err_ << prompt.caption << ": ";
    err_ << prompt.text << "\n";
    if (prompt.buttons != PromptButtons::Ok)
        err_ << "  -> " << answerName(answer) << "\n";
    err_.flush();
    return answer;
}

} // namespace tsw::cli

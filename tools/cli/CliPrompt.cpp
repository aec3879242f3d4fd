#include "tools/cli/CliPrompt.h"

#include <string_view>

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

std::string_view firstLine(std::string_view text) {
    return text.substr(0, text.find('\n'));
}

std::string_view afterFirstLine(std::string_view text) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos)
        return {};
    text.remove_prefix(end);
    while (!text.empty() && text.front() == '\n')
        text.remove_prefix(1);
    return text;
}

} // namespace

PromptAnswer CliPrompt::askRetry(const Prompt& prompt) {
    const PromptAnswer answer = answerFor(prompt.buttons, retriesLeft_, yes_);
    ++failedAttempts_;
    if (!prompt.caption.empty())
        err_ << prompt.caption << ": ";
    err_ << firstLine(prompt.text) << " (attempt " << failedAttempts_ << " of " << attempts_
         << (answer == PromptAnswer::Retry ? "; trying again)" : ")") << "\n";
    if (answer != PromptAnswer::Retry)
        if (const auto rest = afterFirstLine(prompt.text); !rest.empty())
            err_ << rest << "\n";
    err_.flush();
    return answer;
}

PromptAnswer CliPrompt::ask(const Prompt& prompt) {
    if (prompt.buttons == PromptButtons::RetryCancel)
        return askRetry(prompt);
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

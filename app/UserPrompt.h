#pragma once
// Core code that must ask the user something (retry? overwrite?) calls this interface.
// The GUI answers with message boxes, the command-line tool with its flags, tests with scripts.

#include <string>

#include "app/StringIds.h"

namespace tsw {

enum class PromptIcon { None, Stop, Exclamation, Question, Information };
enum class PromptButtons { Ok, OkCancel, RetryCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Retry, Yes, No };

struct Prompt {
    StringId textId = 0;      // the language string the text starts from (0 = literal text only)
    std::string text;         // the complete text shown (composed by the caller)
    StringId captionId = 0;   // 0: the caption is the literal `caption`
    std::string caption;      // the complete caption shown
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
    PromptAnswer defaultAnswer = PromptAnswer::Ok;
};

class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    virtual PromptAnswer ask(const Prompt& prompt) = 0;
};

} // namespace tsw

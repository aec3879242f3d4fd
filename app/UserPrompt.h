#pragma once
// Core code that must ask the user something (retry? overwrite?) calls this interface.
// The GUI answers with message boxes, the command-line tool with its flags, tests with scripts.

#include <string>
#include <vector>

#include "app/StringIds.h"
#include "app/TextLookup.h"

namespace tsw {

enum class PromptIcon { None, Stop, Exclamation, Question, Information };
enum class PromptButtons { Ok, OkCancel, RetryCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Retry, Yes, No };

// A button that shows its own text instead of the standard one (say "Write Again" for Yes).
struct ButtonText {
    PromptAnswer answer;
    std::string text; // with its '&' mnemonic
};

struct Prompt {
    StringId textId = 0;    // the language string the text starts from (0 = literal text only)
    std::string text;       // the complete text shown (composed by the caller)
    StringId captionId = 0; // 0: the caption is the literal `caption`
    std::string caption;    // the complete caption shown
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
    PromptAnswer defaultAnswer = PromptAnswer::Ok;
    std::vector<ButtonText> buttonTexts; // buttons with texts of their own
};

// A prompt of language texts: `text` (followed by `extra`) under the caption `caption`, with
// an OK button.
Prompt textPrompt(StringId text, StringId caption, PromptIcon icon, const TextLookup& lookup = tr,
                  const std::string& extra = {});
// The error box: the language text `text` (followed by `extra`) under the caption "Error", with
// the stop icon and an OK button.
Prompt errorPrompt(StringId text, const TextLookup& lookup = tr, const std::string& extra = {});
// The error box for a text the caller composed; `textId` names the language text it starts
// from (0: none).
Prompt composedErrorPrompt(std::string text, StringId textId = 0, const TextLookup& lookup = tr);

class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    virtual PromptAnswer ask(const Prompt& prompt) = 0;
};

} // namespace tsw

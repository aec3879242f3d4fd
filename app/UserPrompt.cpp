#include "app/UserPrompt.h"

#include <utility>

namespace tsw {
namespace {

Prompt captioned(StringId caption, PromptIcon icon, const TextLookup& lookup) {
    Prompt p;
    p.captionId = caption;
    p.caption = lookup(caption);
    p.icon = icon;
    return p;
}

} // namespace

Prompt textPrompt(StringId text, StringId caption, PromptIcon icon, const TextLookup& lookup,
                  const std::string& extra) {
    Prompt p = captioned(caption, icon, lookup);
    p.textId = text;
    p.text = lookup(text) + extra;
    return p;
}

Prompt errorPrompt(StringId text, const TextLookup& lookup, const std::string& extra) {
    return textPrompt(text, StrId::ErrorCaption, PromptIcon::Stop, lookup, extra);
}

Prompt composedErrorPrompt(std::string text, StringId textId, const TextLookup& lookup) {
    Prompt p = captioned(StrId::ErrorCaption, PromptIcon::Stop, lookup);
    p.textId = textId;
    p.text = std::move(text);
    return p;
}

} // namespace tsw

#include "fields/UndoStepName.h"

#include <algorithm>

#include "fields/ImageDiff.h"

namespace tsw::fields {
namespace {

std::string withoutMnemonics(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), '&'), s.end());
    return s;
}

// `after` where the focus lies, `before` everywhere else.
RadioImage focused(const StepLabel& label, const RadioImage& before, const RadioImage& after) {
    RadioImage mixed = before;
    const std::size_t end = std::min<std::size_t>(label.focusOffset + label.focusSize, kImageSize);
    for (std::size_t at = label.focusOffset; at < end; ++at)
        mixed.setByte(at, after.byte(at));
    return mixed;
}

} // namespace

std::string undoStepName(const StepLabel& label, const EditState& before, const EditState& after,
                         const TextLookup& text) {
    if (label.text != 0)
        return withoutMnemonics(text(label.text));
    std::vector<DiffLine> lines;
    if (label.focusSize != 0)
        lines = diffImages(before.image, focused(label, before.image, after.image), text);
    if (lines.empty())
        lines = diffImages(before.image, after.image, text);
    if (lines.empty())
        return text(StrId::StepChange);
    return lines.front().field;
}

} // namespace tsw::fields

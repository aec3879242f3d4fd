#include "app/AppGlobals.h"

#include <algorithm>

#include "app/ImageLayout.h"

namespace tsw {

AppGlobals& globals() {
    static AppGlobals instance;
    return instance;
}

void markSaved(AppGlobals& g) {
    g.savedCopy = g.image;
}

bool hasUnsavedChanges(const AppGlobals& g) {
    return !(g.image == g.savedCopy);
}

void takeOverIdentity(AppGlobals& g) {
    for (std::size_t i = 0; i < layout::kIdentitySize; ++i)
        g.identity[i] = g.image.byte(layout::kIdentity + i);
    g.modelIndex = lookupModel(g.identity);
    g.narrowStepsOnly = narrowStepsOnly(g.modelIndex, g.identity[6]);
}

std::string tr(StringId id) {
    return globals().language.text(id);
}

} // namespace tsw

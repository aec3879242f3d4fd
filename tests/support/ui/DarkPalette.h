#pragma once
// A dark desktop palette as dark desktop themes give it, for the tests and pictures that check
// the program under one: applyDarkLook() switches the application to Fusion with it.

#include <QPalette>

namespace tsw::test {

QPalette darkPalette();
void applyDarkLook();
// Whether TSW_LOOK_DARK asks for the dark look (pictures for a person to look at).
bool darkLookRequested();

} // namespace tsw::test

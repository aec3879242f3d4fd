#pragma once
// What a key press is, in the terms the windows' keyboard rules use.

#include <QKeyEvent>

namespace tsw::ui {

// Return or the keypad's Enter, whatever modifiers are held.
inline bool isEnterKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// Key `k` with exactly `modifiers` held (the keypad's own flag aside).
inline bool keyIs(const QKeyEvent& key, int k, Qt::KeyboardModifiers modifiers) {
    return key.key() == k && (key.modifiers() & ~Qt::KeypadModifier) == modifiers;
}

// Return or Enter with no modifier held.
inline bool isPlainEnter(const QKeyEvent& key) {
    return isEnterKey(key) && keyIs(key, key.key(), Qt::NoModifier);
}

} // namespace tsw::ui

#pragma once
// Single-line edit boxes that filter what is typed.
//
// FilterEdit: one mode byte (app/CharacterFilter.h, 0 when created) decides which typed
// characters are accepted; a lower-case letter that the mode turns into upper case is dropped
// and the upper-case letter is posted to the box as a new key press (so it arrives a moment
// later, after the event loop ran). Rejected characters are dropped without a sound. The whole
// text is selected when the box gains the focus; a right click shows no context menu.
// Clipboard and undo shortcuts count as their control characters (Ctrl+V = 0x16 ...), so in
// a restricted mode nothing can be pasted around the filter: neither by a drop, nor by the
// middle mouse button's paste of the selection; text from an input method passes the same
// filter character by character.
//
// DigitEdit: accepts only the digits 0-9 and Backspace, by the same ways in.

#include <QLineEdit>
#include <cstdint>

namespace tsw::ui {

// The character a key press types, as the filter sees it: Backspace is 8, clipboard and undo
// shortcuts their control characters; 0 for keys that type nothing (arrows, Enter, Delete ...).
char32_t typedCharacter(const class QKeyEvent& event);

// Selects the whole text of a box that gains the focus, so that typing replaces it; a mouse click
// that gave the focus would place the cursor afterwards, so the text is selected again once the
// click is done. The focus-in handler of every edit box that takes typed values calls it.
void selectAllOnFocusIn(QLineEdit& edit, const class QFocusEvent& event);

// Text an input method commits, through the filter of `mode` one character at a time (a letter
// the mode turns is taken in upper case); `edit` is the box it goes into. For boxes that are no
// FilterEdit but take their characters through a mode.
void filterInputMethodCommit(std::uint8_t mode, const QLineEdit& edit,
                             class QInputMethodEvent* event);

class FilterEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FilterEdit(QWidget* parent = nullptr);

    void setMode(std::uint8_t mode) { mode_ = mode; }
    std::uint8_t mode() const { return mode_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    std::uint8_t mode_ = 0;
};

class DigitEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DigitEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

} // namespace tsw::ui

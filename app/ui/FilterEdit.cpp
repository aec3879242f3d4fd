#include "app/ui/FilterEdit.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "app/CharacterFilter.h"

namespace tsw::ui {
namespace {

// Marks a key press that the box posted to itself (an upper-cased letter): it is filtered
// again but never turned a second time.
constexpr quint32 kResentMarker = 0x54535752; // native scan code of a re-sent letter

FilterBoxState boxState(const QLineEdit& edit) {
    FilterBoxState s;
    const QString text = edit.text();
    s.empty = text.isEmpty();
    s.wholeTextSelected = !text.isEmpty() && edit.selectedText() == text;
    s.holdsSingleA = text == QLatin1String("A");
    return s;
}

void postUpperCase(QLineEdit* edit, char32_t lower) {
    const char32_t upper = lower - 'a' + 'A';
    const QString text(QChar(static_cast<char16_t>(upper)));
    const auto key = static_cast<int>(Qt::Key_A + (upper - 'A'));
    QCoreApplication::postEvent(
        edit, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, kResentMarker, 0, 0, text));
    QCoreApplication::postEvent(
        edit, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, kResentMarker, 0, 0, text));
}

// True when the mode lets a paste through (the unrestricted mode).
bool pasteAllowed(std::uint8_t mode, const QLineEdit& edit) {
    return filterCharacter(mode, 0x16, boxState(edit)) == FilterVerdict::Accept;
}

// The middle button pastes the selection on X11 without a key press: refused where a paste is.
bool swallowMiddleClickPaste(std::uint8_t mode, QLineEdit& edit, QMouseEvent* event) {
    if (event->button() != Qt::MiddleButton || pasteAllowed(mode, edit))
        return false;
    event->accept();
    return true;
}

} // namespace

char32_t typedCharacter(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace)
        return kBackspace;
    if (event.matches(QKeySequence::Paste))
        return 0x16;
    if (event.matches(QKeySequence::Copy))
        return 0x03;
    if (event.matches(QKeySequence::Cut))
        return 0x18;
    if (event.matches(QKeySequence::Undo))
        return 0x1A;
    if (event.matches(QKeySequence::SelectAll))
        return 0x01;
    const QString text = event.text();
    // Ctrl or Alt alone make a shortcut, which types nothing; both together are AltGr on some
    // systems, which types a character like any other key.
    const auto mods = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (text.isEmpty() || (mods && mods != (Qt::ControlModifier | Qt::AltModifier)))
        return 0;
    const char32_t c = text.toUcs4().value(0);
    if (c < 0x20 || c == 0x7F)
        return 0;
    return c;
}

void filterInputMethodCommit(std::uint8_t mode, const QLineEdit& edit, QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (commit.isEmpty() || pasteAllowed(mode, edit))
        return;
    QString kept;
    for (const char32_t c : commit.toUcs4()) {
        switch (filterCharacter(mode, c, boxState(edit))) {
        case FilterVerdict::Accept:
            kept += QString::fromUcs4(&c, 1);
            break;
        case FilterVerdict::ResendUpper:
            kept += QChar(static_cast<char16_t>(c - 'a' + 'A'));
            break;
        case FilterVerdict::Reject:
            break;
        }
    }
    event->setCommitString(kept, event->replacementStart(), event->replacementLength());
}

FilterEdit::FilterEdit(QWidget* parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(false);
}

void FilterEdit::keyPressEvent(QKeyEvent* event) {
    const char32_t c = typedCharacter(*event);
    if (c == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const bool resent = event->nativeScanCode() == kResentMarker;
    switch (filterCharacter(mode_, c, boxState(*this), !resent)) {
    case FilterVerdict::Accept:
        QLineEdit::keyPressEvent(event);
        return;
    case FilterVerdict::ResendUpper:
        postUpperCase(this, c);
        break;
    case FilterVerdict::Reject:
        break;
    }
    event->accept();
}

void selectAllOnFocusIn(QLineEdit& edit, const QFocusEvent& event) {
    edit.selectAll();
    if (event.reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, &edit, &QLineEdit::selectAll);
}

void FilterEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAllOnFocusIn(*this, *event);
}

void FilterEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (!swallowMiddleClickPaste(mode_, *this, event))
        QLineEdit::mouseReleaseEvent(event);
}

void FilterEdit::inputMethodEvent(QInputMethodEvent* event) {
    filterInputMethodCommit(mode_, *this, event);
    QLineEdit::inputMethodEvent(event);
}

DigitEdit::DigitEdit(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(false);
}

void DigitEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (!swallowMiddleClickPaste(filter::Digits, *this, event))
        QLineEdit::mouseReleaseEvent(event);
}

void DigitEdit::inputMethodEvent(QInputMethodEvent* event) {
    filterInputMethodCommit(filter::Digits, *this, event);
    QLineEdit::inputMethodEvent(event);
}

void DigitEdit::keyPressEvent(QKeyEvent* event) {
    const char32_t c = typedCharacter(*event);
    if (c == 0 || filterCharacter(filter::Digits, c, {}) == FilterVerdict::Accept)
        QLineEdit::keyPressEvent(event);
    else
        event->accept();
}

} // namespace tsw::ui

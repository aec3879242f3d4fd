#include "app/ui/FilterEdit.h"

#include <QCoreApplication>
#include <QKeyEvent>
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
    if (text.isEmpty() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return 0;
    const char32_t c = text.toUcs4().value(0);
    if (c < 0x20 || c == 0x7F)
        return 0;
    return c;
}

FilterEdit::FilterEdit(QWidget* parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::PreventContextMenu);
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

void FilterEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    // A mouse click that gave the focus would place the cursor after this; select again once
    // the click is done.
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

DigitEdit::DigitEdit(QWidget* parent) : QLineEdit(parent) {}

void DigitEdit::keyPressEvent(QKeyEvent* event) {
    const char32_t c = typedCharacter(*event);
    if (c == 0 || filterCharacter(filter::Digits, c, {}) == FilterVerdict::Accept)
        QLineEdit::keyPressEvent(event);
    else
        event->accept();
}

} // namespace tsw::ui

#include "app/ui/MenuMnemonics.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>

namespace tsw::ui {

MenuMnemonics::MenuMnemonics(QMainWindow* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

QAction* MenuMnemonics::titleFor(QObject* receiver, const QKeyEvent& key) const {
    // Alt, with or without Shift; Ctrl+Alt is AltGr typing a character.
    if ((key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::AltModifier)
        return nullptr;
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget || widget->window() != window_ || QApplication::activePopupWidget() ||
        QApplication::activeModalWidget())
        return nullptr;
    for (QAction* title : window_->menuBar()->actions()) {
        if (!title->menu() || !title->isVisible() || !title->isEnabled())
            continue;
        const QKeySequence mnemonic = QKeySequence::mnemonic(title->text());
        if (!mnemonic.isEmpty() && mnemonic[0].key() == key.key())
            return title;
    }
    return nullptr;
}

bool MenuMnemonics::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    QAction* title = titleFor(watched, static_cast<const QKeyEvent&>(*event));
    if (!title)
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Taken from the shortcuts (where it may be ambiguous): the key press follows.
        event->accept();
        return true;
    }
    window_->menuBar()->setActiveAction(title);
    return true;
}

} // namespace tsw::ui

#pragma once
// Alt and the underlined letter of a menu title open that menu from anywhere in the main window:
// from the channel grid, from any control of an editor window, also where a control of the
// window carries the same letter (the channel table's "Channel &Edit" button, each form's
// "&Help" button). Qt finds such a key ambiguous between the two and does neither; here the
// menu takes it. Modal dialogs, open menus and other windows keep their keys.

#include <QObject>

class QAction;
class QKeyEvent;
class QMainWindow;

namespace tsw::ui {

class MenuMnemonics : public QObject {
public:
    // Watches the keys of the whole program while `window` lives.
    explicit MenuMnemonics(QMainWindow* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The menu title whose mnemonic `key` is, when the key is for a widget of the main window.
    QAction* titleFor(QObject* receiver, const QKeyEvent& key) const;

    QMainWindow* window_;
};

} // namespace tsw::ui

#pragma once
// Answers modal dialogs in widget tests: arm it before the call that opens a dialog; while it
// lives, a short repeating timer looks for the active modal widget and hands it to the action.

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace tsw::test {

class ModalAnswerer : public QObject {
public:
    // The action returns true when it has dealt with the dialog (then it is not called again
    // for the same dialog object).
    using Action = std::function<bool(QWidget* modal)>;
    explicit ModalAnswerer(Action action, int intervalMs = 20);
    ~ModalAnswerer() override;
    int handled() const { return handled_; }

private:
    void poll();
    Action action_;
    QTimer timer_;
    // Guarded: a new dialog built where a destroyed one stood is a new dialog.
    QPointer<QWidget> last_;
    int handled_ = 0;
};

// An action that presses `button` on the next QMessageBox and records its text and caption.
struct MessageBoxRecord {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QStringList buttonTexts; // as shown, in the box's order
};
ModalAnswerer::Action pressMessageBoxButton(QMessageBox::StandardButton button,
                                            MessageBoxRecord* record = nullptr);

} // namespace tsw::test

#pragma once
// Answers the next modal dialogs of a widget test in order: arm the script before the call
// that opens them; each step handles one dialog (a message box, a file dialog, any dialog).
// A dialog that closes and a new one that opens at the same address are told apart.
// A modal window that no step deals with for three seconds is closed and counted, so that a
// test fails instead of hanging.

#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

#include "tests/support/ui/ModalAnswerer.h"

namespace tsw::test {

class DialogScript : public QObject {
public:
    using Step = std::function<bool(QWidget* modal)>; // true: dealt with

    explicit DialogScript(int intervalMs = 10);

    // Presses `button` on the next message box and records it (see messages()).
    DialogScript& pressOnMessageBox(QMessageBox::StandardButton button);
    // Chooses `path` in the next file dialog and accepts it.
    DialogScript& chooseFile(const QString& path);
    // Rejects the next dialog of any kind (Cancel, Escape).
    DialogScript& cancel();
    // Runs `act` on the next dialog of type T from the event loop, so that it may block
    // (start a transfer, open another dialog that later steps answer).
    template <class T>
    DialogScript& on(std::function<void(T*)> act) {
        return then([act](QWidget* modal) {
            auto* dialog = qobject_cast<T*>(modal);
            if (dialog)
                QTimer::singleShot(0, dialog, [dialog, act] { act(dialog); });
            return dialog != nullptr;
        });
    }
    // Any other handling of the next dialog.
    DialogScript& then(Step step);

    bool done() const { return steps_.empty(); }
    int unexpected() const { return unexpected_; }
    const std::vector<MessageBoxRecord>& messages() const { return messages_; }

private:
    bool answer(QWidget* modal);
    void closeUnexpected(QWidget* modal);
    std::deque<Step> steps_;
    std::vector<MessageBoxRecord> messages_;
    QPointer<QWidget> waitingFor_;
    QElapsedTimer waiting_;
    int unexpected_ = 0;
    ModalAnswerer answerer_;
};

} // namespace tsw::test

#pragma once
// Answers the next modal dialogs of a widget test in order: arm the script before the call
// that opens them; each step handles one dialog (a message box, a file dialog, any dialog).
// A dialog that closes and a new one that opens at the same address are told apart.

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
    // Any other handling of the next dialog.
    DialogScript& then(Step step);

    bool done() const { return steps_.empty(); }
    int handled() const { return handled_; }
    const std::vector<MessageBoxRecord>& messages() const { return messages_; }

private:
    void poll();
    std::deque<Step> steps_;
    std::vector<MessageBoxRecord> messages_;
    QTimer timer_;
    QPointer<QWidget> last_;
    int handled_ = 0;
};

} // namespace tsw::test

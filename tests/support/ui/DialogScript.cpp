#include "tests/support/ui/DialogScript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>

namespace tsw::test {

DialogScript::DialogScript(int intervalMs)
    : answerer_([this](QWidget* modal) { return answer(modal); }, intervalMs) {}

bool DialogScript::answer(QWidget* modal) {
    constexpr int kUnexpectedAfterMs = 3000;
    if (!steps_.empty() && steps_.front()(modal)) {
        steps_.pop_front();
        waiting_.invalidate();
        return true;
    }
    if (waitingFor_ != modal || !waiting_.isValid()) {
        waitingFor_ = modal;
        waiting_.start();
        return false;
    }
    if (waiting_.elapsed() < kUnexpectedAfterMs)
        return false;
    closeUnexpected(modal);
    return true;
}

void DialogScript::closeUnexpected(QWidget* modal) {
    ++unexpected_;
    waiting_.invalidate();
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        box->reject();
    else if (auto* dialog = qobject_cast<QDialog*>(modal))
        QTimer::singleShot(0, dialog, [dialog] { dialog->done(QDialog::Rejected); });
}

DialogScript& DialogScript::pressOnMessageBox(QMessageBox::StandardButton button) {
    return then([this, button](QWidget* modal) {
        if (!qobject_cast<QMessageBox*>(modal))
            return false;
        MessageBoxRecord record;
        const bool done = pressMessageBoxButton(button, &record)(modal);
        messages_.push_back(record);
        return done;
    });
}

DialogScript& DialogScript::chooseFile(const QString& path) {
    return then([path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return false;
        // Typed into the name box and accepted in one go, as a user would: the dialog reads
        // its folder in the background and may select its initial file in between.
        QTimer::singleShot(0, dialog, [dialog, path] {
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(QFileInfo(path).absoluteFilePath());
            else
                dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
        });
        return true;
    });
}

DialogScript& DialogScript::cancel() {
    return then([](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog)
            return false;
        QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        return true;
    });
}

DialogScript& DialogScript::then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

} // namespace tsw::test

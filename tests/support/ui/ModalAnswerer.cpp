#include "tests/support/ui/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

namespace tsw::test {

ModalAnswerer::ModalAnswerer(Action action, int intervalMs) : action_(std::move(action)) {
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start();
}

ModalAnswerer::~ModalAnswerer() {
    timer_.stop();
}

void ModalAnswerer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == last_)
        return;
    if (action_(modal)) {
        last_ = modal;
        ++handled_;
    }
}

ModalAnswerer::Action pressMessageBoxButton(QMessageBox::StandardButton button,
                                            MessageBoxRecord* record) {
    return [button, record](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return false;
        if (record) {
            record->text = box->text();
            record->caption = box->windowTitle();
            record->icon = box->icon();
            record->buttons = box->standardButtons();
            record->defaultButton = box->defaultButton() ? box->standardButton(box->defaultButton())
                                                         : QMessageBox::NoButton;
            record->buttonTexts.clear();
            for (const QAbstractButton* b : box->buttons())
                record->buttonTexts << b->text();
        }
        if (QAbstractButton* b = box->button(button))
            b->click();
        else
            box->reject();
        return true;
    };
}

} // namespace tsw::test

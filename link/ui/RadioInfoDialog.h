#pragma once
// Radio Information (dialog 143): the model type (1154), band (1155), serial number (1156) and
// firmware version (1157) of the radio last read by the Radio Information command, with an OK
// button (1, "Close") and Help. Left on Help moves to OK, Right on OK moves to Help.

#include <QDialog>

#include "link/SerialLink.h"

class QLabel;
class QLayout;
class QPushButton;

namespace tsw::ui {

class RadioInfoDialog : public QDialog {
    Q_OBJECT
public:
    // The serial number bytes that are no letter, digit or '-' are replaced in the link too.
    explicit RadioInfoDialog(SerialLink& link, QWidget* parent = nullptr);

    QLabel* modelField() const { return model_; }
    QLabel* frequencyField() const { return frequency_; }
    QLabel* serialField() const { return serial_; }
    QLabel* versionField() const { return version_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* helpButton() const { return help_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLayout* createButtonRow();

    QLabel* model_ = nullptr;
    QLabel* frequency_ = nullptr;
    QLabel* serial_ = nullptr;
    QLabel* version_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* help_ = nullptr;
};

} // namespace tsw::ui

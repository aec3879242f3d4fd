#pragma once
// Model Information (dialog 130): the model type and frequency band lists, bound to
// ModelInfoForm, which writes the identity bytes at once and puts them back on Cancel. Enter in
// one list moves the focus to the other instead of closing the dialog.

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

#include "app/ModelInfoForm.h"

namespace tsw::ui {

class ModelInfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit ModelInfoDialog(QWidget* parent = nullptr);

    QComboBox* modelList() const { return models_; }    // control 1002
    QComboBox* frequencyList() const { return bands_; } // control 1003
    QPushButton* okButton() const { return ok_; }       // control 1347
    // True when OK was pressed after another model type was chosen.
    bool modelChanged() const { return form_.modelChanged(); }

    void reject() override; // Cancel, Escape, the close box: restore the snapshot

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillBands();

    ModelInfoForm form_;
    QComboBox* models_;
    QComboBox* bands_;
    QPushButton* ok_;
};

} // namespace tsw::ui

#pragma once
// Language File Setup (dialog 186): a drop-down list of the six languages, the current one
// preselected. OK with an entry selected accepts with the chosen language code; what follows
// (reloading the texts, reopening the editors) is the main frame's.

#include <QComboBox>
#include <QDialog>

namespace tsw::ui {

class LanguageSetupDialog : public QDialog {
    Q_OBJECT
public:
    LanguageSetupDialog(int currentCode, QWidget* parent = nullptr);
    QComboBox* list() const { return list_; }
    // The chosen language code 1..6 (valid after accept).
    int chosenCode() const { return list_->currentIndex() + 1; }
    void accept() override; // does nothing without a selection

private:
    QComboBox* list_;
};

} // namespace tsw::ui

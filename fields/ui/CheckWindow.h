#pragma once
// Tools > Check Configuration: a modeless window listing what Check Configuration finds in the
// configuration in the editors, errors first. Double click or Enter on a finding (or Show
// Field) opens the editor that owns the field with the field focused; Check Again checks the
// configuration as it is then, and so does coming back to the window after the configuration
// changed (the finding that was current stays current while it is still found). Opened at
// most once; the command brings it forward and checks again.

#include <QDialog>

#include "app/RadioImage.h"

class QLabel;
class QPushButton;

namespace tsw::ui {

class FindingsList;
class Shell;

class CheckWindow : public QDialog {
    Q_OBJECT
public:
    explicit CheckWindow(Shell& shell, QWidget* parent = nullptr);

    // Checks the global image again and shows what is found.
    void recheck();

    FindingsList* list() const { return list_; }
    QLabel* summary() const { return summary_; }
    QPushButton* checkAgainButton() const { return again_; }
    QPushButton* showFieldButton() const { return show_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void createControls();

    Shell& shell_;
    RadioImage checked_; // the image the list was made for
    FindingsList* list_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* again_ = nullptr;
    QPushButton* show_ = nullptr;
};

// The command: opens the window, or brings the open one forward and checks again.
CheckWindow* openCheckWindow(Shell& shell);

} // namespace tsw::ui

#pragma once
// The check Write to Radio runs before anything is sent (after the settings it refuses to go
// without, editors/feature/WriteRefusal.h):
//   errors          the findings are listed with the question whether to write anyway;
//                   Cancel is the default and sends nothing
//   warnings only   the findings are listed; OK writes, Cancel sends nothing. A check box turns
//                   this step off until the configuration changes (the image differs from the
//                   one it was ticked for)
//   nothing found   the write goes on without a window

#include <QDialog>
#include <vector>

#include "app/RadioImage.h"
#include "fields/ConfigurationCheck.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tsw::ui {

class FindingsList;
class Shell;

class WriteCheckDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWriteAnywayId = 1411;
    static constexpr int kSuppressId = 1412;
    static constexpr int kOkId = 1;
    static constexpr int kCancelId = 2;

    // `findings` holds at least one finding.
    WriteCheckDialog(std::vector<fields::Finding> findings, QWidget* parent = nullptr);

    bool hasErrors() const { return errors_; }
    FindingsList* list() const { return list_; }
    QLabel* text() const { return text_; }
    // Write Anyway (with errors) or OK (warnings only).
    QPushButton* writeButton() const { return write_; }
    QPushButton* cancelButton() const { return cancel_; }
    QCheckBox* suppressBox() const { return suppress_; } // null with errors

private:
    bool errors_;
    FindingsList* list_ = nullptr;
    QLabel* text_ = nullptr;
    QPushButton* write_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QCheckBox* suppress_ = nullptr;
};

// True when the write goes on: nothing found, warnings acknowledged (now, or for this very
// image before), or errors the user chose to write anyway.
bool confirmWriteAfterCheck(Shell& shell, const RadioImage& image);

// Forgets the image whose warnings were acknowledged (tests, and a new start).
void resetAcknowledgedWarnings();

} // namespace tsw::ui

#pragma once
// The data file dialogs: Qt's own file dialog (not the desktop's, so that it can hold our
// panel) with the "*.dat" filter (string 1001045) and the extension "dat". The open dialog
// carries an extra panel (template 182): a group box with two read-only lines (controls 1322
// and 1323) that preview the embedded message of the selected file as the selection changes.

#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>

namespace tsw::ui {

class DataFileDialog : public QFileDialog {
    Q_OBJECT
public:
    enum class Kind { Open, Save };
    // `folder` is the initial folder, `name` the proposed file name (Save).
    DataFileDialog(Kind kind, const QString& folder, const QString& name, QWidget* parent);

    // The chosen file's full path; empty when cancelled.
    QString chosenPath() const;

    QLineEdit* previewLine1() const { return line1_; } // null in the save dialog
    QLineEdit* previewLine2() const { return line2_; }
    // Shows the preview of `path` (what a change of selection does).
    void preview(const QString& path);

private:
    void addPreviewPanel();
    QGroupBox* panel_ = nullptr;
    QLineEdit* line1_ = nullptr;
    QLineEdit* line2_ = nullptr;
};

} // namespace tsw::ui

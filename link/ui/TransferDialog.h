#pragma once
// The dialog in which Read from Radio and Write to Radio run (dialog 166): the phase (reading,
// writing, reading back to check), a progress bar (1176), the start button (1), cancel (2)
// and Help (9). The transfer starts when the user presses the start button; while it runs the
// buttons are disabled and the dialog cannot be closed. After a complete read the image is
// replaced, the windows reopen on it and a backup of what the radio held is kept. After a
// write the radio is read back and compared when the Setup menu says so; a write that left
// the radio with mixed data offers to write again or to write the radio's backup. The dialog
// closes whatever the outcome. A read for comparison (setKeepImage) leaves the image and the
// windows as they are and says nothing: the data read is the dialog's receivedBytes().

#include <QDialog>
#include <optional>

#include "link/ReadBackup.h"
#include "link/Transfer.h"

class QLabel;
class QPushButton;

namespace tsw::ui {

class ProgressBar;

class TransferDialog : public QDialog, public TransferProgress {
    Q_OBJECT
public:
    // Reads when the readRequested flag is set, writes when writeRequested is set.
    TransferDialog(SerialLink& link, ImageWindows& windows, QWidget* parent = nullptr);

    ProgressBar* progressBar() const { return bar_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* helpButton() const { return help_; }
    bool reading() const { return reading_; }
    bool running() const { return running_; }
    bool succeeded() const { return succeeded_; }
    // The backup file of the last successful read ("" when none was written).
    const QString& backupPath() const { return backupPath_; }
    // Where what the radio held after a write that failed its check was kept ("" when not).
    const QString& readBackPath() const { return readBackPath_; }
    // The outcome of the last write the dialog ran.
    std::optional<WriteOutcome> lastOutcome() const { return lastOutcome_; }
    QLabel* phaseLabel() const { return phase_; }
    // A read that only fetches the radio's memory (Compare with Radio).
    void setKeepImage(bool keep) { keepImage_ = keep; }
    std::span<const std::uint8_t, kImageSize> receivedBytes() const {
        return transfer_.receiveBuffer();
    }

    // TransferProgress
    void setPhase(TransferPhase phase) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgressPos(int position) override;
    void enableButtons(bool enabled) override;
    void repaintNow() override;

    // The start button's work: the transfer, its message, then the dialog closes.
    void start();

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    bool runWrite();
    void reportWritten(bool verified, const std::optional<FoundBackup>& backup);
    void reportVerifyFailure(const RadioImage& written);
    bool runRead();
    void keepBackup();
    void inform(StringId text);

    SerialLink& link_;
    ImageWindows& windows_;
    Transfer transfer_;
    QLabel* phase_ = nullptr;
    ProgressBar* bar_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
    bool reading_ = false;
    bool running_ = false;
    bool closeLocked_ = false;
    bool succeeded_ = false;
    bool keepImage_ = false;
    QString backupPath_;
    QString readBackPath_;
    std::optional<WriteOutcome> lastOutcome_;
};

} // namespace tsw::ui

#pragma once
// Program > Write to Several Radios: one configuration into a series of numbered radios
// (fleet/FleetRun.h). The upper part takes the first number, the label and its line, the
// first DTMF ID and CrewLink ID, how many radios and the log file; every radio is read back
// after writing. While a run goes on, the lower part shows the radio being written (serial
// number and phase), a progress bar of the radios verified and a table of the radios done.
// Stop finishes the current radio first. Enter while waiting for the next radio looks for it
// at once (and tries a radio that just failed again); otherwise it is found by itself.

#include <QDialog>
#include <optional>

#include "app/RadioImage.h"
#include "fleet/FleetRun.h"
#include "link/Clock.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tsw::ui {

class FleetDialog : public QDialog, private fleet::FleetObserver {
    Q_OBJECT
public:
    // `configuration` is written; `radio` is the radio on the port; `waitClock` waits between
    // looks and takes the user's input meanwhile.
    FleetDialog(const RadioImage& configuration, fleet::FleetRadio& radio, Clock& waitClock,
                const QString& logPath, QWidget* parent = nullptr);

    QSpinBox* firstNumberBox() const { return firstNumber_; }
    QLineEdit* labelBox() const { return label_; }
    QComboBox* lineBox() const { return line_; }
    QLineEdit* dtmfBox() const { return dtmf_; }
    QLineEdit* crewLinkBox() const { return crewLink_; }
    QSpinBox* countBox() const { return count_; }
    QLineEdit* logBox() const { return log_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* stopButton() const { return stop_; }
    QLabel* serialLabel() const { return serial_; }
    QLabel* phaseLabel() const { return phase_; }
    QProgressBar* progressBar() const { return progress_; }
    QTableWidget* table() const { return table_; }
    bool running() const { return running_; }
    std::optional<fleet::FleetEnd> lastEnd() const { return lastEnd_; }

    // Start: checks what was entered and the log, then runs until done or stopped.
    void startRun();
    void requestStop();
    // Escape, Close or the title bar's close button: while a run goes on, a Stop.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    QWidget* createSettings();
    QWidget* createRunArea();
    fleet::FleetPlan planFromControls() const;
    bool refuse(const std::string& message);
    bool checkCopies(const fleet::FleetPlan& plan, int first, int last);
    void runFrom(const fleet::FleetPlan& plan, fleet::LogWriter& log,
                 const fleet::ResumePoint& from);
    void showEnd(const fleet::FleetOutcome& outcome, int total);
    void setEditable(bool editable);
    void chooseLogFile();

    // FleetObserver
    void phase(fleet::FleetPhase phase, const std::string& serial) override;
    void skipped(const std::string& serial) override;
    void radioDone(const fleet::LogRow& row, int done, int total) override;
    void connectNext(int done, int total) override;
    bool stopRequested() override { return stopAsked_; }
    bool continueRequested() override { return std::exchange(continueAsked_, false); }

    RadioImage configuration_;
    fleet::FleetRadio& radio_;
    Clock& waitClock_;
    QSpinBox* firstNumber_ = nullptr;
    QLineEdit* label_ = nullptr;
    QComboBox* line_ = nullptr;
    QLineEdit* dtmf_ = nullptr;
    QLineEdit* crewLink_ = nullptr;
    QSpinBox* count_ = nullptr;
    QLineEdit* log_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLabel* serial_ = nullptr;
    QLabel* phase_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* close_ = nullptr;
    bool running_ = false;
    bool stopAsked_ = false;
    bool continueAsked_ = false;
    std::optional<fleet::FleetEnd> lastEnd_;
};

// The command: the configuration in the editors, the radio on the program's port.
class Shell;
void runWriteToSeveralRadios(Shell& shell);

} // namespace tsw::ui

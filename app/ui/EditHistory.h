#pragma once
// Undo and Redo for the whole program: the core UndoHistory bound to the Edit menu's actions and
// to the global configuration.
//
// No editor has to report its changes. After every user input, and whenever the event loop has
// nothing more to do, the configuration is compared with the last state of the history; when it
// differs, one step is recorded and named by the field that changed. A command that changes
// many fields at once holds an UndoStep while it runs: its changes become one step with the
// command's name. A dialog that knows which field the user edited records its change at once
// with recordUndoStep().
//
// Undo and Redo first let the focused control commit what the user typed (as leaving it would),
// then put the state into the globals and emit applied(): the main window has every open
// window show the image again. They never touch the radio.

#include <QObject>
#include <QTimer>

#include "app/UndoHistory.h"

class QAction;

namespace tsw::ui {

class EditHistory : public QObject {
    Q_OBJECT
public:
    explicit EditHistory(QObject* parent = nullptr);
    ~EditHistory() override;

    UndoHistory& history() { return history_; }
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    QAction* clearAction() const { return clear_; }

    // The configuration as it is now is the start of the history (start-up).
    void restart();
    // Records the change made since the last step, if there is one and no UndoStep is held.
    void recordPendingChange();
    // The same, naming the step `label` (a dialog that knows what the user edited).
    void recordChange(StepLabel label);

    // Save and Save As wrote the file: the current document takes its name and saved copy, also
    // while a command is held (the save question of a command that replaces the data).
    void documentSaved();

    // Undo and Redo as the actions run them; false when there was nothing to do.
    bool undo();
    bool redo();
    // Clear Undo History after the user has confirmed it (the action asks first).
    void clear();

    // The actions' texts in the current language and their enabling.
    void updateActions();
    // The name of the step the next Undo (Redo) would take; empty when there is none.
    QString undoName() const;
    QString redoName() const;

    // Held while a command runs: see UndoStep.
    void hold(StepLabel label);
    void release();
    bool held() const { return holds_ > 0; }

signals:
    // Undo or Redo put another state into the globals: windows show the image again.
    void applied(const QString& statusText);
    // A step was recorded or the document changed (name, saved copy): the title follows.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EditState currentState() const;
    DocumentInfo currentDocument() const;
    void record(StepLabel label, bool endOfCommand);
    bool move(bool forward);
    void putCurrentState();
    void finishEditing();
    void askToClear();

    UndoHistory history_;
    QAction* undo_;
    QAction* redo_;
    QAction* clear_;
    QTimer check_; // one check after a burst of input
    int holds_ = 0;
    StepLabel heldLabel_;
};

// The program's history (installed by the main window); null in widget tests without one.
EditHistory* editHistory();
void setEditHistory(EditHistory* history);

// While one lives, the changes made are gathered into one step, recorded under `label` when the
// outermost ends. A command that replaced the file (a new name or saved copy) starts a document
// of its own. Without a history it does nothing.
class UndoStep {
public:
    explicit UndoStep(StepLabel label = {});
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    EditHistory* history_;
};

// Records the change just made under `label` (nothing without a history).
void recordUndoStep(StepLabel label);

} // namespace tsw::ui

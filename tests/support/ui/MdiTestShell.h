#pragma once
// A stand-in main window for widget tests of editors: a QMainWindow with an MDI area that
// implements the Shell the way the main frame does (one window per editor command, counted,
// commands run through the editor registry, which it fills with the program's windows when it
// is made) and answers questions from a script.

#include <QMainWindow>
#include <QMdiArea>
#include <vector>

#include "app/ui/Shell.h"
#include "tests/support/TestSupport.h"

namespace tsw::test {

class MdiTestShell : public ui::Shell {
public:
    MdiTestShell(); // installs itself as the shell
    ~MdiTestShell() override;

    QMainWindow& mainWindow() { return main_; }
    QMdiArea& mdiArea() { return *area_; }
    int openEditorCount() const { return openCount_; }
    std::vector<int> posted;             // commands posted, in order
    std::vector<QString> statusMessages; // status bar notices, in order
    ScriptedPrompt scripted;             // answers every question

    QWidget* window() override { return &main_; }
    UserPrompt& prompt() override { return scripted; }
    void postCommand(int command) override;
    void runCommand(int command) override;
    ui::EditorForm* openEditor(int command) override;
    ui::EditorForm* openEditorOf(int command) override;
    void closeAllEditors() override;
    void refreshModelDisplay() override {}
    void refreshPortPane() override {}
    void refreshMenus() override {}
    void showStatusMessage(const QString& text) override { statusMessages.push_back(text); }
    void editorFrameCreated() override { ++openCount_; }
    void editorFrameDestroyed() override { --openCount_; }

private:
    QMainWindow main_;
    QMdiArea* area_;
    int openCount_ = 0;
};

} // namespace tsw::test

#pragma once
// Set-up shared by the desktop shell's widget tests: the program's language files, fresh
// globals, a settings home of their own, options without a splash, a help handler that
// records, and small editors that stand in for the real ones.

#include <QString>
#include <QTemporaryDir>
#include <optional>
#include <vector>

#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/MainWindow.h"
#include "app/ui/main/Application.h"

namespace tsw::test {

// Loads the language file of `code` from the build's program directory; false on failure.
bool loadTestLanguage(int code);
// The globals as a fresh start leaves them: default identity and image (saved), the default
// file name, port 1, `dataDirectory` (with a trailing separator), flags cleared.
void resetGlobals(const QString& dataDirectory);

// A main frame without its splash window.
ui::MainWindow::Options quietFrameOptions();
// Start-up from the build's program directory, without the splash window.
ui::StartOptions testStartOptions();

// Saves a picture of `w`'s window as <name>.png in $TSW_SCREENSHOT_DIR when that is set.
void screenshot(QWidget* w, const char* name);

// Writes `text` to `path`, making its folder first.
void writeTextFile(const QString& path, const QString& text);

// The user's settings live under a temporary home while this lives: QSettings (and so the
// program's INI file) resolve below it.
class TempSettingsHome {
public:
    TempSettingsHome();
    QString path() const { return dir_.path(); }
    QString iniPath() const { return dir_.path() + "/TALVERN/TSW62M.ini"; }
    void writeIni(const QString& text) const { writeTextFile(iniPath(), text); }
    QString readIni() const;

private:
    QTemporaryDir dir_;
};

// Records help requests and installs itself as the help handler while it lives. Every
// context opens unless `known` lists the ones that do; the default topic records as -1.
class RecordingHelp : public ui::HelpHandler {
public:
    RecordingHelp() { ui::setHelpHandler(this); }
    ~RecordingHelp() override { ui::setHelpHandler(nullptr); }
    bool openContext(int context) override;
    void openDefault() override { opened.push_back(-1); }
    void closeAll() override {}
    std::optional<std::vector<int>> known;
    std::vector<int> opened;
};

// An editor that stands in for a real one in main-frame tests.
class StandInEditor : public ui::EditorForm {
public:
    explicit StandInEditor(int helpContext, const QString& title);
};

// Registers stand-in editors for the commands of the Edit menu, command 1 and the two editors
// without a menu entry.
void registerStandInEditors();

} // namespace tsw::test

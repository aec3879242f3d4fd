#pragma once
// The application object: start-up in its fixed order, and the settings written at exit.
//
// Start-up: colour depth; command line; settings store; "Directry" (read from section
// "BackUp": section names compare without regard to case); the model identity (always the
// built-in "48:35:35:32:30:92:F3:FF"), the port, the default image and the fixed-pitch font;
// the program directory and the default data directory; "Language" and the help book path;
// the language file (a bad one ends the program with exit code 1 after its literal message);
// the main window with its toolbar, status bar and splash; a file named on the command line;
// the stored placement (or maximized); Close All; then Channel Information is posted.
//
// Exit: "LastModel", "ComPort" and "Language" when the save flag is set, then "Directry".

#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>

#include "app/Settings.h"
#include "app/ui/MessagePrompt.h"

namespace tsw::ui {

class MainWindow;
class HelpService;

struct StartOptions {
    QString programDirectory; // empty: where the executable lies
    bool showSplash = true;
    QStringList files; // files named on the command line
    // The store to use instead of the user's INI file (tests); not owned.
    SettingsStore* settings = nullptr;
};

class Application {
public:
    explicit Application(StartOptions options);
    ~Application();

    // "tsw62m [file]": the first argument that is not an option names a file to open.
    static StartOptions parseCommandLine(const QStringList& arguments);

    // The start-up steps; false ends the program at once with exitCode().
    bool initInstance();
    // Writes the settings (unless the program is ending after a language failure) and
    // returns the exit code: `loopCode`, or 1 after a language failure.
    int exitInstance(int loopCode);
    int exitCode() const { return exitCode_; }

    // Loads the language file for a code; on failure shows the literal message, marks the
    // program to end with exit code 1 and returns false.
    bool loadLanguage(int languageCode);
    // The settings are not written at exit (tests).
    void skipSettingsAtExit() { skipSettings_ = true; }

    MainWindow* mainWindow() const { return mainWindow_.get(); }
    HelpService& help() { return *help_; }
    SettingsStore& settings() { return *settings_; }
    const QString& programDirectory() const { return programDirectory_; }
    int colourDepth() const { return colourDepth_; }
    const QFont& fixedFont() const { return fixedFont_; }

private:
    void prepareData();

    StartOptions options_;
    std::unique_ptr<SettingsStore> ownSettings_;
    SettingsStore* settings_ = nullptr;
    MessagePrompt prompt_;
    std::unique_ptr<HelpService> help_;
    std::unique_ptr<MainWindow> mainWindow_;
    QString programDirectory_;
    QFont fixedFont_;
    int colourDepth_ = 0;
    int exitCode_ = 0;
    bool saveSettings_ = true; // LastModel, ComPort and Language are written at exit
    bool skipSettings_ = false;
    bool languageFailed_ = false;
};

} // namespace tsw::ui

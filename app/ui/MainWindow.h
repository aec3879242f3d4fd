#pragma once
// The program's main window: menus, toolbar, model display and status bar around the MDI area
// in which the editors open. It routes every menu command (the command table of
// app/CommandTable.h, the editors and handlers registered in app/ui/EditorRegistry.h), opens
// each editor at most once, counts the open editors, remembers its placement, and asks before
// the program closes.

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <functional>
#include <map>

#include "app/CommandTable.h"
#include "app/Settings.h"
#include "app/ui/FileCommands.h"
#include "app/ui/MessagePrompt.h"
#include "app/ui/Shell.h"
#include "app/ui/TreeWindow.h"

class QMdiArea;
class QMenu;
class QToolBar;
class QDragEnterEvent;
class QDropEvent;
class QDragMoveEvent;

namespace tsw::ui {

class EditHistory;
class EditorFrame;
class MdiClient;
class ModelDisplay;
class RecentFilesMenu;
class StatusPanes;
class HelpService;

class MainWindow : public QMainWindow, public Shell {
    Q_OBJECT
public:
    struct Options {
        bool showSplash = true;
        HelpService* help = nullptr; // the book follows the language; F1 goes through app/ui/Help.h
        // Reloads the language file for a code; false when the program must end (the
        // message was shown). Used by Language File Setup.
        std::function<bool(int languageCode)> reloadLanguage;
    };

    MainWindow(SettingsStore& settings, Options options, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shell
    QWidget* window() override { return this; }
    UserPrompt& prompt() override { return *prompt_; }
    void postCommand(int command) override;
    void runCommand(int command) override;
    EditorForm* openEditor(int command) override;
    EditorForm* openEditorOf(int command) override;
    void closeAllEditors() override;
    void refreshModelDisplay() override;
    void refreshPortPane() override;
    void refreshMenus() override;
    void editorFrameCreated() override;
    void editorFrameDestroyed() override;
    void showStatusMessage(const QString& text) override;

    // Questions go to `prompt` instead of message boxes (tests); null restores message boxes.
    void setPrompt(UserPrompt* prompt);

    // Opens a data file the user named outside the Open dialog (a recent file, a file dropped
    // on the window) as File > Open does: after the unsaved-changes question, as one undo step.
    // A file that no longer exists is only reported, and taken off the recent files.
    void openFileFromOutside(const QString& path);
    RecentFilesMenu* recentFiles() const { return recent_; }

    // Start-up: applies "LastWinPos" (exactly ten fields) or shows the window maximized.
    void showAtStoredPlacement();
    // The current placement as "LastWinPos" stores it.
    settings::WindowPlacement placement() const;

    FileCommands& files() { return files_; }
    EditHistory& editHistory() const { return *history_; }
    QMdiArea* mdiArea() const;
    QAction* action(int command) const; // fixed items and Edit/Program items; null if none
    QMenu* menu(MenuId id) const;
    QToolBar* toolBar() const { return toolBar_; }
    ModelDisplay* modelDisplay() const { return modelDisplay_; }
    StatusPanes* statusPanes() const { return statusPanes_; }
    TreeWindow* treeWindow() const { return tree_; }
    int openEditorCount() const { return count_.value(); }
    // After a language change: every text of the frame again.
    void retranslate();

signals:
    // The user confirmed closing and the main window closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    void createToolBar();
    void createModelBar();
    void createStatusBar();
    void createRecentFiles();
    void runAsCommand(int command, const std::function<void()>& work);
    QAction* makeAction(int command);
    void rebuildListMenu(MenuId id);
    void fillWindowMenu();
    void updateWindowMenuPresence();
    bool runBuiltIn(int command);
    bool arrange(int command); // the Window menu's arrangements
    void runModelInformation();
    void runLanguageSetup();
    void openTreeWindow();
    void storePlacement();
    EditorFrame* liveFrame(int command) const;
    void dispatch(int command);
    void refreshTitle();
    void updateChannelCommands();
    void showImageAgain(const QString& statusText);

    SettingsStore& settings_;
    Options options_;
    MessagePrompt messagePrompt_;
    UserPrompt* prompt_;
    FileCommands files_;
    OpenEditorCount count_;
    EditHistory* history_ = nullptr;
    MdiClient* mdi_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QToolBar* modelBar_ = nullptr;
    ModelDisplay* modelDisplay_ = nullptr;
    StatusPanes* statusPanes_ = nullptr;
    RecentFilesMenu* recent_ = nullptr;
    std::map<MenuId, QMenu*> menus_;
    std::map<int, QAction*> actions_;     // fixed menu items
    std::map<int, QAction*> listActions_; // Edit and Program items of the last rebuild
    std::map<int, QPointer<EditorFrame>> editors_;
    QPointer<TreeWindow> tree_;
    QPointer<QWidget> splash_;
};

} // namespace tsw::ui

#include "app/ui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DefaultImage.h"
#include "app/ui/AboutBox.h"
#include "app/ui/DialogFit.h"
#include "app/ui/EditHistory.h"
#include "app/ui/EditorForm.h"
#include "app/ui/EditorFrame.h"
#include "app/ui/EditorPlacement.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/Help.h"
#include "app/ui/LanguageSetupDialog.h"
#include "app/ui/MdiClient.h"
#include "app/ui/MenuMnemonics.h"
#include "app/ui/ModelDisplay.h"
#include "app/ui/ModelInfoDialog.h"
#include "app/ui/Modules.h"
#include "app/ui/SplashWindow.h"
#include "app/ui/StatusPanes.h"
#include "app/ui/SvgIcon.h"
#include "app/ui/TreeWindow.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {

constexpr char kProgramTitle[] = "TSW-62M";
// The file name, the modified mark where Qt puts "[*]", the program: "radio.dat* — TSW-62M".
constexpr char kTitlePattern[] = "%1[*] \u2014 %2";
constexpr char kExitCaption[] = "Confirmation";
constexpr int kRestoreToMaximized = 2; // placement flag
enum ShowState {
    Hide = 0,
    Normal = 1,
    Minimized = 2,
    Maximized = 3,
    Minimize = 6,
    MinNoActive = 7
};
constexpr int kTreeDrop = 26; // the tree window sits this much lower than its template place
constexpr int kStatusMessageMs = 8000;

// The normal rectangle, unless it is too small or lies off every screen.
QRect usableRect(const QRect& r) {
    if (r.width() < 200 || r.height() < 150)
        return {};
    for (const QScreen* s : QGuiApplication::screens())
        if (s->availableGeometry().intersects(r))
            return r;
    return {};
}

} // namespace

MainWindow::MainWindow(SettingsStore& settings, Options options, QWidget* parent)
    : QMainWindow(parent), settings_(settings), options_(std::move(options)), messagePrompt_(this),
      prompt_(&messagePrompt_), files_(*this), history_(new EditHistory(this)) {
    setShell(this);
    setEditHistory(history_);
    installKeyConventions();
    installDialogFit();
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    QApplication::setWindowIcon(svgIcon(kAppIcon)); // every window of the program
    setWindowIcon(svgIcon(kAppIcon));
    mdi_ = new MdiClient(settings_, this);
    setCentralWidget(mdi_);
    createMenus();
    new MenuMnemonics(this);
    createToolBar();
    createModelBar();
    createStatusBar();
    createRecentFiles();
    if (options_.showSplash) {
        auto* splash = new SplashWindow;
        connect(splash, &SplashWindow::ended, this, [this] { update(); });
        splash->start();
        splash_ = splash;
    }
    refreshPortPane();
    AppGlobals& g = globals();
    resetImageToDefaults(g);
    refreshModelDisplay();
    markSaved(g);
    history_->restart();
    connect(history_, &EditHistory::changed, this, &MainWindow::refreshTitle);
    connect(history_, &EditHistory::applied, this, &MainWindow::showImageAgain);
    refreshMenus();
    resize(1024, 720);
}

MainWindow::~MainWindow() {
    delete tree_.data();
    setEditHistory(nullptr);
    setShell(nullptr);
}

QMdiArea* MainWindow::mdiArea() const {
    return mdi_;
}

void MainWindow::setPrompt(UserPrompt* prompt) {
    prompt_ = prompt ? prompt : &messagePrompt_;
}

void MainWindow::postCommand(int command) {
    QMetaObject::invokeMethod(
        this, [this, command] { runCommand(command); }, Qt::QueuedConnection);
}

// A command that changes the configuration as a whole is one undo step; one that replaces it
// first asks to save unsaved changes (Cancel, or a save that did not happen, ends it).
void MainWindow::runCommand(int command) {
    runAsCommand(command, [this, command] { dispatch(command); });
}

// `work` runs as `command` would: as its undo step, after its save question.
void MainWindow::runAsCommand(int command, const std::function<void()>& work) {
    const CommandUndoStep* step = commandUndoStep(command);
    if (!step) {
        work();
        return;
    }
    history_->recordPendingChange();
    if (step->asksToSave && !files_.askToSaveChanges())
        return;
    UndoStep undoStep(StepLabel{step->name});
    work();
}

void MainWindow::dispatch(int command) {
    if (runBuiltIn(command))
        return;
    if (command == cmd::OpenChannelEdit && globals().flags.closeWithoutAsking)
        return; // not while print preview runs
    if (findEditorFactory(command)) {
        openEditor(command);
        return;
    }
    if (const CommandHandler* handler = findCommandHandler(command))
        (*handler)(*this);
}

bool MainWindow::runBuiltIn(int command) {
    switch (command) {
    case cmd::FileNew:
        files_.newFile();
        return true;
    case cmd::FileOpen:
        files_.open();
        return true;
    case cmd::FileSave:
        files_.save();
        return true;
    case cmd::FileSaveAs:
        files_.saveAs();
        return true;
    case cmd::FileExit:
        close();
        return true;
    case cmd::ModelInformation:
        runModelInformation();
        return true;
    case cmd::LanguageFileSetup:
        runLanguageSetup();
        return true;
    case cmd::TreeView:
        openTreeWindow();
        return true;
    case cmd::ViewToolbar:
        toolBar_->setHidden(!toolBar_->isHidden());
        refreshMenus();
        return true;
    case cmd::ViewStatusBar:
        statusBar()->setHidden(!statusBar()->isHidden());
        refreshMenus();
        return true;
    case cmd::VerifyAfterWriting:
        globals().verifyAfterWrite = !globals().verifyAfterWrite;
        settings::writeVerifyAfterWrite(settings_, globals().verifyAfterWrite);
        refreshMenus();
        return true;
    case cmd::CloseAllWindows:
        closeAllEditors();
        return true;
    case cmd::HelpTopics:
        showDefaultHelp();
        return true;
    case cmd::HelpAbout: {
        AboutBox about(this);
        about.exec();
        return true;
    }
    default:
        return arrange(command);
    }
}

EditorFrame* MainWindow::liveFrame(int command) const {
    auto it = editors_.find(command);
    if (it == editors_.end() || !it->second || it->second->isClosing())
        return nullptr;
    return it->second;
}

EditorForm* MainWindow::openEditorOf(int command) {
    EditorFrame* frame = liveFrame(command);
    return frame ? frame->form() : nullptr;
}

EditorForm* MainWindow::openEditor(int command) {
    if (EditorFrame* frame = liveFrame(command)) {
        if (frame->isMinimized())
            frame->showNormal();
        mdi_->setActiveSubWindow(frame);
        frame->raise();
        return frame->form();
    }
    const EditorFactory* factory = findEditorFactory(command);
    EditorForm* form = factory ? (*factory)() : nullptr;
    if (!form)
        return nullptr; // no editor: the command ends without a message
    // The frame takes the form's title last: while a sub-window has a title, each change of its
    // geometry and state during the set-up measures the elided title again (a hundred times
    // for the channel table).
    const QString title = form->windowTitle();
    form->setWindowTitle(QString());
    auto* frame = new EditorFrame(command, form, mdi_->viewport());
    mdi_->addSubWindow(frame);
    placeNewEditor(*mdi_, *frame, settings_);
    connect(frame, &EditorFrame::closing, this,
            [this, frame] { rememberEditorPlace(settings_, *frame); });
    editors_[command] = frame;
    frame->show();
    mdi_->setActiveSubWindow(frame);
    form->setWindowTitle(title);
    refreshMenus();
    return form;
}

void MainWindow::closeAllEditors() {
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        sub->close();
    if (tree_)
        QMetaObject::invokeMethod(tree_.data(), &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::editorFrameCreated() {
    if (count_.add())
        refreshMenus();
}

void MainWindow::editorFrameDestroyed() {
    if (count_.remove())
        refreshMenus();
    else
        updateChannelCommands();
}

void MainWindow::refreshModelDisplay() {
    modelDisplay_->refresh();
    refreshTitle();
}

void MainWindow::refreshTitle() {
    const AppGlobals& g = globals();
    setWindowTitle(
        QString::fromUtf8(kTitlePattern)
            .arg(QString::fromStdString(g.currentFileName), QString::fromLatin1(kProgramTitle)));
    setWindowModified(hasUnsavedChanges(g));
}

// The modified mark is the data's: an MDI child that closes clears the flag of the window it
// lies in, and it is put back.
void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ModifiedChange && history_ &&
        isWindowModified() != hasUnsavedChanges(globals()))
        setWindowModified(hasUnsavedChanges(globals()));
}

void MainWindow::showStatusMessage(const QString& text) {
    statusBar()->showMessage(text, kStatusMessageMs);
}

// After Undo or Redo: every open window shows the image; one that cannot opens anew.
void MainWindow::showImageAgain(const QString& statusText) {
    refreshModelDisplay();
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        auto* frame = qobject_cast<EditorFrame*>(sub);
        if (!frame || frame->isClosing() || !frame->form() || frame->form()->showImageAgain())
            continue;
        const int command = frame->command();
        const QRect geometry = frame->geometry();
        frame->close();
        if (openEditor(command))
            if (EditorFrame* again = liveFrame(command))
                again->setGeometry(geometry);
    }
    showStatusMessage(statusText);
}

void MainWindow::refreshPortPane() {
    statusPanes_->setPort(globals().portNumber);
}

// Another model replaces the data by its default image. With unsaved changes the user is
// asked first, about the data as it was before the dialog: Cancel leaves it so.
void MainWindow::runModelInformation() {
    struct Model {
        RadioImage image;
        ModelIdentity identity;
        int index;
    };
    AppGlobals& g = globals();
    const Model before{g.image, g.identity, g.modelIndex};
    ModelInfoDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.modelChanged()) {
        const Model chosen{g.image, g.identity, g.modelIndex};
        const auto put = [&g](const Model& m) {
            g.image = m.image;
            g.identity = m.identity;
            g.modelIndex = m.index;
        };
        put(before);
        if (!files_.askToSaveChanges()) {
            refreshModelDisplay();
            return;
        }
        put(chosen);
        resetImageForChosenModel(g);
        closeAllEditors();
        postCommand(cmd::ChannelInformation);
    }
    refreshModelDisplay();
}

void MainWindow::runLanguageSetup() {
    AppGlobals& g = globals();
    LanguageSetupDialog dialog(g.languageCode, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    g.languageCode = dialog.chosenCode();
    const std::string untitled = g.language.text(StrId::DefaultFileName);
    if (options_.reloadLanguage && !options_.reloadLanguage(g.languageCode))
        return; // the program ends
    followLanguageInFileName(g, untitled);
    retranslate();
    closeAllHelp();
    if (options_.help)
        options_.help->setHelpFile(
            fromStd(settings::replaceHelpLetter(toStd(options_.help->helpFile()), g.languageCode)));
    closeAllEditors();
    refreshModelDisplay();
    postCommand(cmd::ChannelInformation);
}

void MainWindow::openTreeWindow() {
    if (tree_)
        return;
    tree_ = new TreeWindow(*this, this);
    tree_->setWindowFlag(Qt::Tool);
    tree_->move(mapToGlobal(QPoint(20, 20 + kTreeDrop)));
    tree_->show();
}

settings::WindowPlacement MainWindow::placement() const {
    settings::WindowPlacement p;
    p.flags = (windowState() & Qt::WindowMaximized) ? kRestoreToMaximized : 0;
    p.showState = isMinimized() ? Minimized : isMaximized() ? Maximized : Normal;
    p.minX = p.minY = p.maxX = p.maxY = -1;
    QRect r = normalGeometry();
    if (!r.isValid())
        r = geometry();
    p.left = r.left();
    p.top = r.top();
    p.right = r.left() + r.width();
    p.bottom = r.top() + r.height();
    return p;
}

void MainWindow::showAtStoredPlacement() {
    const auto p = settings::readLastWinPos(settings_);
    if (!p) {
        showMaximized();
        return;
    }
    const QRect r = usableRect(QRect(p->left, p->top, p->right - p->left, p->bottom - p->top));
    if (r.isValid())
        setGeometry(r);
    switch (p->showState) {
    case Maximized:
        showMaximized();
        break;
    case Minimized:
    case Minimize:
    case MinNoActive:
        if (p->flags & kRestoreToMaximized)
            setWindowState(Qt::WindowMaximized);
        showMinimized();
        break;
    default: // Hide would leave the program invisible: shown normally instead
        showNormal();
        break;
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (splash_) // the splash stays in front of the window shown after it
        splash_->raise();
}

void MainWindow::storePlacement() {
    settings::writeLastWinPos(settings_, placement());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    AppGlobals& g = globals();
    if (g.flags.closeWithoutAsking) { // a close during print preview only ends the preview
        g.flags.closeWithoutAsking = false;
        event->ignore();
        return;
    }
    Prompt confirm;
    confirm.textId = StrId::ExitQuestion;
    confirm.text = tsw::tr(StrId::ExitQuestion);
    confirm.caption = kExitCaption;
    confirm.icon = PromptIcon::Question;
    confirm.buttons = PromptButtons::YesNo;
    confirm.defaultAnswer = PromptAnswer::Yes;
    if (prompt_->ask(confirm) != PromptAnswer::Yes) {
        event->ignore();
        return;
    }
    closeAllHelp();
    if (!files_.askToSaveChanges()) {
        event->ignore();
        return;
    }
    storePlacement();
    for (const auto& [command, frame] : editors_)
        if (frame && !frame->isClosing())
            rememberEditorPlace(settings_, *frame);
    if (tree_)
        tree_->close();
    event->accept();
    emit closed();
}

} // namespace tsw::ui

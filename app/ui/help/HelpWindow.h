#pragma once
// The help window on Qt Help: the compiled help book of the current language
// (<program directory>/tsw62m_<letter>.qch) with its contents, index and full-text search, and
// a page view. Each help context number N is a keyword of the book with the identifier "ctx.N";
// the default topic has the identifier "ctx.default".
//
// HelpSystem is the program's help service (app/ui/Help.h). It starts the help engine on first
// use, not at start-up; the engine's collection file lives in the user's cache folder. The
// program reaches it through the help module (app/ui/HelpModule.h), which this file is built
// into, so that Qt Help and its libraries load with the first help request; the tests link it
// directly. It uses nothing of the program but what it is given: the prompt and the texts.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <memory>

#include "app/UserPrompt.h"
#include "app/ui/Help.h"

class QHelpEngine;
class QTabWidget;

namespace tsw::ui {

// The identifier of a context's topic ("ctx.130"); "ctx.default" for the default topic.
QString helpIdentifier(int context);
inline constexpr char kDefaultTopicIdentifier[] = "ctx.default";

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(QHelpEngine* engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine* engine_;
};

class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class Tab { Contents = 0, Index = 1, Search = 2 };
    HelpWindow(QHelpEngine* engine, const HelpWindowTexts& texts, QWidget* parent = nullptr);
    void showPage(const QUrl& url);
    void showTab(Tab tab);
    QUrl currentPage() const { return browser_->source(); }
    HelpBrowser* browser() const { return browser_; }
    QTabWidget* tabs() const { return tabs_; }

private:
    QWidget* createSearchPage();
    QHelpEngine* engine_;
    QTabWidget* tabs_;
    HelpBrowser* browser_;
    bool indexed_ = false;
};

class HelpSystem : public HelpService {
public:
    // `prompt` reports a missing help book; `texts` gives the help window's own texts.
    HelpSystem(UserPrompt& prompt, HelpTextSource texts);
    ~HelpSystem() override;

    // The help book; a different file closes the window and restarts the engine on next use.
    void setHelpFile(const QString& path) override;
    QString helpFile() const override { return helpFile_; }
    bool engineStarted() const override { return engine_ != nullptr; }

    bool openContext(int context) override;
    void openDefault() override;
    void closeAll() override;

    // Help window with the contents, the index, or the search with an empty query.
    void showContents();
    void showIndex();
    void showSearch();

    QHelpEngine* engine() const { return engine_.get(); }
    HelpWindow* window() const { return window_; }

private:
    bool ensureEngine(); // false when the book is missing (reported) or unusable
    bool openIdentifier(const QString& id);
    HelpWindow* showWindow();
    void followModalDialog();
    void stopEngine();

    UserPrompt& prompt_;
    HelpTextSource texts_;
    QString helpFile_;
    std::unique_ptr<QHelpEngine> engine_;
    QPointer<HelpWindow> window_;
};

} // namespace tsw::ui

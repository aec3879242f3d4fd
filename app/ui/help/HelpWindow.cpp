#include "app/ui/help/HelpWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/LanguageTable.h"

namespace tsw::ui {
namespace {

QString collectionFileFor(const QString& helpFile) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    dir += QStringLiteral("/help");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + QFileInfo(helpFile).completeBaseName() + QStringLiteral(".qhc");
}

} // namespace

QString helpIdentifier(int context) {
    return QStringLiteral("ctx.%1").arg(context);
}

HelpBrowser::HelpBrowser(QHelpEngine* engine, QWidget* parent)
    : QTextBrowser(parent), engine_(engine) {}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qthelp"))
        return engine_->fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QHelpEngine* engine, const HelpWindowTexts& texts, QWidget* parent)
    : QMainWindow(parent), engine_(engine), tabs_(new QTabWidget),
      browser_(new HelpBrowser(engine, this)) {
    // Not deleted on close: it shows the engine's own widgets and lives as long as the engine.
    setWindowTitle(texts.title);
    tabs_->addTab(engine->contentWidget(), texts.contentsTab);
    tabs_->addTab(engine->indexWidget(), texts.indexTab);
    tabs_->addTab(createSearchPage(), texts.searchTab);
    connect(engine->contentWidget(), &QHelpContentWidget::linkActivated, this,
            &HelpWindow::showPage);
    connect(engine->indexWidget(), &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { showPage(link.url); });
    connect(engine->indexWidget(), &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty())
                    showPage(links.first().url);
            });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == static_cast<int>(Tab::Search) && !indexed_) {
            indexed_ = true;
            engine_->searchEngine()->scheduleIndexDocumentation();
        }
    });
    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 3);
    setCentralWidget(splitter);
    resize(900, 640);
}

QWidget* HelpWindow::createSearchPage() {
    QHelpSearchEngine* search = engine_->searchEngine();
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(search->queryWidget());
    layout->addWidget(search->resultWidget(), 1);
    connect(search->queryWidget(), &QHelpSearchQueryWidget::search, this,
            [search] { search->search(search->queryWidget()->searchInput()); });
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this,
            &HelpWindow::showPage);
    return page;
}

void HelpWindow::showPage(const QUrl& url) {
    browser_->setSource(url);
}

void HelpWindow::showTab(Tab tab) {
    tabs_->setCurrentIndex(static_cast<int>(tab));
    if (tab == Tab::Search)
        engine_->searchEngine()->queryWidget()->setSearchInput(QString());
}

HelpSystem::HelpSystem(UserPrompt& prompt, HelpTextSource texts)
    : prompt_(prompt), texts_(std::move(texts)) {}

HelpSystem::~HelpSystem() {
    stopEngine();
}

void HelpSystem::setHelpFile(const QString& path) {
    if (path == helpFile_)
        return;
    stopEngine();
    helpFile_ = path;
}

void HelpSystem::stopEngine() {
    delete window_.data(); // with the engine's widgets it shows (and the engine, see showWindow)
    engine_.reset();
}

bool HelpSystem::ensureEngine() {
    if (!QFileInfo::exists(helpFile_)) {
        Prompt p;
        p.text = missingHelpFileMessage(helpFile_).toStdString();
        p.caption = std::string(LanguageTable::kWrapperCaption);
        p.icon = PromptIcon::Exclamation;
        prompt_.ask(p);
        return false;
    }
    if (engine_)
        return true;
    auto engine = std::make_unique<QHelpEngine>(collectionFileFor(helpFile_));
    engine->setReadOnly(false); // the collection file is ours: the book is registered in it
    if (!engine->setupData()) {
        qWarning("help: %s", qPrintable(engine->error()));
        return false;
    }
    const QString ns = QHelpEngineCore::namespaceName(helpFile_);
    const QString registered = engine->documentationFileName(ns);
    if (!registered.isEmpty() &&
        QFileInfo(registered).canonicalFilePath() != QFileInfo(helpFile_).canonicalFilePath())
        engine->unregisterDocumentation(ns);
    if (engine->documentationFileName(ns).isEmpty() && !engine->registerDocumentation(helpFile_)) {
        qWarning("help: %s", qPrintable(engine->error()));
        return false;
    }
    engine_ = std::move(engine);
    return true;
}

HelpWindow* HelpSystem::showWindow() {
    if (!window_) {
        window_ = new HelpWindow(engine_.get(), texts_ ? texts_() : HelpWindowTexts{});
        // Should the window go with something else than stopEngine, the engine's widgets it
        // showed go with it: the engine starts again on the next request.
        QObject::connect(window_, &QObject::destroyed, [this] { engine_.reset(); });
    }
    followModalDialog();
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_;
}

// A modal dialog (Test Mode, a copy dialog, a message box ...) blocks input to every other
// window, the help window too. While one runs, the help window belongs to it, so the user can
// read, scroll and search the help beside the dialog; when the dialog ends, the help window is
// a window of its own again (or belongs to the modal dialog underneath), where it was.
void HelpSystem::followModalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == window_ || window_->parentWidget() == modal)
        return;
    const bool shown = window_->isVisible();
    const QRect placed = window_->geometry();
    window_->setParent(modal, Qt::Window); // hides it
    window_->setGeometry(placed);
    if (shown)
        window_->show();
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        QObject::connect(
            dialog, &QDialog::finished, window_, [this] { followModalDialog(); },
            Qt::SingleShotConnection);
}

bool HelpSystem::openIdentifier(const QString& id) {
    const QList<QHelpLink> links = engine_->documentsForIdentifier(id);
    if (links.isEmpty())
        return false;
    showWindow()->showPage(links.first().url);
    return true;
}

bool HelpSystem::openContext(int context) {
    if (!ensureEngine())
        return true; // reported, or nothing to show: no second attempt
    return openIdentifier(helpIdentifier(context));
}

void HelpSystem::openDefault() {
    if (!ensureEngine())
        return;
    if (!openIdentifier(QString::fromLatin1(kDefaultTopicIdentifier)))
        showWindow()->showTab(HelpWindow::Tab::Contents);
}

void HelpSystem::closeAll() {
    if (window_)
        window_->close();
}

void HelpSystem::showContents() {
    if (ensureEngine())
        showWindow()->showTab(HelpWindow::Tab::Contents);
}

void HelpSystem::showIndex() {
    if (ensureEngine())
        showWindow()->showTab(HelpWindow::Tab::Index);
}

void HelpSystem::showSearch() {
    if (ensureEngine())
        showWindow()->showTab(HelpWindow::Tab::Search);
}

} // namespace tsw::ui

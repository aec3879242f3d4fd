// Every window at scale 2 on a 1600 x 1000 screen (800 x 500 logical pixels): each editor and
// each dialog, opened as the user opens them, has every control in sight or within reach of a
// scroll area; forms are never laid out below their minimum, not even tiled or cascaded. New
// editor windows open clear of the buttons of those open and come back where they were closed.
//
// The test runs on the offscreen platform with a screen of that size (it sets the platform up
// itself). Run on a display (DISPLAY set, e.g. under Xvfb at 1600x1000), it uses that screen;
// with TSW_SCREENSHOT_DIR set it saves a picture of each window there, and TSW_LOOK_DARK=1
// shows everything in a dark desktop palette; TSW_LANGUAGES="1,2,4" picks the languages
// (English and German unless told).

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/Settings.h"
#include "app/WindowPlace.h"
#include "app/ui/EditorForm.h"
#include "app/ui/EditorFrame.h"
#include "app/ui/EditorPlacement.h"
#include "app/ui/FitScrollArea.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtLanguage.h"
#include "app/ui/main/EditorWindows.h"
#include "link/PortNames.h"
#include "link/ui/RadioLink.h"
#include "link/ui/TestModeDialog.h"
#include "link/ui/TestModeIds.h"
#include "tests/support/RadioSim.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DarkPalette.h"
#include "tests/support/ui/ModalAnswerer.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;

namespace {

const char kLetters[] = " defgis";

struct Window {
    int command;
    const char* name;
};

const Window kEditors[] = {
    {cmd::ChannelInformation, "channel-information"},
    {cmd::OpenChannelEdit, "channel-edit"},
    {cmd::OptionalFeatures, "optional-features"},
    {cmd::KeyAssignment, "key-assignment"},
    {cmd::ScanInformation, "scan"},
    {cmd::Dtmf, "dtmf"},
    {cmd::CrewLink, "crewlink"},
    {cmd::TestFrequency, "test-frequency"},
    {cmd::EmbeddedMessage, "embedded-message"},
};

const Window kDialogs[] = {
    {cmd::ModelInformation, "model-information"},
    {cmd::LanguageFileSetup, "language-file-setup"},
    {cmd::HelpAbout, "about"},
    {cmd::FilePrint, "print-out-list"},
    {cmd::MemoryMap, "memory-map"},
    {cmd::QtDqtTable, "qtdqt-table"},
    {cmd::CommunicationPort, "communication-port"},
    {cmd::RadioInformation, "radio-information"},
    {cmd::ReadFromRadio, "transfer"},
    {cmd::TestMode, "test-mode"},
};

// The controls a user works: buttons, boxes, lists, grids, tabs, sliders.
bool isControl(const QWidget* w) {
    if (qobject_cast<const QScrollBar*>(w))
        return false;
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractItemView*>(p) ||
            qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QTabBar*>(p))
            return false; // a part of a composite control
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QTabBar*>(w);
}

QRect globalRect(const QWidget* w) {
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

// The part of `w` that shows: clipped by every parent up to its window and by the screen.
QRect shownPart(const QWidget* w) {
    QRect r = globalRect(w);
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        r &= globalRect(p);
        if (p->isWindow())
            break;
    }
    return r & w->screen()->availableGeometry();
}

// Moves the scroll bars of `area` as a user would until all of `control` shows, as far as they
// go. (QScrollArea::ensureWidgetVisible() shows only the text cursor of an edit box.)
void scrollToWhole(QScrollArea* area, QWidget* control) {
    if (!area->widget())
        return;
    const QRect r(control->mapTo(area->widget(), QPoint(0, 0)), control->size());
    const QSize view = area->viewport()->size();
    for (const auto& [bar, start, length, room] :
         {std::tuple{area->horizontalScrollBar(), r.left(), r.width(), view.width()},
          std::tuple{area->verticalScrollBar(), r.top(), r.height(), view.height()}}) {
        if (start < bar->value())
            bar->setValue(start);
        else if (start + length > bar->value() + room)
            bar->setValue(std::min(start, start + length - room));
    }
}

// Why `control` cannot be reached in its window, or an empty text. The scroll areas around it
// are scrolled to it first.
QString unreachable(QWidget* control) {
    QScrollArea* innermost = nullptr;
    for (QWidget* p = control->parentWidget(); p; p = p->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(p)) {
            innermost = innermost ? innermost : area;
            scrollToWhole(area, control);
        }
    const QRect shown = shownPart(control);
    if (shown == globalRect(control))
        return {};
    // Larger than the scroll area's view: every part of it must lie in what the area scrolls.
    if (innermost && innermost->widget() &&
        (control->width() > innermost->viewport()->width() ||
         control->height() > innermost->viewport()->height())) {
        const QRect content = globalRect(innermost->widget());
        if (content.contains(globalRect(control)) &&
            shownPart(innermost->viewport()) == globalRect(innermost->viewport()))
            return {};
    }
    QString clip = QStringLiteral("the screen");
    for (const QWidget* p = control->parentWidget(); p; p = p->parentWidget())
        if (!globalRect(p).contains(globalRect(control))) {
            clip = QString::fromLatin1(p->metaObject()->className());
            break;
        }
    return QStringLiteral("%1 (cut by %2) shows %3,%4 %5x%6 of %7,%8 %9x%10")
        .arg(QString::fromLatin1(control->metaObject()->className()), clip)
        .arg(shown.x())
        .arg(shown.y())
        .arg(shown.width())
        .arg(shown.height())
        .arg(globalRect(control).x())
        .arg(globalRect(control).y())
        .arg(control->width())
        .arg(control->height());
}

// Every control of `window` (each page of its tabs in turn) that cannot be reached.
QStringList unreachableControls(QWidget* window, const QString& name) {
    QStringList problems;
    QList<QTabWidget*> tabs = window->findChildren<QTabWidget*>();
    const int pages = tabs.isEmpty() ? 1 : tabs.first()->count();
    for (int page = 0; page < pages; ++page) {
        if (!tabs.isEmpty())
            tabs.first()->setCurrentIndex(page);
        QCoreApplication::processEvents();
        for (QWidget* w : window->findChildren<QWidget*>())
            if (isControl(w) && w->isVisibleTo(window) && w->isVisible())
                if (const QString why = unreachable(w); !why.isEmpty())
                    problems << QStringLiteral("%1 (page %2): %3").arg(name).arg(page).arg(why);
    }
    if (!tabs.isEmpty())
        tabs.first()->setCurrentIndex(0);
    const QRect screen = window->screen()->availableGeometry();
    if (!screen.contains(window->frameGeometry()) && window->isWindow())
        problems << QStringLiteral("%1: the window reaches past the screen: %2,%3 %4x%5")
                        .arg(name)
                        .arg(window->frameGeometry().x())
                        .arg(window->frameGeometry().y())
                        .arg(window->frameGeometry().width())
                        .arg(window->frameGeometry().height());
    return problems;
}

// Where the body of each editor form is laid out smaller than its minimum.
QStringList squeezedForms(const QMdiArea* area) {
    QStringList problems;
    for (const QMdiSubWindow* sub : area->subWindowList())
        if (const auto* frame = qobject_cast<const EditorFrame*>(sub)) {
            const QWidget* body = frame->form()->body();
            const QSize min = body->minimumSizeHint();
            if (body->width() < min.width() || body->height() < min.height())
                problems << QStringLiteral("%1: %2x%3 below %4x%5")
                                .arg(sub->windowTitle())
                                .arg(body->width())
                                .arg(body->height())
                                .arg(min.width())
                                .arg(min.height());
        }
    return problems;
}

void save(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("TSW_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w->grab().save(dir + QLatin1Char('/') + name + QLatin1String(".png"));
}

// Moves the workspace's scroll bars as a user would until `sub` is in sight (as far as they go).
void scrollWorkspaceTo(QMdiArea* area, const QMdiSubWindow* sub) {
    const QRect view = area->viewport()->rect();
    for (int round = 0; round < 3 && !view.contains(sub->geometry()); ++round) {
        const QRect g = sub->geometry();
        QScrollBar* h = area->horizontalScrollBar();
        QScrollBar* v = area->verticalScrollBar();
        if (g.right() > view.right())
            h->setValue(h->value() + std::min(g.right() - view.right(), g.left()));
        else if (g.left() < 0)
            h->setValue(h->value() + g.left());
        if (g.bottom() > view.bottom())
            v->setValue(v->value() + std::min(g.bottom() - view.bottom(), g.top()));
        else if (g.top() < 0)
            v->setValue(v->value() + g.top());
        QCoreApplication::processEvents();
    }
}

QList<int> languages() {
    QList<int> codes;
    for (const QString& s : qEnvironmentVariable("TSW_LANGUAGES", "2,4").split(QLatin1Char(',')))
        if (const int code = s.trimmed().toInt(); code >= 1 && code <= 6)
            codes << code;
    return codes;
}

} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void theScreenIsSmall();
    void everyEditorHasEveryControlWithinReach();
    void everyDialogHasEveryControlWithinReach();
    void tiledAndCascadedFormsKeepTheirMinimum();
    void newEditorsOpenClearOfTheButtonsOfOpenOnes();
    void editorsComeBackWhereTheyWereClosed();
    void badOrTooLargeStoredPlacesStayInTheWorkspace_data();
    void badOrTooLargeStoredPlacesStayInTheWorkspace();

private:
    void openMainWindow();
    QStringList lookAtDialogs(const QString& prefix);

    QTemporaryDir dir_;
    std::unique_ptr<MemorySettingsStore> settings_;
    std::unique_ptr<test::ScriptedPrompt> prompt_;
    std::unique_ptr<MainWindow> frame_;
};

void WindowFitTest::initTestCase() {
    ui::registerEditorWindows(); // the program's windows behind the commands
    QVERIFY(dir_.isValid());
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("cache"))));
    if (test::darkLookRequested())
        test::applyDarkLook();
}

void WindowFitTest::init() {
    frame_.reset();
    QVERIFY(test::loadTestLanguage(2));
    test::resetGlobals(dir_.path());
    settings_ = std::make_unique<MemorySettingsStore>();
    prompt_ = std::make_unique<test::ScriptedPrompt>();
}

void WindowFitTest::openMainWindow() {
    frame_ = std::make_unique<MainWindow>(*settings_, MainWindow::Options{false, nullptr, {}});
    frame_->setPrompt(prompt_.get());
    frame_->setGeometry(frame_->screen()->availableGeometry());
    frame_->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
}

void WindowFitTest::theScreenIsSmall() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.width() <= 800 && screen.height() <= 500,
             qPrintable(QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height())));
}

void WindowFitTest::everyEditorHasEveryControlWithinReach() {
    QStringList problems;
    for (const int code : languages()) {
        QVERIFY(test::loadTestLanguage(code));
        applyQtLanguage(code);
        openMainWindow();
        const QString letter(QChar::fromLatin1(kLetters[code]));
        for (const Window& e : kEditors) {
            frame_->runCommand(e.command);
            QCoreApplication::processEvents();
            EditorForm* form = frame_->openEditorOf(e.command);
            QVERIFY2(form, e.name);
            auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
            frame_->mdiArea()->setActiveSubWindow(sub);
            QCoreApplication::processEvents();
            QVERIFY2(frame_->mdiArea()->viewport()->rect().contains(sub->geometry()), e.name);
            save(frame_.get(), letter + QLatin1Char('-') + QLatin1String(e.name));
            problems << unreachableControls(form, QLatin1String(e.name));
        }
        problems << squeezedForms(frame_->mdiArea());
        frame_->closeAllEditors();
        QTRY_COMPARE(frame_->openEditorCount(), 0);
        frame_.reset();
    }
    applyQtLanguage(2);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

// The modal dialogs of the main frame, the copy dialogs and the adjustment dialogs of Test
// Mode (they talk to the simulated radio on COM1).
QStringList WindowFitTest::lookAtDialogs(const QString& prefix) {
    QStringList problems;
    test::RadioSim radio;
    ui::RadioLink::instance().setPortMappingSource([port = radio.port(), this] {
        PortMapping mapping;
        for (int n = 1; n <= 20; ++n)
            mapping[n] = n == 1 ? port : dir_.filePath("no-such-port").toStdString();
        return mapping;
    });
    for (const Window& d : kDialogs) {
        QString name = prefix + QLatin1String(d.name);
        test::ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* testMode = qobject_cast<TestModeDialog*>(modal)) {
                QString item;
                test::ModalAnswerer inner([&](QWidget* tuning) {
                    if (tuning == testMode)
                        return false;
                    save(tuning, item);
                    problems << unreachableControls(tuning, item);
                    tuning->close();
                    return true;
                });
                for (const auto& [row, itemName] :
                     {std::pair{0, "tuning-tabbed"}, std::pair{7, "tuning-battery-level"}}) {
                    item = prefix + QLatin1String(itemName);
                    testMode->itemList()->setCurrentRow(row);
                    testMode->button(testmode::kTuningMode)->click();
                }
            }
            save(modal, name);
            problems << unreachableControls(modal, name);
            name += QLatin1String("-next");
            modal->close();
            return true;
        });
        frame_->runCommand(d.command);
        QCoreApplication::processEvents();
    }
    return problems;
}

void WindowFitTest::everyDialogHasEveryControlWithinReach() {
    QStringList problems;
    for (const int code : languages()) {
        QVERIFY(test::loadTestLanguage(code));
        applyQtLanguage(code);
        openMainWindow();
        problems << lookAtDialogs(QString(QChar::fromLatin1(kLetters[code])) + QLatin1Char('-'));
        frame_.reset();
    }
    applyQtLanguage(2);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void WindowFitTest::tiledAndCascadedFormsKeepTheirMinimum() {
    openMainWindow();
    for (const Window& e : kEditors) {
        frame_->runCommand(e.command);
        QCoreApplication::processEvents();
    }
    QCOMPARE(frame_->openEditorCount(), static_cast<int>(std::size(kEditors)));
    for (const int arrangement : {cmd::TileHorizontally, cmd::TileVertically, cmd::Cascade}) {
        frame_->runCommand(arrangement);
        QCoreApplication::processEvents();
        QStringList problems = squeezedForms(frame_->mdiArea());
        // Each window's controls within reach once it is in front (the workspace scrolls to
        // windows arranged beyond its edge).
        for (QMdiSubWindow* sub : frame_->mdiArea()->subWindowList()) {
            frame_->mdiArea()->setActiveSubWindow(sub);
            scrollWorkspaceTo(frame_->mdiArea(), sub);
            const auto* frame = qobject_cast<EditorFrame*>(sub);
            // A window arranged smaller than its buttons row is not usable.
            const QPushButton* close = frame->form()->closeButton();
            if (close->visibleRegion().boundingRect() != close->rect())
                problems << sub->windowTitle() + QLatin1String(": Close cut ") +
                                QString::number(sub->x()) + QLatin1Char(',') +
                                QString::number(sub->y()) + QLatin1Char(' ') +
                                QString::number(sub->width()) + QLatin1Char('x') +
                                QString::number(sub->height()) + QLatin1String(" in ") +
                                QString::number(frame_->mdiArea()->viewport()->width()) +
                                QLatin1Char('x') +
                                QString::number(frame_->mdiArea()->viewport()->height()) +
                                QLatin1String(" shown ") +
                                QString::number(close->visibleRegion().boundingRect().width());
        }
        QVERIFY2(problems.isEmpty(), qPrintable(QString::number(arrangement) + QLatin1Char('\n') +
                                                problems.join(QLatin1Char('\n'))));
    }
}

void WindowFitTest::newEditorsOpenClearOfTheButtonsOfOpenOnes() {
    openMainWindow();
    frame_->showNormal(); // a workspace with room for more than one window
    frame_->setGeometry(0, 0, 1600, 1000);
    QCoreApplication::processEvents();
    QWidget* workspace = frame_->mdiArea()->viewport();
    QList<EditorFrame*> open;
    for (const int command : {cmd::ScanInformation, cmd::EmbeddedMessage, cmd::KeyAssignment}) {
        frame_->runCommand(command);
        QCoreApplication::processEvents();
        auto* frame = qobject_cast<EditorFrame*>(frame_->openEditorOf(command)->parentWidget());
        QVERIFY(frame);
        QVERIFY(workspace->rect().contains(frame->geometry()));
        for (const EditorFrame* before : open)
            for (const QPushButton* b :
                 {before->form()->closeButton(), before->form()->helpButton()}) {
                const QRect button(b->mapTo(workspace, QPoint(0, 0)), b->size());
                QVERIFY2(!frame->geometry().intersects(button),
                         qPrintable(frame->windowTitle() + " covers a button of " +
                                    before->windowTitle()));
            }
        if (!open.isEmpty()) // cascaded from the last one: below and right of its corner
            QVERIFY(frame->geometry().topLeft() != open.last()->geometry().topLeft());
        open << frame;
    }
}

void WindowFitTest::editorsComeBackWhereTheyWereClosed() {
    openMainWindow();
    frame_->runCommand(cmd::ScanInformation);
    QCoreApplication::processEvents();
    auto* frame =
        qobject_cast<QMdiSubWindow*>(frame_->openEditorOf(cmd::ScanInformation)->parentWidget());
    const QRect moved(37, 21, frame->width() - 20, frame->height() - 30);
    frame->setGeometry(moved);
    frame->close();
    QTRY_COMPARE(frame_->openEditorCount(), 0);
    const auto stored =
        settings_->readString(kEditorWindowsSection, std::to_string(cmd::ScanInformation));
    QVERIFY(stored);
    QCOMPARE(place::parseRect(*stored), (place::Rect{37, 21, moved.width(), moved.height()}));

    frame_->runCommand(cmd::ScanInformation);
    QCoreApplication::processEvents();
    QCOMPARE(frame_->openEditorOf(cmd::ScanInformation)->parentWidget()->geometry(), moved);

    // The program ending keeps the places of the windows still open.
    frame_->openEditorOf(cmd::ScanInformation)->parentWidget()->move(50, 40);
    prompt_->push(PromptAnswer::Yes);
    QVERIFY(frame_->close());
    QCOMPARE(place::parseRect(
                 settings_->readString(kEditorWindowsSection, std::to_string(cmd::ScanInformation))
                     .value_or(""))
                 .value_or(place::Rect{})
                 .x,
             50);
}

void WindowFitTest::badOrTooLargeStoredPlacesStayInTheWorkspace_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("text") << "left,top,wide,high";
    QTest::newRow("three numbers") << "10,10,300";
    QTest::newRow("no size") << "10,10,0,0";
    QTest::newRow("off a screen that got smaller") << "2400,1500,300,200";
    QTest::newRow("larger than the workspace") << "-50,-50,3000,2000";
}

void WindowFitTest::badOrTooLargeStoredPlacesStayInTheWorkspace() {
    QFETCH(QString, stored);
    settings_->writeString(kEditorWindowsSection, std::to_string(cmd::OptionalFeatures),
                           stored.toStdString());
    openMainWindow();
    frame_->runCommand(cmd::OptionalFeatures);
    QCoreApplication::processEvents();
    const QWidget* frame = frame_->openEditorOf(cmd::OptionalFeatures)->parentWidget();
    QVERIFY(frame_->mdiArea()->viewport()->rect().contains(frame->geometry()));
    QVERIFY(frame->width() >= 100 && frame->height() >= 100);
}

// A 1600 x 1000 screen at scale 2, unless the test runs on a display of its own.
int main(int argc, char** argv) {
    QTemporaryDir config;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" ||
        (qEnvironmentVariableIsEmpty("DISPLAY") &&
         qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))) {
        const QString json = config.filePath(QStringLiteral("screen.json"));
        QFile f(json);
        if (!f.open(QIODevice::WriteOnly))
            return 2;
        f.write(R"({"screens": [{"name": "fit", "x": 0, "y": 0, "width": 1600, "height": 1000,
                    "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        f.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + json).toLocal8Bit());
    }
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    WindowFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowFitTest.moc"

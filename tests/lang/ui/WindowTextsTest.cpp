// Every window of the program in English, Dutch and German (TSW_LANGUAGES="1,2,3,4,5,6" for all
// six): the main window, each editor, the dialogs, the tree window and a help page, opened as
// the user opens them. No text may be cut off by its control (tests/support/ui/TextFit.h).
// Every help context a window or a menu command asks for is listed in help/contexts.txt (the
// list the help book test resolves in every language).
// With TSW_SCREENSHOT_DIR set, each window is also saved as <dir>/<letter>/<name>.png, with
// the menus and the printed listing (print-all.pdf) beside them, for a person to read.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <map>
#include <set>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/ImageLayout.h"
#include "app/Settings.h"
#include "app/ui/EditorForm.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/Help.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MessagePrompt.h"
#include "app/ui/QtLanguage.h"
#include "app/ui/Shell.h"
#include "app/ui/help/HelpWindow.h"
#include "app/ui/main/EditorWindows.h"
#include "editors/channel/ui/CopyDialogs.h"
#include "fields/ConfigurationCheck.h"
#include "fields/ui/CheckWindow.h"
#include "fields/ui/CompareWindow.h"
#include "fields/ui/WriteCheck.h"
#include "link/PortNames.h"
#include "link/ui/RadioLink.h"
#include "link/ui/TestModeDialog.h"
#include "link/ui/TestModeIds.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/PrintJob.h"
#include "tests/support/RadioSim.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/ModalAnswerer.h"
#include "tests/support/ui/ShellFixture.h"
#include "tests/support/ui/TextFit.h"

using namespace tsw;
using namespace tsw::ui;

namespace {

const char kLetters[] = " defgis"; // language code -> file letter

struct Window {
    int command;
    const char* name;
};

// The editors, in the order a user meets them. Channel Edit opens from Channel Information.
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

// The modal dialogs of the main frame's commands; each is looked at and cancelled.
const Window kDialogs[] = {
    {cmd::ModelInformation, "model-information"},
    {cmd::LanguageFileSetup, "language-file-setup"},
    {cmd::HelpAbout, "about"},
    {cmd::FilePrint, "print-out-list"},
    {cmd::FileOpen, "open"},
    {cmd::FileSaveAs, "save-as"},
    {cmd::MemoryMap, "memory-map"},
    {cmd::QtDqtTable, "qtdqt-table"},
    {cmd::CommunicationPort, "communication-port"},
    {cmd::RadioInformation, "radio-information"},
    {cmd::ReadFromRadio, "transfer"},
    {cmd::TestMode, "test-mode"},
    {cmd::WriteToSeveralRadios, "write-to-several-radios"},
};

QList<int> languagesToCheck() {
    QList<int> codes;
    for (const QString& s : qEnvironmentVariable("TSW_LANGUAGES", "2,1,4").split(QLatin1Char(',')))
        if (const int code = s.trimmed().toInt(); code >= 1 && code <= 6)
            codes << code;
    return codes;
}

class Looker {
public:
    explicit Looker(int code) : letter_(QChar::fromLatin1(kLetters[code])) {
        const QByteArray dir = qgetenv("TSW_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            dir_ = QString::fromLocal8Bit(dir) + QLatin1Char('/') + letter_;
            QDir().mkpath(dir_);
        }
    }

    // Saves the picture of `w` (when asked to), records the cut texts of `checked` (of `w`
    // when null) and the help contexts of `w` and its widgets.
    void look(QWidget* w, const QString& name, const QWidget* checked = nullptr) {
        QCoreApplication::processEvents();
        QList<QWidget*> widgets = w->findChildren<QWidget*>();
        widgets << w;
        for (const QWidget* each : widgets)
            if (const int context = ui::helpContext(each))
                contexts_[context] = name;
        if (!dir_.isEmpty())
            w->grab().save(dir_ + QLatin1Char('/') + name + QLatin1String(".png"));
        for (const QString& cut : test::cutTexts(checked ? checked : w))
            problems_ << QStringLiteral("[%1] %2: %3").arg(letter_, name, cut);
    }

    void lookAtMenu(QMenu* menu, const QString& name) {
        emit menu->aboutToShow(); // the frame fills Edit, Program and Window lists here
        menu->adjustSize();
        look(menu, name);
    }

    const QStringList& problems() const { return problems_; }
    // Help context -> the window that asked for it.
    const std::map<int, QString>& contexts() const { return contexts_; }
    const QString& folder() const { return dir_; }

private:
    QString letter_;
    QString dir_;
    QStringList problems_;
    std::map<int, QString> contexts_;
};

// The context numbers of help/contexts.txt ("number<TAB>page<TAB>what", '#' comments).
std::set<int> listedHelpContexts() {
    std::set<int> listed;
    QFile file(QStringLiteral(TSW_SOURCE_DIR "/help/contexts.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return listed;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            listed.insert(line.section(QLatin1Char('\t'), 0, 0).toInt());
    }
    return listed;
}

} // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void theCheckSeesCutTexts();
    void qtOwnTextsFollowTheLanguage();
    void textsFitTheirControls_data();
    void textsFitTheirControls();

private:
    void lookAtEditors(MainWindow& frame, Looker& looker);
    void lookAtCopyDialogs(MainWindow& frame, Looker& looker);
    void lookAtDialogs(MainWindow& frame, Looker& looker);
    void lookAtCheckAndCompare(MainWindow& frame, Looker& looker);
    void lookAtModal(QWidget* modal, const QString& name, Looker& looker);
    void lookAtTuningDialogs(TestModeDialog* testMode, Looker& looker);
    void lookAtHelp(int code, Looker& looker);
    void printListing(const Looker& looker);

    QTemporaryDir dir_;
};

void WindowTextsTest::initTestCase() {
    QVERIFY(dir_.isValid());
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("cache"))));
    registerEditorWindows();
    // The program reaches these through the print module; this test links printing itself.
    for (const int command : {cmd::FilePrint, cmd::FilePrintPreview})
        registerCommand(command, [command](Shell& shell) {
            print::ui::runPrintCommand(command, shell.window());
        });
}

void WindowTextsTest::cleanupTestCase() {
    applyQtLanguage(2);
}

// Each kind of control the check measures, once too narrow and once with room.
void WindowTextsTest::theCheckSeesCutTexts() {
    const QString longText = QStringLiteral("Sendesperre bei belegtem Kanal");
    for (const bool narrow : {true, false}) {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* label = new QLabel(longText);
        auto* button = new QPushButton(longText);
        auto* check = new QCheckBox(longText);
        auto* box = new QGroupBox(longText);
        auto* list = new QComboBox;
        list->addItems({QStringLiteral("Aus"), longText});
        auto* tabs = new QTabWidget;
        tabs->addTab(new QWidget, longText);
        tabs->addTab(new QWidget, longText);
        for (QWidget* w : std::initializer_list<QWidget*>{label, button, check, box, list, tabs}) {
            if (narrow)
                w->setFixedWidth(40);
            layout->addWidget(w);
        }
        window.resize(900, 400); // room for both tabs when the controls may widen
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList cut = test::cutTexts(&window);
        if (!narrow) {
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
            continue;
        }
        for (const char* kind : {"QLabel", "QPushButton", "QCheckBox", "QGroupBox title",
                                 "QComboBox entry", "QTabBar tab"})
            QVERIFY2(cut.filter(QLatin1String(kind)).size() >= 1, kind);
    }
}

// Qt's own texts (message box buttons, key names) follow the language of the program.
void WindowTextsTest::qtOwnTextsFollowTheLanguage() {
    if (!applyQtLanguage(4))
        QSKIP("Qt's German catalogue is not installed (qt6-translations-l10n)");
    QMessageBox german(QMessageBox::Question, QString(), QString(),
                       QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(german.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
    QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText),
             QStringLiteral("Strg+N"));
    QCOMPARE(QLocale().language(), QLocale::German);
    QVERIFY(applyQtLanguage(2));
    QMessageBox english(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(english.button(QMessageBox::Yes)->text(), QStringLiteral("&Yes"));
    QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText),
             QStringLiteral("Ctrl+N"));
}

void WindowTextsTest::textsFitTheirControls_data() {
    QTest::addColumn<int>("code");
    for (int code : languagesToCheck())
        QTest::newRow(QByteArray(1, kLetters[code])) << code;
}

void WindowTextsTest::textsFitTheirControls() {
    QFETCH(int, code);
    QVERIFY(test::loadTestLanguage(code));
    applyQtLanguage(code);
    test::resetGlobals(dir_.path());
    Looker looker(code);

    // The radio windows talk to the simulated radio on COM1; no other port has a device.
    test::RadioSim radio;
    ui::RadioLink::instance().setPortMappingSource([port = radio.port(), this] {
        PortMapping mapping;
        for (int n = 1; n <= 20; ++n)
            mapping[n] = n == 1 ? port : dir_.filePath("no-such-port").toStdString();
        return mapping;
    });

    MemorySettingsStore settings;
    test::ScriptedPrompt prompt;
    MainWindow frame(settings, MainWindow::Options{false, nullptr, {}});
    frame.setPrompt(&prompt);
    frame.resize(1280, 1000);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    looker.look(&frame, QStringLiteral("main"));
    lookAtEditors(frame, looker);
    lookAtCopyDialogs(frame, looker);
    const QList<QAction*> bar = frame.menuBar()->actions();
    for (int i = 0; i < bar.size(); ++i)
        if (QMenu* menu = bar[i]->menu(); menu && bar[i]->isVisible())
            looker.lookAtMenu(menu, QStringLiteral("menu-%1").arg(i));
    frame.closeAllEditors();
    QTRY_COMPARE(frame.openEditorCount(), 0);

    frame.runCommand(cmd::TreeView);
    QTRY_VERIFY(frame.treeWindow() && frame.treeWindow()->isVisible());
    looker.look(frame.treeWindow(), QStringLiteral("tree-view"));
    frame.treeWindow()->close();

    lookAtDialogs(frame, looker);
    lookAtCheckAndCompare(frame, looker);
    lookAtHelp(code, looker);
    printListing(looker);
    QVERIFY2(looker.problems().isEmpty(), qPrintable(looker.problems().join(QLatin1Char('\n'))));

    std::map<int, QString> asked = looker.contexts();
    for (const MenuDef& menu : mainMenus())
        for (const CommandItem& item : menu.items)
            if (!item.isSeparator())
                asked[commandHelpContext(item.command)] = QStringLiteral("menu command");
    const std::set<int> listed = listedHelpContexts();
    QStringList unlisted;
    for (const auto& [context, where] : asked)
        if (!listed.count(context))
            unlisted << QStringLiteral("%1 (%2)").arg(context).arg(where);
    QVERIFY2(asked.size() > 20, "too few help contexts seen");
    QVERIFY2(unlisted.isEmpty(), qPrintable("not in help/contexts.txt: " + unlisted.join(", ")));
}

// Each editor in its own MDI child as it first opens, and each tab of a tabbed editor.
void WindowTextsTest::lookAtEditors(MainWindow& frame, Looker& looker) {
    for (const Window& e : kEditors) {
        frame.runCommand(e.command);
        QCoreApplication::processEvents();
        EditorForm* form = frame.openEditorOf(e.command);
        QVERIFY2(form, e.name);
        auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        QVERIFY2(sub, e.name);
        frame.mdiArea()->setActiveSubWindow(sub);
        looker.look(sub, QString::fromLatin1(e.name));
        if (auto* tabs = form->findChild<QTabWidget*>()) {
            for (int tab = 1; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                looker.look(sub, QStringLiteral("%1-tab%2").arg(QLatin1String(e.name)).arg(tab));
            }
            tabs->setCurrentIndex(0);
        }
    }
    looker.look(&frame, QStringLiteral("main-with-editors"));
}

// The three copy dialogs of Channel Edit, shown without their event loop.
void WindowTextsTest::lookAtCopyDialogs(MainWindow& frame, Looker& looker) {
    QDialog* dialogs[] = {new ChannelCopyDialog(&frame), new FrequencyCopyDialog(&frame),
                          new QtDqtCopyDialog(&frame)};
    const char* names[] = {"channel-copy", "frequency-copy", "qtdqt-copy"};
    for (int i = 0; i < 3; ++i) {
        dialogs[i]->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialogs[i]));
        looker.look(dialogs[i], QString::fromLatin1(names[i]));
        delete dialogs[i];
    }
}

// Check Configuration, the write check (errors, warnings) and the compare window, each with
// findings or differences of every length the program gives.
void WindowTextsTest::lookAtCheckAndCompare(MainWindow& frame, Looker& looker) {
    const RadioImage before = globals().image;
    RadioImage& image = globals().image;
    image.setByte(layout::kFeatMicSensitivity, 7);                         // an error
    image.setByte(layout::channelOffset(8) + layout::kChTxFreq + 1, 0x31); // a warning
    frame.runCommand(cmd::CheckConfiguration);
    CheckWindow* check = openCheckWindow(frame);
    QVERIFY(QTest::qWaitForWindowExposed(check));
    looker.look(check, QStringLiteral("check-configuration"));
    check->close();
    for (const bool errors : {true, false}) {
        if (!errors)
            image.setByte(layout::kFeatMicSensitivity, 0);
        WriteCheckDialog dialog(fields::checkConfiguration(image, &tsw::tr), &frame);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        looker.look(&dialog, errors ? QStringLiteral("write-check-errors")
                                    : QStringLiteral("write-check-warnings"));
    }
    showComparison(frame, before, QStringLiteral("compare"), QStringLiteral("other.dat"),
                   cmd::CompareWithFile);
    CompareWindow* compare = compareWindow(frame);
    QVERIFY(QTest::qWaitForWindowExposed(compare));
    looker.look(compare, QStringLiteral("compare"));
    compare->close();
    image = before;
}

// The modal dialogs: looked at while they run, then cancelled.
void WindowTextsTest::lookAtDialogs(MainWindow& frame, Looker& looker) {
    for (const Window& d : kDialogs) {
        QString name = QString::fromLatin1(d.name);
        test::ModalAnswerer answerer([&](QWidget* modal) {
            lookAtModal(modal, name, looker);
            name += QLatin1String("-next"); // a second modal (a message) gets its own picture
            if (auto* testMode = qobject_cast<TestModeDialog*>(modal))
                lookAtTuningDialogs(testMode, looker);
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return true;
        });
        frame.runCommand(d.command);
        QCoreApplication::processEvents();
    }
    // Two message boxes: a Yes/No question and a Retry/Cancel one.
    const std::pair<const char*, Prompt> boxes[] = {
        {"message-yes-no",
         {StrId::ExitQuestion, tsw::tr(StrId::ExitQuestion), StrId::ConfirmCaption,
          tsw::tr(StrId::ConfirmCaption), PromptIcon::Question, PromptButtons::YesNo,
          PromptAnswer::No}},
        {"message-retry-cancel",
         {StrId::RadioLinkFailed, tsw::tr(StrId::RadioLinkFailed), StrId::ErrorCaption,
          tsw::tr(StrId::ErrorCaption), PromptIcon::Stop, PromptButtons::RetryCancel,
          PromptAnswer::Retry}},
    };
    for (const auto& [name, prompt] : boxes) {
        test::ModalAnswerer answerer([&](QWidget* modal) {
            looker.look(modal, QString::fromLatin1(name));
            modal->close();
            return true;
        });
        askWithMessageBox(&frame, prompt);
    }
}

// The adjustment dialogs of two tuning items (the tabbed one and a single one), opened from
// Test Mode. A timer does not fire inside its own timeout, so they need their own answerer.
void WindowTextsTest::lookAtTuningDialogs(TestModeDialog* testMode, Looker& looker) {
    QString name;
    test::ModalAnswerer answerer([&](QWidget* modal) {
        if (modal == testMode)
            return false;
        lookAtModal(modal, name, looker);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        return true;
    });
    for (const auto& [row, itemName] :
         {std::pair{0, "tuning-tabbed"}, std::pair{7, "tuning-battery-level"}}) {
        name = QString::fromLatin1(itemName);
        testMode->itemList()->setCurrentRow(row);
        testMode->button(testmode::kTuningMode)->click();
    }
}

// One modal window, each of its tabs on its own. Of a file dialog the preview panel is ours;
// Qt's own part is only looked at, apart from its buttons.
void WindowTextsTest::lookAtModal(QWidget* modal, const QString& name, Looker& looker) {
    const QWidget* checked = modal;
    if (qobject_cast<QFileDialog*>(modal)) {
        checked = modal->findChild<QGroupBox*>();
        if (!checked)
            checked = modal->findChild<QDialogButtonBox*>();
    }
    looker.look(modal, name, checked);
    if (auto* tabs = modal->findChild<QTabWidget*>())
        for (int tab = 1; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            looker.look(modal, QStringLiteral("%1-tab%2").arg(name).arg(tab));
        }
}

// The help window on the Optional Features page, the widest form the help describes.
void WindowTextsTest::lookAtHelp(int code, Looker& looker) {
    test::ScriptedPrompt prompt;
    HelpSystem help(prompt, currentHelpTexts);
    help.setHelpFile(QStringLiteral(TSW_BIN_DIR "/tsw62m_%1.qch").arg(QChar(kLetters[code])));
    QVERIFY(help.openContext(152));
    QVERIFY(help.window());
    help.window()->resize(1000, 700);
    QVERIFY(QTest::qWaitForWindowExposed(help.window()));
    QTest::qWait(50);
    looker.look(help.window(), QStringLiteral("help-optional-features"));
    help.closeAll();
}

// The printed listing of every section as a PDF beside the pictures (to be looked at only).
void WindowTextsTest::printListing(const Looker& looker) {
    if (looker.folder().isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(looker.folder() + QLatin1String("/print-all.pdf"));
    const print::ui::PrintJob job(PrintSelection{printsel::All, false});
    QVERIFY(job.print(printer) > 0);
}

QTEST_MAIN(WindowTextsTest)
#include "WindowTextsTest.moc"

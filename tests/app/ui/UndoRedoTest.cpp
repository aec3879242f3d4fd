// Undo and Redo through the program's own windows: every kind of change made as the user makes
// it (keys, clicks, dialogs), then undone from the Edit menu (the image and the open window as
// before, one step), then redone (as after). The commands that replace the data ask the close
// question first, and Cancel there changes nothing.

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DataFile.h"
#include "app/ImageLayout.h"
#include "app/ui/ChannelCsvCommands.h"
#include "app/ui/EditHistory.h"
#include "app/ui/EditorForm.h"
#include "app/ui/MainWindow.h"
#include "app/ui/ModelInfoDialog.h"
#include "app/ui/RecentFilesMenu.h"
#include "app/ui/UiText.h"
#include "app/ui/main/EditorWindows.h"
#include "editors/channel/ChannelCsv.h"
#include "editors/channel/ChannelRows.h"
#include "editors/channel/ui/ChannelEditView.h"
#include "editors/channel/ui/ChannelInfoView.h"
#include "editors/channel/ui/ChannelWindows.h"
#include "editors/channel/ui/CopyDialogs.h"
#include "editors/channel/ui/MemoryMapDialog.h"
#include "editors/channel/ui/QtDqtTableDialog.h"
#include "editors/channel/ui/TestFrequencyView.h"
#include "editors/feature/ui/CrewLinkView.h"
#include "editors/feature/ui/DtmfView.h"
#include "editors/feature/ui/EmbeddedMessageView.h"
#include "editors/feature/ui/KeyAssignmentView.h"
#include "editors/feature/ui/OptionalFeaturesView.h"
#include "editors/feature/ui/ScanView.h"
#include "link/ui/LinkCommands.h"
#include "link/ui/TransferDialog.h"
#include "tests/editors/channel/ui/ChannelUiTestSupport.h"
#include "tests/editors/feature/ui/FeatureUiSupport.h"
#include "tests/link/ui/LinkUiSupport.h"
#include "tests/support/ui/DialogScript.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;
using test::DialogScript;

namespace {

MainWindow* g_frame = nullptr;
QTemporaryDir* g_dir = nullptr;

ChannelInfoView* table() {
    return channelInfoView();
}

template <class T>
T* editor(int command) {
    return qobject_cast<T*>(g_frame->openEditorOf(command));
}

QString checked(const QAbstractButton* box) {
    return box->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
}

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}

// A key pressed as a user presses it: the event loop runs before the next one comes.
void userKey(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(w, key, modifiers);
    QCoreApplication::processEvents();
}

// A check box toggled with the space bar.
void press(QAbstractButton* box) {
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Space);
}

// Opens the list of a channel table cell and moves its choice one entry down with the keys.
void chooseNextInCell(int row, int column) {
    test::clickCell(table()->grid(), row, column);
    QWidget* list = column == 1   ? table()->frequencyList()
                    : column == 2 ? static_cast<QWidget*>(table()->toneList())
                                  : table()->flagList();
    QTRY_VERIFY(list->hasFocus());
    userKey(list, Qt::Key_Down);
}

// Moves the channel table's current row with the arrow keys (from row 1).
void goToRow(int row) {
    QTableWidget* grid = table()->grid()->table();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
    for (int r = 1; r < row; ++r)
        QTest::keyClick(grid, Qt::Key_Down);
}

QString writeFile(const QString& name, const RadioImage& image) {
    const QString path = g_dir->filePath(name);
    if (!datafile::writeDataFile(path.toStdString(), image))
        qWarning("could not write %s", qPrintable(path));
    return path;
}

// The default image with its message line and channel 1 on 446.01250 MHz.
RadioImage otherImage() {
    RadioImage image = globals().image;
    image.setByte(layout::kMessageLine1, 'Q');
    for (std::size_t at : {layout::kChRxFreq, layout::kChTxFreq}) {
        image.setByte(layout::channelOffset(0) + at, 0x50);
        image.setByte(layout::channelOffset(0) + at + 1, 0x12);
    }
    return image;
}

// The data as a saved file holds it, with channels from `firstEmpty` on empty; the table shows it.
void startFrom(const RadioImage& image) {
    globals().image = image;
    markSaved(globals());
    g_frame->editHistory().restart();
    table()->showImageAgain();
}

struct Change {
    const char* name;
    int command; // the editor opened before the change (0: the channel table only)
    std::function<void()> make;
    std::function<QString()> shown; // what the window shows of the field that changes
    QString undoName;               // the step's name in the Undo item; a prefix with '*'
    std::function<void()> prepare = [] {};
};

QString tableCell(int row, int column) {
    return table() ? table()->grid()->text(row, column) : QString();
}

const std::vector<Change>& changes() {
    static const std::vector<Change> all = {
        {"channel table: frequency list", 0,
         [] {
             chooseNextInCell(3, 1);
             QTest::keyClick(table()->frequencyList(), Qt::Key_Return);
         },
         [] { return table()->grid()->text(3, 1); }, "Channel 3 / RX Frequency [MHz]"},
        {"channel table: tone list (one step for every choice made while it was open)", 0,
         [] {
             chooseNextInCell(3, 2);
             userKey(table()->toneList(), Qt::Key_Down);
             userKey(table()->toneList(), Qt::Key_Return);
         },
         [] { return table()->grid()->text(3, 2); }, "Channel 3 / QT/DQT Decode"},
        {"channel table: flag list", 0,
         [] {
             chooseNextInCell(4, 5);
             userKey(table()->flagList(), Qt::Key_Escape);
         },
         [] { return table()->grid()->text(4, 5); }, "Channel 4 / Beat Shift"},
        {"channel table: insert by keys on the row the arrows reached", 0,
         [] {
             goToRow(4);
             QTest::keyClick(table()->grid()->table(), Qt::Key_I, Qt::ControlModifier);
         },
         [] { return table()->grid()->text(4, 1) + "|" + table()->grid()->text(5, 1); },
         "Insert Channel", [] { startFrom(test::imageWithUsedChannels(10)); }},
        {"channel table: delete from the context menu of a row", 0,
         [] {
             QTableWidget* grid = table()->grid()->table();
             const QRect cell = grid->visualRect(grid->model()->index(5, 2));
             QContextMenuEvent menu(QContextMenuEvent::Mouse, cell.center(),
                                    grid->viewport()->mapToGlobal(cell.center()));
             QApplication::sendEvent(grid->viewport(), &menu);
             QTRY_VERIFY(table()->rowMenu()->isVisible());
             QMenu* m = table()->rowMenu();
             QTest::mouseClick(
                 m, Qt::LeftButton, Qt::NoModifier,
                 m->actionGeometry(table()->commandAction(cmd::DeleteChannel)).center());
         },
         [] { return table()->grid()->text(6, 1); }, "Delete Channel"},
        {"Edit menu: copy channel", 0,
         [] {
             goToRow(2);
             DialogScript script;
             script.on<ChannelCopyDialog>([](ChannelCopyDialog* dialog) {
                 auto* destination = findControl<QLineEdit>(dialog, 1310);
                 destination->selectAll();
                 QTest::keyClicks(destination, "9");
                 QTest::keyClick(destination, Qt::Key_Return); // copies
                 dialog->reject();
             });
             g_frame->action(cmd::CopyChannel)->trigger();
             QTRY_VERIFY(script.done());
         },
         [] { return table()->grid()->text(9, 1); }, "Channel Copy"},
        {"channel edit window: check box", cmd::OpenChannelEdit,
         [] { press(editor<ChannelEditView>(cmd::OpenChannelEdit)->beatShiftBox()); },
         [] { return checked(editor<ChannelEditView>(cmd::OpenChannelEdit)->beatShiftBox()); },
         "Channel 1 / Beat Shift"},
        {"QT/DQT table: an entry and the channels using it", 0,
         [] {
             DialogScript script;
             script.on<QtDqtTableDialog>([](QtDqtTableDialog* dialog) {
                 test::clickCell(dialog->grid(), 8, 1);
                 QTRY_VERIFY(dialog->toneList()->hasFocus());
                 QTest::keyClick(dialog->toneList(), Qt::Key_Down);
                 QTest::keyClick(dialog->toneList(), Qt::Key_Return);
                 dialog->reject();
             });
             g_frame->runCommand(cmd::QtDqtTable);
             QTRY_VERIFY(script.done());
         },
         [] { return table()->grid()->text(2, 2); }, "QT/DQT Table 8"},
        {"test frequency", cmd::TestFrequency,
         [] {
             auto* view = editor<TestFrequencyView>(cmd::TestFrequency);
             test::clickCell(view->grid(), 1, 1);
             QTRY_VERIFY(view->editBox()->hasFocus());
             QTest::keyClick(view->editBox(), Qt::Key_Backspace);
             QTest::keyClicks(view->editBox(), "446.1");
             QTest::keyClick(view->editBox(), Qt::Key_Return);
         },
         [] { return editor<TestFrequencyView>(cmd::TestFrequency)->grid()->text(1, 1); },
         "Test Frequency 1 / RX"},
        {"memory map", 0,
         [] {
             DialogScript script;
             script.on<MemoryMapDialog>([](MemoryMapDialog* dialog) {
                 dialog->grid()->setCurrentCell(63, 1); // offset 0x010: channel 1
                 QTest::keyClick(dialog->grid()->table(), Qt::Key_7);
                 QTest::keyClick(dialog->editBox(), Qt::Key_Return);
                 click(dialog->okButton());
             });
             g_frame->runCommand(cmd::MemoryMap);
             QTRY_VERIFY(script.done());
         },
         [] { return tableCell(1, 1); }, "Memory Map"},
        {"optional features: check box", cmd::OptionalFeatures,
         [] {
             for (QCheckBox* box :
                  editor<EditorForm>(cmd::OptionalFeatures)->findChildren<QCheckBox*>())
                 if (box->isEnabled() && box->isVisible()) {
                     press(box);
                     return;
                 }
         },
         [] {
             for (QCheckBox* box :
                  editor<EditorForm>(cmd::OptionalFeatures)->findChildren<QCheckBox*>())
                 if (box->isEnabled() && box->isVisible())
                     return checked(box);
             return QString();
         },
         "Optional Features / *"},
        {"scan: list", cmd::ScanInformation,
         [] {
             auto* list = findControl<QComboBox>(editor<ScanView>(cmd::ScanInformation), 1048);
             list->setFocus();
             QTest::keyClick(list, Qt::Key_Down);
         },
         [] {
             return findControl<QComboBox>(editor<ScanView>(cmd::ScanInformation), 1048)
                 ->currentText();
         },
         "Scan Information / Priority"},
        {"key assignment: list, stored on leaving it", cmd::KeyAssignment,
         [] {
             QComboBox* pf1 =
                 editor<KeyAssignmentView>(cmd::KeyAssignment)->list(feature::ProgrammableKey::Pf1);
             pf1->setFocus();
             QTRY_VERIFY(pf1->hasFocus());
             QTest::keyClick(pf1, Qt::Key_Down);
             QTest::keyClick(pf1, Qt::Key_Return); // on to PF2
         },
         [] {
             return editor<KeyAssignmentView>(cmd::KeyAssignment)
                 ->list(feature::ProgrammableKey::Pf1)
                 ->currentText();
         },
         "Key Assignment / *"},
        {"embedded message: typed, stored on leaving the line", cmd::EmbeddedMessage,
         [] {
             test::typeAndLeave(editor<EmbeddedMessageView>(cmd::EmbeddedMessage)->line(0), "HI");
         },
         [] { return editor<EmbeddedMessageView>(cmd::EmbeddedMessage)->line(0)->text(); },
         "Embedded Message 1"},
        {"DTMF: spin button", cmd::Dtmf,
         [] { click(findControl<SpinButtons>(editor<EditorForm>(cmd::Dtmf), 1068)->upButton()); },
         [] { return findControl<QLineEdit>(editor<EditorForm>(cmd::Dtmf), 1067)->text(); },
         "DTMF / *"},
        {"CrewLink: spin button", cmd::CrewLink,
         [] {
             click(findControl<SpinButtons>(editor<EditorForm>(cmd::CrewLink), 1111)->upButton());
         },
         [] { return findControl<QLineEdit>(editor<EditorForm>(cmd::CrewLink), 1103)->text(); },
         "CrewLink / *"},
        {"import channels (CSV)", 0,
         [] {
             const QString path = g_dir->filePath("channels.csv");
             test::writeTextFile(path, QString::fromStdString(exportChannelsCsv(otherImage())));
             DialogScript script;
             script.chooseFile(path);
             g_frame->runCommand(cmd::FileImportCsv);
             QTRY_VERIFY(script.done());
         },
         [] { return tableCell(1, 1); }, "Import Channels"},
        {"channel table: rows pasted with Ctrl+V", 0,
         [] {
             QGuiApplication::clipboard()->setText(
                 QString::fromStdString(copyChannelRows(otherImage(), 0, 1)));
             goToRow(5);
             userKey(table()->grid()->table(), Qt::Key_V, Qt::ControlModifier);
         },
         [] { return tableCell(5, 1) + tableCell(5, 2) + "|" + tableCell(6, 1) + tableCell(6, 2); },
         "Paste Channels"},
        {"open a recent file", 0,
         [] {
             g_frame->recentFiles()->add(writeFile("recent.dat", otherImage()));
             g_frame->recentFiles()->entries().front()->trigger();
             QTRY_VERIFY(!tableCell(1, 1).isEmpty()); // the channel table opens again
         },
         [] { return g_frame->windowTitle() + "|" + tableCell(1, 1); }, "Open File"},
        {"a data file dropped on the window", 0,
         [] {
             QMimeData mime;
             mime.setUrls({QUrl::fromLocalFile(writeFile("dropped.dat", otherImage()))});
             const QPoint at = g_frame->rect().center();
             QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(g_frame, &enter);
             QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(g_frame, &drop);
             QTRY_COMPARE(globals().currentFileName, std::string("dropped.dat"));
             QTRY_VERIFY(!tableCell(1, 1).isEmpty());
         },
         [] { return g_frame->windowTitle() + "|" + tableCell(1, 1); }, "Open File"},
        {"open", 0,
         [] {
             DialogScript script;
             script.chooseFile(writeFile("other.dat", otherImage()));
             g_frame->runCommand(cmd::FileOpen);
             QTRY_VERIFY(script.done());
         },
         [] { return g_frame->windowTitle() + "|" + tableCell(1, 1); }, "Open File"},
        {"new", 0,
         [] {
             static_cast<test::ScriptedPrompt&>(g_frame->prompt()).push(PromptAnswer::Ok);
             g_frame->runCommand(cmd::FileNew);
         },
         [] { return tableCell(1, 1); }, "New Data", [] { startFrom(otherImage()); }},
    };
    return all;
}

bool nameMatches(const QString& shown, const QString& expected) {
    return expected.endsWith('*') ? shown.startsWith(expected.chopped(1)) : shown == expected;
}

} // namespace

class UndoRedoTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void eachKindOfChangeIsUndoneAndRedone_data();
    void eachKindOfChangeIsUndoneAndRedone();
    void undoCommitsTheFieldBeingTypedFirst();
    void undoWithAListOpenOverACellTakesItsChoiceBack();
    void theTitleShowsTheFileAndItsUnsavedMark();
    void readFromRadioIsUndoneWithItsFileAndWithoutTheRadio();
    void replacingCommandsAskToSaveFirst_data();
    void replacingCommandsAskToSaveFirst();
    void arrowKeysChooseTheChannelThatIsDeleted();
    void refusedChannelCommandsSayWhy();
    void clearingTheHistoryAsksAndKeepsTheData();
    void modelInformationIsOneStepAndCancelNone();

private:
    void openTable();
    EditHistory& history() { return frame_->editHistory(); }
    QAction* undoItem() { return frame_->action(cmd::EditUndo); }
    QAction* redoItem() { return frame_->action(cmd::EditRedo); }

    QTemporaryDir dir_;
    MemorySettingsStore store_;
    test::ScriptedPrompt prompt_;
    std::unique_ptr<MainWindow> frame_;
};

void UndoRedoTest::initTestCase() {
    QVERIFY(dir_.isValid());
    registerEditorWindows(); // the program's windows and commands
    g_dir = &dir_;
}

void UndoRedoTest::init() {
    QVERIFY(tsw::test::loadTestLanguage(2));
    tsw::test::resetGlobals(dir_.path());
    globals().programDirectory = TSW_BIN_DIR;
    channelEditorState() = ChannelEditorState{};
    prompt_ = test::ScriptedPrompt();
    frame_ = std::make_unique<MainWindow>(store_, tsw::test::quietFrameOptions());
    g_frame = frame_.get();
    frame_->setPrompt(&prompt_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    QApplication::setActiveWindow(frame_.get());
    openTable();
}

void UndoRedoTest::cleanup() {
    frame_.reset();
    g_frame = nullptr;
}

void UndoRedoTest::openTable() {
    frame_->runCommand(cmd::ChannelInformation);
    QTRY_VERIFY(table());
    table()->grid()->table()->setFocus();
}

void UndoRedoTest::eachKindOfChangeIsUndoneAndRedone_data() {
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < changes().size(); ++i)
        QTest::newRow(changes()[i].name) << static_cast<int>(i);
}

void UndoRedoTest::eachKindOfChangeIsUndoneAndRedone() {
    QFETCH(int, index);
    const Change& change = changes()[static_cast<std::size_t>(index)];
    change.prepare();
    if (change.command != 0)
        QVERIFY(frame_->openEditor(change.command));
    QVERIFY(!undoItem()->isEnabled());
    QCOMPARE(undoItem()->text(), uiText(StrId::MenuEditUndoNothing));
    const RadioImage before = globals().image;
    const QString shownBefore = change.shown();

    change.make();
    QTRY_VERIFY(!(globals().image == before));
    QTRY_VERIFY(undoItem()->isEnabled());
    QCOMPARE(history().history().undoCount(), std::size_t{1}); // one action, one step
    const RadioImage after = globals().image;
    QTRY_VERIFY(change.shown() != shownBefore);
    const QString shownAfter = change.shown();
    const QString undoText = undoItem()->text();
    QVERIFY2(undoText.startsWith("&Undo ") && nameMatches(undoText.mid(6), change.undoName),
             qPrintable(undoText));
    QCOMPARE(frame_->isWindowModified(), hasUnsavedChanges(globals()));

    undoItem()->trigger();
    QCOMPARE(globals().image, before);
    QTRY_COMPARE(change.shown(), shownBefore);
    QVERIFY(!undoItem()->isEnabled());
    QCOMPARE(redoItem()->text(), "&Redo " + undoText.mid(6));
    QVERIFY(!hasUnsavedChanges(globals())); // back at the file as it was saved
    QVERIFY(!frame_->isWindowModified());
    QCOMPARE(frame_->statusBar()->currentMessage(), "Undone: " + undoText.mid(6));

    redoItem()->trigger();
    QCOMPARE(globals().image, after);
    QTRY_COMPARE(change.shown(), shownAfter);
    QCOMPARE(undoItem()->text(), undoText);
    QVERIFY(!redoItem()->isEnabled());
}

// A value typed but not yet stored is stored by Undo first, and Undo takes it back; the
// toolbar button takes no focus, so the box still holds it when Undo runs.
void UndoRedoTest::undoCommitsTheFieldBeingTypedFirst() {
    auto* message = qobject_cast<EmbeddedMessageView*>(frame_->openEditor(cmd::EmbeddedMessage));
    QLineEdit* line = message->line(0);
    test::typeAndLeave(line, "AB");
    QTRY_VERIFY(undoItem()->isEnabled());
    const RadioImage withAB = globals().image;
    line->setFocus();
    QTRY_VERIFY(line->hasFocus());
    line->selectAll();
    QTest::keyClicks(line, "XY"); // typed, not stored
    QCOMPARE(globals().image, withAB);
    undoItem()->trigger();
    QCOMPARE(globals().image, withAB); // "XY" was stored and taken back at once
    QCOMPARE(line->text(), QStringLiteral("AB"));
    QCOMPARE(redoItem()->text(), QStringLiteral("&Redo Embedded Message 1"));
    undoItem()->trigger();
    QCOMPARE(line->text(), QString());
}

// Ctrl+Z while a list lies over a cell: the list closes with its choice stored, and that
// choice is what Undo takes back; no list is left to store an old value afterwards.
void UndoRedoTest::undoWithAListOpenOverACellTakesItsChoiceBack() {
    chooseNextInCell(4, 1); // a change before, so that there is something to undo
    userKey(table()->frequencyList(), Qt::Key_Return);
    QTRY_VERIFY(undoItem()->isEnabled());
    const RadioImage before = globals().image;
    const QString shown = table()->grid()->text(3, 1);
    chooseNextInCell(3, 1);
    QComboBox* list = table()->frequencyList();
    userKey(list, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!list->isVisible());
    QCOMPARE(globals().image, before);
    QCOMPARE(table()->grid()->text(3, 1), shown);
    QCOMPARE(redoItem()->text(), QStringLiteral("&Redo Channel 3 / RX Frequency [MHz]"));
    QCOMPARE(undoItem()->text(), QStringLiteral("&Undo Channel 4 / RX Frequency [MHz]"));
    QTest::qWait(50);
    QCOMPARE(globals().image, before);
}

void UndoRedoTest::theTitleShowsTheFileAndItsUnsavedMark() {
    QCOMPARE(frame_->windowTitle(), QString::fromUtf8("Untitled[*] \u2014 TSW-62M"));
    QVERIFY(!frame_->isWindowModified());
    chooseNextInCell(3, 1);
    QTest::keyClick(table()->frequencyList(), Qt::Key_Return);
    QTRY_VERIFY(frame_->isWindowModified());
    const QString path = dir_.filePath("edited1.dat");
    DialogScript script;
    script.chooseFile(path);
    frame_->runCommand(cmd::FileSaveAs);
    QTRY_VERIFY(script.done());
    QCOMPARE(frame_->windowTitle(), QString::fromUtf8("edited1.dat[*] \u2014 TSW-62M"));
    QVERIFY(!frame_->isWindowModified());
    undoItem()->trigger(); // the file holds the change: the data now differs from it
    QVERIFY(frame_->isWindowModified());
    redoItem()->trigger();
    QVERIFY(!frame_->isWindowModified());
}

// Undoing a read brings back the data from before with its file name and unsaved change;
// neither Undo nor Redo sends anything to the radio.
void UndoRedoTest::readFromRadioIsUndoneWithItsFileAndWithoutTheRadio() {
    test::TempDir tmp;
    test::RadioSim radio = test::radioOnCom1(tmp, otherImage());
    chooseNextInCell(3, 1);
    QTest::keyClick(table()->frequencyList(), Qt::Key_Return);
    QTRY_VERIFY(hasUnsavedChanges(globals()));
    const RadioImage edited = globals().image;
    prompt_.push(PromptAnswer::No); // do not save the change first
    DialogScript read;
    read.on<TransferDialog>([](TransferDialog* d) { d->startButton()->click(); });
    frame_->action(cmd::ReadFromRadio)->trigger();
    QTRY_VERIFY(read.done());
    QCOMPARE(prompt_.asked.back().textId, StrId::ReadComplete);
    QVERIFY(globals().image.byte(layout::kMessageLine1) == 'Q');
    const RadioImage fromRadio = globals().image;
    QCOMPARE(undoItem()->text(), QStringLiteral("&Undo Read from Radio"));
    QCOMPARE(history().history().undoCount(), std::size_t{2});
    QVERIFY(!frame_->isWindowModified());
    const std::string readName = globals().currentFileName;
    const auto sent = test::sentBursts(tmp.file("radio.log")).size();

    undoItem()->trigger();
    QCOMPARE(globals().image, edited);
    QCOMPARE(globals().currentFileName, std::string("Untitled"));
    QVERIFY(frame_->isWindowModified()); // the change before the read is still unsaved
    QTRY_COMPARE(tableCell(3, 1), QStringLiteral("(4)     446.04375"));
    redoItem()->trigger();
    QCOMPARE(globals().image, fromRadio);
    QCOMPARE(globals().currentFileName, readName);
    QVERIFY(!frame_->isWindowModified());
    QTest::qWait(100);
    QCOMPARE(test::sentBursts(tmp.file("radio.log")).size(), sent);
}

void UndoRedoTest::replacingCommandsAskToSaveFirst_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    for (auto [command, name] : {std::pair{cmd::FileNew, "New"}, std::pair{cmd::FileOpen, "Open"},
                                 std::pair{cmd::ReadFromRadio, "Read from Radio"},
                                 std::pair{cmd::FileImportCsv, "Import Channels"}}) {
        QTest::addRow("%s, Cancel", name) << command << int(PromptAnswer::Cancel) << false;
        QTest::addRow("%s, No", name) << command << int(PromptAnswer::No) << true;
    }
}

// With unsaved changes the command first asks the close question; Cancel changes nothing and
// shows no dialog of the command, No goes on to it.
void UndoRedoTest::replacingCommandsAskToSaveFirst() {
    QFETCH(int, command);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    chooseNextInCell(3, 1);
    QTest::keyClick(table()->frequencyList(), Qt::Key_Return);
    QTRY_VERIFY(undoItem()->isEnabled());
    const RadioImage edited = globals().image;
    const std::size_t steps = history().history().undoCount();
    prompt_.push(PromptAnswer(answer));
    prompt_.push(PromptAnswer::Cancel); // New's own question
    DialogScript script;
    script.cancel(); // the command's own dialog (file, transfer), if it comes
    frame_->runCommand(command);
    QCoreApplication::processEvents();
    QVERIFY(!prompt_.asked.empty());
    const Prompt& question = prompt_.asked.front();
    QCOMPARE(question.textId, StrId::SaveChangesQuestion);
    QCOMPARE(question.text, tsw::tr(StrId::SaveChangesQuestion) + " \"Untitled\" ?");
    QCOMPARE(question.caption, std::string("TSW-62M"));
    QCOMPARE(question.buttons, PromptButtons::YesNoCancel);
    if (goesOn && command != cmd::FileNew) {
        QTRY_VERIFY(script.done()); // the command's own dialog came (and was cancelled)
    } else {
        QTest::qWait(150);
        QVERIFY(!script.done());
    }
    if (command == cmd::FileNew)
        QCOMPARE(prompt_.asked.size(), std::size_t(goesOn ? 2 : 1));
    QCOMPARE(globals().image, edited);
    QVERIFY(hasUnsavedChanges(globals()));
    QCOMPARE(history().history().undoCount(), steps);
}

// The channel the arrows reach is the one Ctrl+D deletes (it used to be the one last clicked).
void UndoRedoTest::arrowKeysChooseTheChannelThatIsDeleted() {
    test::clickCell(table()->grid(), 3, 1); // channel 3 clicked
    QTRY_VERIFY(table()->frequencyList()->isVisible());
    QTest::keyClick(table()->frequencyList(), Qt::Key_Escape);
    QCOMPARE(table()->windowTitle(), QStringLiteral("Channel Information[ Channel - 3 ]"));
    QTableWidget* grid = table()->grid()->table();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(grid, Qt::Key_Down); // to row 6
    QCOMPARE(table()->windowTitle(), QStringLiteral("Channel Information[ Channel - 6 ]"));
    const RadioImage before = globals().image;
    QTest::keyClick(grid, Qt::Key_D, Qt::ControlModifier);
    const auto changed = test::differingOffsets(before, globals().image);
    QVERIFY(!changed.empty());
    QVERIFY(changed.front() >= layout::channelOffset(5)); // channels 1..5 stay
    QCOMPARE(globals().image.byte(layout::channelOffset(5)),
             before.byte(layout::channelOffset(6))); // channel 7 moved up into 6
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(table()->windowTitle(), QStringLiteral("Channel Information[ Channel - 16 ]"));
    QTest::keyClick(grid, Qt::Key_PageUp);
    QVERIFY(!table()->windowTitle().endsWith("- 16 ]"));
    // A click on a channel number selects that channel too.
    QHeaderView* numbers = grid->verticalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(numbers->width() / 2, numbers->sectionViewportPosition(1) + 3));
    QCOMPARE(table()->windowTitle(), QStringLiteral("Channel Information[ Channel - 2 ]"));
}

void UndoRedoTest::refusedChannelCommandsSayWhy() {
    QVERIFY(frame_->action(cmd::InsertChannel)->isEnabled()); // the table is open
    QCOMPARE(frame_->action(cmd::InsertChannel)->shortcut(), QKeySequence("Ctrl+I"));
    goToRow(3);
    const RadioImage before = globals().image;
    QTest::keyClick(table()->grid()->table(), Qt::Key_I, Qt::ControlModifier); // 16 in use
    QCOMPARE(globals().image, before);
    QCOMPARE(frame_->statusBar()->currentMessage(), uiText(StrId::StatusInsertLastChannelInUse));
    QVERIFY(!undoItem()->isEnabled());
    table()->grid()->table()->setFocus();
    QTest::keyClick(table()->grid()->table(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(table()->grid()->table(), Qt::Key_D, Qt::ControlModifier); // 16 emptied
    frame_->action(cmd::CopyChannel)->trigger();
    QCOMPARE(frame_->statusBar()->currentMessage(),
             QStringLiteral("Channel 16 cannot be copied: it is not programmed."));
    frame_->closeAllEditors();
    QTRY_VERIFY(!table());
    QVERIFY(!frame_->action(cmd::InsertChannel)->isEnabled());
}

void UndoRedoTest::clearingTheHistoryAsksAndKeepsTheData() {
    chooseNextInCell(3, 1);
    QTest::keyClick(table()->frequencyList(), Qt::Key_Return);
    QTRY_VERIFY(undoItem()->isEnabled());
    const RadioImage edited = globals().image;
    prompt_.push(PromptAnswer::Cancel);
    frame_->action(cmd::EditClearUndoHistory)->trigger();
    QVERIFY(undoItem()->isEnabled());
    QCOMPARE(prompt_.asked.back().textId, StrId::ClearUndoHistoryQuestion);
    prompt_.push(PromptAnswer::Ok);
    frame_->action(cmd::EditClearUndoHistory)->trigger();
    QVERIFY(!undoItem()->isEnabled());
    QVERIFY(!frame_->action(cmd::EditClearUndoHistory)->isEnabled());
    QCOMPARE(globals().image, edited);
    QVERIFY(hasUnsavedChanges(globals()));
}

// The dialog writes each choice at once: OK leaves them as one step named after the dialog;
// Cancel puts them back and leaves no step.
void UndoRedoTest::modelInformationIsOneStepAndCancelNone() {
    globals().image.setByte(layout::kBandCode, 0x93);
    history().restart();
    const RadioImage before = globals().image;
    for (const bool ok : {false, true}) {
        DialogScript script;
        script.on<ModelInfoDialog>([ok](ModelInfoDialog* d) {
            emit d->frequencyList()->activated(0);
            if (ok)
                d->accept();
            else
                d->reject();
        });
        frame_->runCommand(cmd::ModelInformation);
        QTRY_VERIFY(script.done());
        QCOMPARE(history().history().undoCount(), std::size_t(ok ? 1 : 0));
        QCOMPARE(globals().image.byte(layout::kBandCode), ok ? 0x92 : 0x93);
    }
    QCOMPARE(undoItem()->text(), QStringLiteral("&Undo Model Information"));
    undoItem()->trigger();
    QCOMPARE(globals().image, before);
}

QTEST_MAIN(UndoRedoTest)
#include "UndoRedoTest.moc"

// The Check Configuration window and the check before Write to Radio, as the user meets them
// in the main frame: findings listed errors first; Enter on a finding opens the editor that
// owns the field with the field focused; the write check asks with Cancel as the default when
// there are errors, writes on OK with warnings only, and its check box skips the warnings
// until the configuration changes.

#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <functional>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "app/LanguageLoader.h"
#include "app/ModelTable.h"
#include "app/Settings.h"
#include "app/ui/MainWindow.h"
#include "app/ui/main/EditorWindows.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/channel/ui/ChannelEditView.h"
#include "editors/channel/ui/ChannelInfoView.h"
#include "editors/channel/ui/TableGrid.h"
#include "editors/feature/ui/CrewLinkView.h"
#include "editors/feature/ui/DtmfView.h"
#include "editors/feature/ui/KeyAssignmentView.h"
#include "editors/feature/ui/OptionalFeaturesView.h"
#include "fields/ui/CheckWindow.h"
#include "fields/ui/FindingsList.h"
#include "fields/ui/WriteCheck.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/ModalAnswerer.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;

namespace {

void setUpGlobals() {
    AppGlobals& g = globals();
    g.language.setDirectory(TSW_BIN_DIR);
    QVERIFY(loadLanguage(g.language, 2) == LanguageTable::Loaded);
    parseIdentityText(kDefaultIdentityText, g.identity);
    g.image = test::defaultRadioImage();
    g.flags = SharedFlags{};
    channelEditorState() = ChannelEditorState{};
    resetAcknowledgedWarnings();
}

void setText(RadioImage& image, std::size_t offset, std::size_t length, std::string_view text) {
    for (std::size_t i = 0; i < length; ++i)
        image.setByte(offset + i, i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0xFF);
}

std::size_t channelByte(int channel, std::size_t field) {
    return layout::channelField(channel - 1, field);
}

// One fault in one editor, and where the focus must land when its finding is chosen.
struct Target {
    const char* what;
    std::function<void(RadioImage&)> craft;
    int command;                                // the editor that must be active
    std::function<QWidget*(EditorForm*)> focus; // the control that must have the focus
    std::function<bool(EditorForm*)> placed = [](EditorForm*) { return true; };
};

QWidget* control(EditorForm* form, int id) {
    return findControl(form, id);
}

// The focus is on `w` or inside it (an editable list hands it to its edit box).
bool focusIn(const QWidget* w) {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && (focus == w || w->isAncestorOf(focus));
}

} // namespace

class CheckWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::registerEditorWindows(); } // the windows behind the commands
    void init() { setUpGlobals(); }
    void findingsAreListedErrorsFirstWithTheirFieldAndCounted();
    void enterOnAFindingOpensItsEditorWithTheFieldFocused();
    void comingBackAfterAChangeChecksAgain();
    void writeCheckWithErrorsAsksWithCancelAsTheDefault();
    void writeCheckWithWarningsWritesOnOkAndCanSkipThemUntilAChange();

private:
    MemorySettingsStore settings_;
    test::ScriptedPrompt prompt_;
};

void CheckWindowTest::findingsAreListedErrorsFirstWithTheirFieldAndCounted() {
    MainWindow frame(settings_, MainWindow::Options{false, nullptr, {}});
    frame.setPrompt(&prompt_);
    for (std::size_t i = 0; i < 4; ++i) // a warning: channel 2 receives only
        globals().image.setByte(channelByte(2, layout::kChTxFreq) + i, 0xFF);
    globals().image.setByte(layout::kFeatSquelchLevel, 12); // an error
    QVERIFY(frame.action(cmd::CheckConfiguration));
    frame.action(cmd::CheckConfiguration)->trigger();
    CheckWindow* window = openCheckWindow(frame); // the open one
    QVERIFY(window->isVisible());
    FindingsList* list = window->list();
    QCOMPARE(list->rowCount(), 2);
    QCOMPARE(list->cellText(0, 0), QStringLiteral("Error"));
    QCOMPARE(list->cellText(0, 1), QStringLiteral("Optional Features / Squelch Level"));
    QCOMPARE(list->cellText(1, 0), QStringLiteral("Warning"));
    QCOMPARE(list->cellText(1, 1), QStringLiteral("Channel 2 / TX Frequency [MHz]"));
    QVERIFY(list->cellText(1, 2).startsWith("The channel has no transmit frequency"));
    QCOMPARE(window->summary()->text(), QStringLiteral("Errors: 1    Warnings: 1"));
    test::screenshot(window, "check-window");

    globals().image = test::defaultRadioImage();
    window->checkAgainButton()->click();
    QCOMPARE(list->rowCount(), 0);
    QVERIFY(window->summary()->text().startsWith("No errors and no warnings"));
    QVERIFY(!window->showFieldButton()->isEnabled());
    window->close();
}

void CheckWindowTest::enterOnAFindingOpensItsEditorWithTheFieldFocused() {
    const std::vector<Target> targets = {
        {"a receive frequency: its cell in the channel table",
         [](RadioImage& i) { i.setByte(channelByte(3, layout::kChRxFreq), 0x2B); },
         cmd::ChannelInformation,
         [](EditorForm* f) -> QWidget* { return f->findChild<TableGrid*>()->table(); },
         [](EditorForm* f) {
             for (const TableGrid* g : f->findChildren<TableGrid*>())
                 qInfo() << "grid" << g->currentRow() << g->currentCol() << g->isVisible();
             const TableGrid* grid = f->findChild<TableGrid*>();
             return grid->currentRow() == 3 && grid->currentCol() == 1 &&
                    channelEditorState().selectedChannel == 2;
         }},
        {"a transmit frequency: the channel edit window on that channel",
         [](RadioImage& i) {
             for (std::size_t k = 0; k < 4; ++k)
                 i.setByte(channelByte(8, layout::kChTxFreq) + k, 0xFF);
         },
         cmd::OpenChannelEdit,
         [](EditorForm* f) { return control(f, ChannelEditView::kTransmitListId); },
         [](EditorForm* f) {
             return static_cast<ChannelEditView*>(f)->channelNumber()->text() == "8";
         }},
        {"a number of Optional Features",
         [](RadioImage& i) { i.setByte(layout::kFeatTimeOutTimer, 50); }, cmd::OptionalFeatures,
         [](EditorForm* f) { return control(f, 1239); }},
        {"the DTMF ID on the second page",
         [](RadioImage& i) { setText(i, layout::kDtmfIdCode, 10, "12"); }, cmd::Dtmf,
         [](EditorForm* f) { return control(f, 1086); },
         [](EditorForm* f) { return f->findChild<QTabWidget*>()->currentIndex() == 1; }},
        {"a cell of the CrewLink fleet/ID table",
         [](RadioImage& i) { i.setByte(layout::crewEntryOffset(3), 0xFA + 3); }, cmd::CrewLink,
         [](EditorForm* f) -> QWidget* { return f->findChild<TableGrid*>()->table(); },
         [](EditorForm* f) {
             const TableGrid* grid = f->findChild<TableGrid*>();
             return grid->currentRow() == 3 && grid->currentCol() == 1 &&
                    f->findChild<QTabWidget*>()->currentIndex() == 1;
         }},
        {"a programmable key", [](RadioImage& i) { i.setByte(layout::kKeyPf2, 0); },
         cmd::KeyAssignment, [](EditorForm* f) { return control(f, feature::kKeyPf2ListId); }},
    };
    MainWindow frame(settings_, MainWindow::Options{false, nullptr, {}});
    frame.setPrompt(&prompt_);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    for (const Target& t : targets) {
        qInfo() << t.what;
        setUpGlobals();
        frame.closeAllEditors();
        QTRY_COMPARE(frame.openEditorCount(), 0);
        t.craft(globals().image);
        CheckWindow* window = openCheckWindow(frame);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->list()->rowCount(), 1);
        QApplication::setActiveWindow(window);
        window->list()->setFocus();
        QTest::keyClick(window->list(), Qt::Key_Return);
        EditorForm* form = frame.openEditorOf(t.command);
        QVERIFY2(form, t.what);
        QWidget* wanted = t.focus(form);
        QVERIFY2(wanted, t.what);
        QTRY_VERIFY2(focusIn(wanted), t.what);
        QVERIFY2(t.placed(form), t.what);
        window->close();
    }
    frame.closeAllEditors();
}

void CheckWindowTest::comingBackAfterAChangeChecksAgain() {
    MainWindow frame(settings_, MainWindow::Options{false, nullptr, {}});
    frame.setPrompt(&prompt_);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    globals().image.setByte(layout::kFeatBeep, 3);
    globals().image.setByte(layout::kFeatSquelchLevel, 12);
    CheckWindow* window = openCheckWindow(frame);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->list()->rowCount(), 2);
    window->list()->setCurrentCell(1, 0);
    QCOMPARE(window->list()->cellText(window->list()->currentRow(), 1),
             QStringLiteral("Optional Features / Beep"));
    const QString current = window->list()->cellText(window->list()->currentRow(), 1);

    QApplication::setActiveWindow(&frame);
    globals().image.setByte(layout::kFeatTotPreAlert, 40); // a third error, listed first
    QApplication::setActiveWindow(window);
    QTRY_COMPARE(window->list()->rowCount(), 3);
    QCOMPARE(window->list()->cellText(window->list()->currentRow(), 1), current);
    window->close();
}

void CheckWindowTest::writeCheckWithErrorsAsksWithCancelAsTheDefault() {
    MainWindow frame(settings_, MainWindow::Options{false, nullptr, {}});
    frame.setPrompt(&prompt_);
    globals().image.setByte(layout::kFeatMicSensitivity, 9);
    int asked = 0;
    for (const bool writeAnyway : {false, true}) {
        test::ModalAnswerer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<WriteCheckDialog*>(modal);
            if (!dialog)
                return false;
            ++asked;
            [&] {
                QVERIFY(dialog->hasErrors());
                QVERIFY(dialog->cancelButton()->isDefault());
                QVERIFY(!dialog->writeButton()->isDefault());
                QCOMPARE(dialog->writeButton()->text(), QStringLiteral("&Write Anyway"));
                QVERIFY(!dialog->suppressBox());
                QCOMPARE(dialog->list()->rowCount(), 1);
                QVERIFY(dialog->text()->text().contains("Write it to the radio anyway?"));
                test::screenshot(dialog, "write-check-errors");
            }();
            if (writeAnyway)
                dialog->writeButton()->click();
            else
                QTest::keyClick(dialog->list(), Qt::Key_Return); // Enter: the default, Cancel
            return true;
        });
        QCOMPARE(confirmWriteAfterCheck(frame, globals().image), writeAnyway);
    }
    QCOMPARE(asked, 2);
}

void CheckWindowTest::writeCheckWithWarningsWritesOnOkAndCanSkipThemUntilAChange() {
    MainWindow frame(settings_, MainWindow::Options{false, nullptr, {}});
    frame.setPrompt(&prompt_);
    QVERIFY(confirmWriteAfterCheck(frame, globals().image)); // nothing found: no window

    RadioImage& image = globals().image;
    for (std::size_t i = 0; i < 4; ++i)
        image.setByte(channelByte(5, layout::kChTxFreq) + i, 0xFF);
    struct Step {
        const char* what;
        bool press;  // OK (true) or Cancel
        bool tick;   // the check box first
        bool result; // the write goes on
        int shown;   // dialogs shown so far
    };
    const Step steps[] = {
        {"Cancel sends nothing", false, false, false, 1},
        {"OK writes", true, false, true, 2},
        {"OK with the box ticked writes", true, true, true, 3},
        {"the same configuration again: no window", true, false, true, 3},
    };
    int shown = 0;
    {
        test::ModalAnswerer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<WriteCheckDialog*>(modal);
            if (!dialog)
                return false;
            ++shown;
            const Step& s = steps[shown - 1];
            [&] {
                QVERIFY(!dialog->hasErrors());
                QVERIFY(dialog->writeButton()->isDefault());
                QVERIFY(dialog->suppressBox() && !dialog->suppressBox()->isChecked());
            }();
            if (s.tick)
                dialog->suppressBox()->setChecked(true);
            if (s.press)
                QTest::keyClick(dialog->list(), Qt::Key_Return); // Enter: the default, OK
            else
                dialog->cancelButton()->click();
            return true;
        });
        for (const Step& s : steps) {
            QCOMPARE(confirmWriteAfterCheck(frame, image), s.result);
            QCOMPARE(shown, s.shown);
        }
    }
    image.setByte(layout::kFeatSquelchLevel, 4); // a change: the warnings come back
    const int before = shown;
    test::ModalAnswerer again([&](QWidget* modal) {
        if (!qobject_cast<WriteCheckDialog*>(modal))
            return false;
        ++shown;
        static_cast<WriteCheckDialog*>(modal)->cancelButton()->click();
        return true;
    });
    QVERIFY(!confirmWriteAfterCheck(frame, image));
    QCOMPARE(shown, before + 1);
}

QTEST_MAIN(CheckWindowTest)
#include "CheckWindowTest.moc"

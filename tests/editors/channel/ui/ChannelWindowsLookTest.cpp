// Opens every channel window with the default image and with an image that has empty
// channels, and checks that each one lays out its table in full. With TSW_SCREENSHOT_DIR set,
// each window is saved there as a PNG to look at.

#include <QDir>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QtTest>

#include "app/CommandIds.h"
#include "editors/channel/ui/CChEditView.h"
#include "editors/channel/ui/CChInfoView.h"
#include "editors/channel/ui/CTestFreqView.h"
#include "editors/channel/ui/CopyDialogs.h"
#include "editors/channel/ui/MemoryMapDialog.h"
#include "editors/channel/ui/QtDqtTableDialog.h"
#include "tests/editors/channel/ui/ChannelUiTestSupport.h"
#include "tests/support/ui/MdiTestShell.h"
#include "tests/support/ui/ModalAnswerer.h"

using namespace tsw;
using namespace tsw::ui;

namespace {

void save(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("TSW_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QVERIFY(w->grab().save(dir + "/" + name + ".png"));
}

// Every column of the grid shows its widest text unclipped.
void expectColumnsFit(CMSFlexGrid* grid) {
    QTableWidget* table = grid->table();
    const QFontMetrics m = table->fontMetrics();
    for (int c = 1; c < grid->cols(); ++c)
        for (int r = 1; r < grid->rows(); ++r)
            QVERIFY2(m.horizontalAdvance(grid->text(r, c)) <= table->columnWidth(c - 1),
                     qPrintable(grid->text(r, c)));
}

} // namespace

class ChannelWindowsLookTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::loadEnglishTexts(); }
    void windows_data();
    void windows();
};

void ChannelWindowsLookTest::windows_data() {
    QTest::addColumn<int>("firstEmpty");
    QTest::newRow("default") << 16;
    QTest::newRow("empty-channels") << 5;
}

void ChannelWindowsLookTest::windows() {
    QFETCH(int, firstEmpty);
    const QString suffix = firstEmpty == 16 ? "default" : "empty";
    test::resetImage(firstEmpty);
    test::MdiTestShell shell;
    test::showActive(&shell.mainWindow());

    shell.runCommand(cmd::ChannelInformation);
    auto* info = qobject_cast<CChInfoView*>(shell.openEditorOf(cmd::ChannelInformation));
    QVERIFY(info);
    QMdiSubWindow* infoFrame = qobject_cast<QMdiSubWindow*>(info->parentWidget());
    infoFrame->adjustSize();
    expectColumnsFit(info->grid());
    QVERIFY(info->grid()->sizeForRows(16).height() <= info->grid()->height());
    save(infoFrame, "channel-info-" + suffix);
    test::clickCell(info->grid(), 2, 2);
    QTRY_VERIFY(info->toneList()->isVisible());
    save(infoFrame, "channel-info-tone-list-" + suffix);
    QTest::keyClick(info->toneList(), Qt::Key_Escape);
    test::clickCell(info->grid(), 3, 4);
    save(infoFrame, "channel-info-flag-list-" + suffix);
    QTest::keyClick(info->flagList(), Qt::Key_Escape);
    test::clickCell(info->grid(), 8, 1);
    QTRY_VERIFY(info->frequencyList()->isVisible());
    save(infoFrame, "channel-info-frequency-list-" + suffix);
    QTest::keyClick(info->frequencyList(), Qt::Key_Escape);

    shell.runCommand(cmd::OpenChannelEdit);
    auto* edit = qobject_cast<CChEditView*>(shell.openEditorOf(cmd::OpenChannelEdit));
    channelEditorState().selectedChannel = firstEmpty == 16 ? 2 : 7;
    edit->showChannel();
    qobject_cast<QMdiSubWindow*>(edit->parentWidget())->adjustSize();
    save(edit->parentWidget(), "channel-edit-" + suffix);

    shell.runCommand(cmd::TestFrequency);
    auto* test = qobject_cast<CTestFreqView*>(shell.openEditorOf(cmd::TestFrequency));
    qobject_cast<QMdiSubWindow*>(test->parentWidget())->adjustSize();
    expectColumnsFit(test->grid());
    save(test->parentWidget(), "test-frequency-" + suffix);
    test->grid()->setCurrentCell(2, 2);
    QTest::keyClick(test->grid()->table(), Qt::Key_Return);
    QTRY_VERIFY(test->editBox()->isVisible());
    save(test->parentWidget(), "test-frequency-edit-" + suffix);
    QTest::keyClick(test->editBox(), Qt::Key_Escape);
    shell.mdiArea().tileSubWindows();
    save(&shell.mainWindow(), "mdi-" + suffix);

    channelEditorState().selectedChannel = 1;
    auto grabDialog = [&](const QString& name) {
        return [name](QWidget* modal) {
            save(modal, name);
            if (auto* map = qobject_cast<MemoryMapDialog*>(modal)) {
                expectColumnsFit(map->grid());
                QTest::keyClick(map->grid()->table(), Qt::Key_Return);
                save(modal, name + "-edit");
            }
            qobject_cast<QDialog*>(modal)->reject();
            return true;
        };
    };
    for (auto [command, name] : {std::pair{cmd::MemoryMap, QString("memory-map-")},
                                 std::pair{cmd::QtDqtTable, QString("qt-dqt-table-")}}) {
        test::ModalAnswerer answer(grabDialog(name + suffix));
        shell.runCommand(command);
        QCOMPARE(answer.handled(), 1);
    }
    {
        test::ModalAnswerer answer(grabDialog("channel-copy-" + suffix));
        ChannelCopyDialog(shell.window()).exec();
    }
    {
        test::ModalAnswerer answer(grabDialog("frequency-copy-" + suffix));
        FrequencyCopyDialog(shell.window()).exec();
    }
    {
        test::ModalAnswerer answer(grabDialog("qt-dqt-copy-" + suffix));
        QtDqtCopyDialog(shell.window()).exec();
    }
}

QTEST_MAIN(ChannelWindowsLookTest)
#include "ChannelWindowsLookTest.moc"

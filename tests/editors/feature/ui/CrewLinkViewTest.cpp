// Widget tests of the CrewLink view: own fleet and ID shown coupled, the fleet/ID table's
// keyboard paths with the "all" text, and the tab keys.

#include <QTableWidget>
#include <QtTest>

#include "app/ImageLayout.h"
#include "app/ui/FilterEdit.h"
#include "editors/feature/ui/CellGrid.h"
#include "editors/feature/ui/CrewLinkView.h"
#include "editors/feature/ui/FieldBinder.h"
#include "tests/editors/feature/ui/FeatureUiSupport.h"

using namespace tsw;
using namespace tsw::ui;

class CrewLinkViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test::setUpGlobals(); }
    void ownFleetFillsInTheOwnId();
    void tableCellsEditWithEnterAndMoveOn();
    void ctrlTabSwitchesTabs();

private:
    test::MdiTestShell shell_;
};

void CrewLinkViewTest::ownFleetFillsInTheOwnId() {
    CrewLinkView view; // default image: no own fleet, no own ID
    auto* fleet = findControl<FilterEdit>(&view, 1103);
    auto* id = findControl<FilterEdit>(&view, 1105);
    QCOMPARE(fleet->text(), QString());
    QCOMPARE(findControl<FilterEdit>(&view, 1107)->text(), QString("400"));
    test::showAndFocus(&view, fleet);
    test::typeAndLeave(fleet, "50");
    QCOMPARE(fleet->text(), QString("100"));
    QCOMPARE(id->text(), QString("1000"));
    test::typeAndLeave(id, "");
    QCOMPARE(fleet->text(), QString());
    QCOMPARE(globals().image.byte(layout::kCrewOwnFleet), 0xFF);
    findControl<SpinButtons>(&view, 1111)->upButton()->click(); // from none: fleet 100
    QCOMPARE(fleet->text(), QString("100"));
    QCOMPARE(id->text(), QString("1000"));
}

void CrewLinkViewTest::tableCellsEditWithEnterAndMoveOn() {
    CrewLinkView view;
    view.tabs()->setCurrentIndex(1);
    CellGrid* grid = view.grid();
    test::showAndFocus(&view, grid->table());
    grid->setCurrentCell(4, 1);
    QTest::keyClicks(grid->table(), "a"); // opens the editor with the letter, turned into A
    QTRY_COMPARE(grid->editor()->text(), QString("A"));
    QTest::keyClick(grid->editor(), Qt::Key_Return);
    const QString all = uiText(StrId::AllText);
    QCOMPARE(grid->cellText(4, 1), all);
    QCOMPARE(grid->cellText(4, 2), all);
    QCOMPARE(globals().image.byte(layout::crewEntryOffset(5)), 0);
    QCOMPARE(globals().image.byte(layout::kCrewTableLow + 12), 0xFF);
    QCOMPARE(grid->currentColumn(), 2);             // on to the ID cell
    QTest::keyClick(grid->table(), Qt::Key_Return); // Enter keeps the cell's text
    QCOMPARE(grid->editor()->text(), all);
    grid->editor()->selectAll();
    QTest::keyClicks(grid->editor(), "2345");
    QTest::keyClick(grid->editor(), Qt::Key_Return);
    QCOMPARE(grid->cellText(4, 2), QString("2345"));
    QCOMPARE(grid->currentRow(), 5);
    QCOMPARE(grid->currentColumn(), 1);

    grid->setCurrentCell(7, 2);
    QTest::keyClick(grid->table(), Qt::Key_Delete);
    QTest::keyClick(grid->editor(), Qt::Key_Return);
    QCOMPARE(grid->currentRow(), 7); // after the last cell the focus stays
    QCOMPARE(grid->currentColumn(), 2);
    QTest::keyClick(grid->table(), Qt::Key_Home);
    QCOMPARE(grid->currentRow(), 0);
}

void CrewLinkViewTest::ctrlTabSwitchesTabs() {
    CrewLinkView view;
    test::showAndFocus(&view, findControl<FilterEdit>(&view, 1103));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(view.tabs()->currentIndex(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(view.tabs()->currentIndex(), 0);
}

QTEST_MAIN(CrewLinkViewTest)
#include "CrewLinkViewTest.moc"

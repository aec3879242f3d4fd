// Widget tests of the DTMF view: the tab keys, the ID code message and refocus, the stun type
// enabling, the D key, and the code grid's keyboard paths.

#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

#include "app/ImageLayout.h"
#include "app/ui/FilterEdit.h"
#include "editors/feature/ui/CellGrid.h"
#include "editors/feature/ui/DtmfView.h"
#include "editors/feature/ui/FieldBinder.h"
#include "tests/editors/feature/ui/FeatureUiSupport.h"

using namespace tsw;
using namespace tsw::ui;

class DtmfViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test::setUpGlobals(); }
    void ctrlTabWrapsAroundTheTabs();
    void shortIdCodeIsRefusedAndRefocused();
    void clearingTheStunCodeDisablesStunType();
    void dKeyMeansNoDCode();
    void codeGridEditsWithEnterTypingAndEscape();

private:
    test::MdiTestShell shell_;
};

void DtmfViewTest::ctrlTabWrapsAroundTheTabs() {
    DtmfView view;
    auto* speed = findControl<FilterEdit>(&view, 1067);
    test::showAndFocus(&view, speed);
    QCOMPARE(view.tabs()->count(), 3);
    QCOMPARE(view.tabs()->currentIndex(), 0);
    const QList<int> forward{1, 2, 0};
    for (int expected : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(view.tabs()->currentIndex(), expected);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(view.tabs()->currentIndex(), 2);
}

void DtmfViewTest::shortIdCodeIsRefusedAndRefocused() {
    DtmfView view;
    view.tabs()->setCurrentIndex(1);
    auto* id = findControl<FilterEdit>(&view, 1086);
    QCOMPARE(id->text(), QString("000"));
    QCOMPARE(id->font(), fixedPitchFont());
    test::showAndFocus(&view, id);
    test::typeAndLeave(id, "12");
    QCOMPARE(shell_.scripted.asked.back().textId, StrId::CodeTooShort);
    QCOMPARE(id->text(), QString("000"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(id));
    test::typeAndLeave(id, "4711");
    QCOMPARE(globals().image.byte(layout::kDtmfIdCode + 3), '1');
    QCOMPARE(globals().image.byte(layout::kDtmfIdCode + 4), 0xFF);
}

void DtmfViewTest::clearingTheStunCodeDisablesStunType() {
    DtmfView view;
    view.tabs()->setCurrentIndex(1);
    auto* code = findControl<FilterEdit>(&view, 1351);
    auto* type = findControl<QComboBox>(&view, 1350);
    QVERIFY(!type->isEnabled());
    test::showAndFocus(&view, code);
    test::typeAndLeave(code, "a1#");
    QCOMPARE(code->text(), QString("A1#")); // the DTMF filter turns a into A
    QVERIFY(type->isEnabled());
    type->setCurrentIndex(1);
    QCOMPARE(globals().image.byte(layout::kDtmfStunType), 1);
    test::typeAndLeave(code, "");
    QVERIFY(!type->isEnabled());
    QCOMPARE(globals().image.byte(layout::kDtmfStunType), 1);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view.closeButton()));
}

void DtmfViewTest::dKeyMeansNoDCode() {
    globals().image.setByte(layout::kDtmfDCodeAssignment, 5);
    DtmfView view;
    auto* dcode = findControl<FilterEdit>(&view, 1079);
    QCOMPARE(dcode->text(), QString("5s"));
    test::showAndFocus(&view, dcode);
    QTest::keyClick(dcode, Qt::Key_D);
    QCOMPARE(dcode->text(), QString("D"));
    QTest::keyClick(dcode, Qt::Key_Tab);
    QCOMPARE(globals().image.byte(layout::kDtmfDCodeAssignment), 0);
    QCOMPARE(dcode->text(), uiText(StrId::DtmfDCodeNone));
}

void DtmfViewTest::codeGridEditsWithEnterTypingAndEscape() {
    DtmfView view;
    view.tabs()->setCurrentIndex(2);
    CellGrid* grid = view.grid();
    test::showAndFocus(&view, grid->table());
    grid->setCurrentCell(0, 1);
    QTest::keyClick(grid->table(), Qt::Key_Return);
    QVERIFY(grid->editing());
    QTest::keyClicks(grid->editor(), "12");
    QTest::keyClick(grid->editor(), Qt::Key_Return);
    QVERIFY(!grid->editing());
    QCOMPARE(grid->cellText(0, 1), QString("12"));
    QCOMPARE(view.form().gridCode(0), std::string("12"));
    QCOMPARE(grid->currentRow(), 1); // moved down

    QTest::keyClicks(grid->table(), "b"); // a DTMF character opens the editor and is typed
    QTRY_COMPARE(grid->editor()->text(), QString("B"));
    QTest::keyClick(grid->editor(), Qt::Key_Escape);
    QVERIFY(!grid->editing());
    QCOMPARE(grid->cellText(1, 1), QString());
    QTest::keyClicks(grid->table(), "x"); // not a DTMF character: nothing opens
    QVERIFY(!grid->editing());
    QTest::keyClick(grid->table(), Qt::Key_Home);
    QCOMPARE(grid->currentRow(), 0);
    QTest::keyClick(grid->table(), Qt::Key_Delete);
    QCOMPARE(grid->editor()->text(), QString());
    QTest::keyClick(grid->editor(), Qt::Key_Return);
    QCOMPARE(grid->cellText(0, 1), QString());
}

QTEST_MAIN(DtmfViewTest)
#include "DtmfViewTest.moc"

// Widget tests of the editor laid over a grid cell, on a bare grid: what is stored when the
// editor is left in each way, which cell it goes to, where the focus ends, and the list form.
// The grids' own keys are covered by the tests of the windows that use it.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>
#include <array>

#include "editors/channel/ui/CellOverlay.h"
#include "editors/channel/ui/TableGrid.h"
#include "tests/editors/channel/ui/ChannelUiTestSupport.h"

using namespace tsw;
using namespace tsw::ui;

namespace {

struct Stored {
    int row;
    int column;
    QString text;
};

// A grid of three data rows and two data columns, an edit box, a list and a button beside it.
struct Host {
    QWidget window;
    TableGrid* grid = new TableGrid(&window);
    QLineEdit* edit = new QLineEdit(&window);
    QComboBox* list = new QComboBox(&window);
    QPushButton* elsewhere = new QPushButton(QStringLiteral("elsewhere"), &window);
    std::vector<Stored> stored;
    int cancelled = 0;
    int closed = 0;

    Host() {
        static constexpr std::array<int, 3> kWidths{600, 1200, 1200};
        grid->setShape(4, kWidths);
        grid->fillCells(
            [](int r, int c) { return "r" + std::to_string(r) + "c" + std::to_string(c); });
        list->addItems({QStringLiteral("first"), QStringLiteral("second")});
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(grid);
        layout->addWidget(elsewhere);
    }
    // An overlay whose store keeps what the editor holds and shows it in upper case.
    CellOverlay* overlay(QWidget* editor) {
        auto* made = new CellOverlay(grid, editor, [this, editor](int row, int column) {
            const auto* box = qobject_cast<QLineEdit*>(editor);
            const QString text = box ? box->text() : list->currentText();
            stored.push_back({row, column, text});
            return std::optional<QString>(text.toUpper());
        });
        made->setCancelled([this] { ++cancelled; });
        QObject::connect(made, &CellOverlay::closed, &window, [this] { ++closed; });
        return made;
    }
};

} // namespace

class CellOverlayTest : public QObject {
    Q_OBJECT
private slots:
    void leavingTheEditorStoresItsCell_data();
    void leavingTheEditorStoresItsCell();
    void escapeStoresNothing();
    void aListStoresItsChoice();
    void nothingOpensOnTheHeadersOrStoresWhenClosed();
};

void CellOverlayTest::leavingTheEditorStoresItsCell_data() {
    QTest::addColumn<int>("how");
    QTest::addColumn<bool>("gridHasFocus");
    QTest::newRow("Enter") << 0 << true;
    QTest::newRow("the focus going to another control") << 1 << false;
    QTest::newRow("the owner storing it") << 2 << true;
}

// However the box is left, the cell it was opened on is stored, even when the current cell
// moved meanwhile, and shows the owner's text; the focus returns to the grid only when the
// box had it.
void CellOverlayTest::leavingTheEditorStoresItsCell() {
    QFETCH(int, how);
    QFETCH(bool, gridHasFocus);
    Host host;
    test::showActive(&host.window);
    CellOverlay* overlay = host.overlay(host.edit);
    host.grid->setCurrentCell(2, 1);
    QVERIFY(overlay->openEdit(QStringLiteral("old")));
    QVERIFY(host.edit->hasFocus());
    QCOMPARE(host.grid->text(2, 1), QString()); // the box stands in for the cell's text
    QTest::keyClicks(host.edit, QStringLiteral("new"));
    host.grid->setCurrentCell(3, 2);
    if (how == 0)
        QTest::keyClick(host.edit, Qt::Key_Return);
    else if (how == 1)
        host.elsewhere->setFocus(Qt::MouseFocusReason);
    else
        QVERIFY(overlay->store());
    QTRY_VERIFY(!overlay->isOpen());
    QCOMPARE(host.stored.size(), std::size_t{1});
    QCOMPARE(std::pair(host.stored[0].row, host.stored[0].column), std::pair(2, 1));
    QCOMPARE(host.stored[0].text, QStringLiteral("new"));
    QCOMPARE(host.grid->text(2, 1), QStringLiteral("NEW"));
    QCOMPARE(host.grid->table()->hasFocus(), gridHasFocus);
    QCOMPARE(host.elsewhere->hasFocus(), !gridHasFocus);
    QCOMPARE(host.closed, 1);
    QCOMPARE(host.cancelled, 0);
}

void CellOverlayTest::escapeStoresNothing() {
    Host host;
    test::showActive(&host.window);
    CellOverlay* overlay = host.overlay(host.edit);
    host.grid->setCurrentCell(3, 2);
    QVERIFY(overlay->openEdit(QStringLiteral("r3c2")));
    QTest::keyClicks(host.edit, QStringLiteral("typed"));
    QTest::keyClick(host.edit, Qt::Key_Escape);
    QVERIFY(!overlay->isOpen());
    QVERIFY(host.stored.empty());
    QCOMPARE(host.grid->text(3, 2), QStringLiteral("r3c2"));
    QVERIFY(host.grid->table()->hasFocus());
    QCOMPARE(host.cancelled, 1);
    QCOMPARE(host.closed, 1);
}

void CellOverlayTest::aListStoresItsChoice() {
    Host host;
    test::showActive(&host.window);
    CellOverlay* overlay = host.overlay(host.list);
    host.grid->setCurrentCell(1, 2);
    QVERIFY(overlay->openList(0));
    QCOMPARE(host.list->currentIndex(), 0);
    QTest::keyClick(host.list, Qt::Key_Down);
    QTest::keyClick(host.list, Qt::Key_Return);
    QVERIFY(!overlay->isOpen());
    QCOMPARE(host.stored.size(), std::size_t{1});
    QCOMPARE(host.stored[0].text, QStringLiteral("second"));
    QCOMPARE(host.grid->text(1, 2), QStringLiteral("SECOND"));
}

void CellOverlayTest::nothingOpensOnTheHeadersOrStoresWhenClosed() {
    Host host;
    test::showActive(&host.window);
    CellOverlay* edit = host.overlay(host.edit);
    CellOverlay* list = host.overlay(host.list);
    QVERIFY(!edit->store());
    edit->cancel();
    host.grid->setCurrentCell(0, 1);
    QVERIFY(!edit->openEdit(QStringLiteral("x")));
    host.grid->setCurrentCell(1, 0);
    QVERIFY(!list->openList(0));
    QVERIFY(!edit->isOpen() && !list->isOpen());
    QVERIFY(host.stored.empty());
    QCOMPARE(host.closed + host.cancelled, 0);
    // An edit box overlay opens no list, and the other way round.
    host.grid->setCurrentCell(1, 1);
    QVERIFY(!edit->openList(0));
    QVERIFY(!list->openEdit(QStringLiteral("x")));
}

QTEST_MAIN(CellOverlayTest)
#include "CellOverlayTest.moc"

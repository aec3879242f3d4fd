// Widget tests of the Embedded Message view: the Enter path, no paste, commit on Close while a
// line still has the focus, non-ASCII text stored as an empty line.

#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include "app/ImageLayout.h"
#include "editors/feature/ui/CEmbView.h"
#include "editors/feature/ui/FieldBinder.h"
#include "tests/editors/feature/ui/FeatureUiSupport.h"

using namespace tsw;
using namespace tsw::ui;

namespace {
std::string storedLine(std::size_t at) {
    std::string s;
    for (std::size_t i = 0; i < 32 && globals().image.byte(at + i) != 0xFF; ++i)
        s.push_back(static_cast<char>(globals().image.byte(at + i)));
    return s;
}
} // namespace

class EmbViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test::setUpGlobals(); }
    void enterMovesFromLineToLineToClose();
    void nothingCanBePasted();
    void closeStoresTheFocusedLine();
    void accentedTextStoresAnEmptyLine();

private:
    test::MdiTestShell shell_;
};

void EmbViewTest::enterMovesFromLineToLineToClose() {
    CEmbView view;
    view.line(1)->setText("SECOND");
    test::showAndFocus(&view, view.line(0));
    QTest::keyClicks(view.line(0), "HELLO");
    QTest::keyClick(view.line(0), Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view.line(1)));
    QCOMPARE(storedLine(layout::kMessageLine1), std::string("HELLO"));
    QCOMPARE(view.line(1)->selectedText(), view.line(1)->text());
    QTest::keyClick(view.line(1), Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view.closeButton()));
    QCOMPARE(view.line(0)->font(), fixedPitchFont());
    QCOMPARE(view.line(0)->maxLength(), 32);
    test::saveScreenshot(&view, "embedded-message");
}

void EmbViewTest::nothingCanBePasted() {
    QApplication::clipboard()->setText("PASTED");
    CEmbView view;
    test::showAndFocus(&view, view.line(0));
    QTest::keyClick(view.line(0), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(view.line(0), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(view.line(0)->text(), QString());
    QCOMPARE(view.line(0)->contextMenuPolicy(), Qt::NoContextMenu);
}

void EmbViewTest::closeStoresTheFocusedLine() {
    QMdiArea area;
    auto* view = new CEmbView;
    QPointer<QMdiSubWindow> sub = area.addSubWindow(view);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    test::showAndFocus(&area, view->line(1));
    QTest::keyClicks(view->line(1), "TYPED");
    view->closeButton()->click(); // the line keeps the focus until the window goes
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view->line(1)));
    QTRY_VERIFY(sub.isNull());
    QCOMPARE(storedLine(layout::kMessageLine2), std::string("TYPED"));
}

void EmbViewTest::accentedTextStoresAnEmptyLine() {
    CEmbView view;
    test::showAndFocus(&view, view.line(0));
    QTest::keyClicks(view.line(0), QString::fromUtf8("CAF\xC3\x89"));
    view.line(1)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view.line(1)));
    QCOMPARE(globals().image.byte(layout::kMessageLine1), 0xFF);
    QCOMPARE(view.line(0)->text(), QString());
}

QTEST_MAIN(EmbViewTest)
#include "EmbViewTest.moc"

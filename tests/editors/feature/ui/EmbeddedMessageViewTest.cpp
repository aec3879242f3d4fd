// Widget tests of the Embedded Message view: the Enter path, no paste, commit on Close while a
// line still has the focus, characters the radio cannot store refused as they come in.

#include <QClipboard>
#include <QInputMethodEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include "app/ImageLayout.h"
#include "editors/feature/ui/EmbeddedMessageView.h"
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

class EmbeddedMessageViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test::setUpGlobals(); }
    void enterMovesFromLineToLineToClose();
    void nothingCanBePasted();
    void closeStoresTheFocusedLine();
    void unstorableCharactersAreNotTaken_data();
    void unstorableCharactersAreNotTaken();

private:
    test::MdiTestShell shell_;
};

void EmbeddedMessageViewTest::enterMovesFromLineToLineToClose() {
    EmbeddedMessageView view;
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

void EmbeddedMessageViewTest::nothingCanBePasted() {
    QApplication::clipboard()->setText("PASTED");
    EmbeddedMessageView view;
    test::showAndFocus(&view, view.line(0));
    QTest::keyClick(view.line(0), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(view.line(0), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(view.line(0)->text(), QString());
    QCOMPARE(view.line(0)->contextMenuPolicy(), Qt::NoContextMenu);
}

void EmbeddedMessageViewTest::closeStoresTheFocusedLine() {
    QMdiArea area;
    auto* view = new EmbeddedMessageView;
    QPointer<QMdiSubWindow> sub = area.addSubWindow(view);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    test::showAndFocus(&area, view->line(1));
    QTest::keyClicks(view->line(1), "TYPED");
    view->closeButton()->click(); // the line keeps the focus until the window goes
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view->line(1)));
    QTRY_VERIFY(sub.isNull());
    QCOMPARE(storedLine(layout::kMessageLine2), std::string("TYPED"));
}

void EmbeddedMessageViewTest::unstorableCharactersAreNotTaken_data() {
    QTest::addColumn<QString>("typed");     // typed key by key
    QTest::addColumn<QString>("altGr");     // typed with Ctrl+Alt held (AltGr on some systems)
    QTest::addColumn<QString>("committed"); // committed by an input method
    QTest::addColumn<QString>("kept");
    QTest::newRow("accented letter typed") << "CAF\u00C9 au lait"
                                           << ""
                                           << ""
                                           << "CAF au lait";
    QTest::newRow("euro sign with AltGr") << "5 "
                                          << "\u20AC"
                                          << ""
                                          << "5 ";
    QTest::newRow("input method") << ""
                                  << ""
                                  << "na\u00EFve ~\x7F"
                                  << "nave ~";
    QTest::newRow("every printable ASCII character") << " !/09:@AZ[`az{~"
                                                     << "@"
                                                     << " #"
                                                     << " !/09:@AZ[`az{~@ #";
}

// The radio stores a line holding any other character as empty: the box never takes one, so
// what the user sees is what is stored.
void EmbeddedMessageViewTest::unstorableCharactersAreNotTaken() {
    QFETCH(QString, typed);
    QFETCH(QString, altGr);
    QFETCH(QString, committed);
    QFETCH(QString, kept);
    EmbeddedMessageView view;
    test::showAndFocus(&view, view.line(0));
    for (QChar c : typed)
        QTest::keyClicks(view.line(0), QString(c));
    for (QChar c : altGr)
        QTest::sendKeyEvent(QTest::Click, view.line(0), Qt::Key_E, QString(c),
                            Qt::ControlModifier | Qt::AltModifier);
    if (!committed.isEmpty()) {
        QInputMethodEvent event;
        event.setCommitString(committed);
        QApplication::sendEvent(view.line(0), &event);
    }
    QCOMPARE(view.line(0)->text(), kept);
    view.line(1)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view.line(1)));
    QCOMPARE(QString::fromStdString(storedLine(layout::kMessageLine1)), kept);
    QCOMPARE(view.line(0)->text(), kept);
}

QTEST_MAIN(EmbeddedMessageViewTest)
#include "EmbeddedMessageViewTest.moc"

// The transfer dialog's progress bar: what it draws, and that a position repaints only when
// the bar's pixel width changes.

#include <QtTest>

#include "link/ui/ProgressBar.h"

using tsw::ui::ProgressBar;

class ProgressBarTest : public QObject {
    Q_OBJECT
private slots:
    void showsThePercentageOrItsOwnText_data();
    void showsThePercentageOrItsOwnText();
    void repaintsOnlyWhenTheBarWidthChanges();
    void drawsBarAndBackgroundInHighlightAndWindowColours();
};

void ProgressBarTest::showsThePercentageOrItsOwnText_data() {
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("shown");
    QTest::newRow("read start") << 0 << 1024 << 0 << QString() << "0%";
    QTest::newRow("truncated") << 0 << 1024 << 1023 << QString() << "99%";
    QTest::newRow("read done") << 0 << 1024 << 1024 << QString() << "100%";
    QTest::newRow("write end") << 0 << 811 << 816 << QString() << "100%"; // past the end
    QTest::newRow("own text") << 0 << 100 << 50 << "busy"
                              << "busy";
}

void ProgressBarTest::showsThePercentageOrItsOwnText() {
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, position);
    QFETCH(QString, own);
    QFETCH(QString, shown);
    ProgressBar bar;
    bar.setRange(minimum, maximum);
    bar.setPos(position);
    bar.setDisplayText(own);
    QCOMPARE(bar.shownText(), shown);
}

void ProgressBarTest::repaintsOnlyWhenTheBarWidthChanges() {
    ProgressBar bar;
    bar.resize(106, 24); // 104 pixels inside the frame
    bar.setRange(0, 1024);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QTRY_COMPARE(bar.lastDrawnWidth(), 0);
    const int before = bar.repaintRequests();
    bar.setPos(5); // 5/1024 of 104 pixels: still 0
    QCOMPARE(bar.repaintRequests(), before);
    bar.setPos(64); // 6 pixels
    QCOMPARE(bar.repaintRequests(), before + 1);
    QTRY_COMPARE(bar.lastDrawnWidth(), 6);
    bar.setPos(66); // still 6 pixels
    QCOMPARE(bar.repaintRequests(), before + 1);
    bar.setDisplayText(QString()); // unchanged text: nothing
    QCOMPARE(bar.repaintRequests(), before + 1);
    bar.setDisplayText("x");
    QCOMPARE(bar.repaintRequests(), before + 2);
}

void ProgressBarTest::drawsBarAndBackgroundInHighlightAndWindowColours() {
    ProgressBar bar;
    bar.resize(202, 30);
    bar.setRange(0, 100);
    bar.setPos(25);
    bar.setDisplayText(" "); // no glyphs in the way of the colour probes
    const QImage image = bar.grab().toImage();
    const QColor highlight = bar.palette().color(QPalette::Highlight);
    const QColor window = bar.palette().color(QPalette::Base);
    QCOMPARE(image.pixelColor(10, 15), highlight);
    QCOMPARE(image.pixelColor(45, 15), highlight);
    QCOMPARE(image.pixelColor(55, 15), window);
    QCOMPARE(image.pixelColor(190, 15), window);

    bar.setRange(5, 5); // no range: nothing but the background
    const QImage empty = bar.grab().toImage();
    QCOMPARE(empty.pixelColor(10, 15), window);
}

QTEST_MAIN(ProgressBarTest)
#include "ProgressBarTest.moc"

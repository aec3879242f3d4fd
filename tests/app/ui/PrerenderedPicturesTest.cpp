// The pictures drawn when the program is built: each is what drawing its SVG gives, the ones
// start-up shows are all there, and the program takes them (at any pixel ratio that asks for
// their size in device pixels) instead of drawing the SVG.

#include <QtTest>
#include <algorithm>

#include "app/ui/PrerenderedPictures.h"
#include "app/ui/SvgIcon.h"
#include "app/ui/UiText.h"

using namespace tsw::ui;

namespace {

QImage tableImage(const PrerenderedPicture& p) {
    return QImage(reinterpret_cast<const uchar*>(p.pixels), p.width, p.height,
                  QImage::Format_ARGB32_Premultiplied);
}

// The largest difference of any channel of any pixel; -1 when the sizes differ.
int largestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            largest = std::max({largest, std::abs(qAlpha(p[col]) - qAlpha(q[col])),
                                std::abs(qRed(p[col]) - qRed(q[col])),
                                std::abs(qGreen(p[col]) - qGreen(q[col])),
                                std::abs(qBlue(p[col]) - qBlue(q[col]))});
    }
    return largest;
}

} // namespace

class PrerenderedPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void eachIsWhatItsSvgDraws();
    void startUpPicturesAreThere_data();
    void startUpPicturesAreThere();
    void otherSizesAreDrawnFromTheSvg();
};

void PrerenderedPicturesTest::eachIsWhatItsSvgDraws() {
    QVERIFY(!prerenderedPictures().empty());
    for (const PrerenderedPicture& p : prerenderedPictures()) {
        const QImage drawn = drawSvg(QString::fromLatin1(p.resourcePath), QSize(p.width, p.height));
        QVERIFY2(!drawn.isNull() && largestDifference(tableImage(p), drawn) <= 2, p.resourcePath);
    }
}

void PrerenderedPicturesTest::startUpPicturesAreThere_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("ratio");
    QTest::newRow("splash") << QStringLiteral(":/pictures/splash.svg") << QSize(480, 300) << 1.0;
    for (int side : {16, 32, 64, 128})
        QTest::addRow("window icon %d", side)
            << QString::fromLatin1(kAppIcon) << QSize(side, side) << 1.0;
    QTest::newRow("window icon 16 at ratio 2")
        << QString::fromLatin1(kAppIcon) << QSize(16, 16) << 2.0;
    for (const char* name : {"new", "open", "save", "undo", "redo", "print", "read", "write",
                             "channels", "tree", "help"})
        QTest::addRow("tool bar %s", name)
            << QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)) << QSize(24, 24) << 1.0;
}

void PrerenderedPicturesTest::startUpPicturesAreThere() {
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QFETCH(double, ratio);
    const QSize device = size * ratio;
    const auto pictures = prerenderedPictures();
    const auto it = std::find_if(pictures.begin(), pictures.end(), [&](const auto& p) {
        return resource == QLatin1String(p.resourcePath) && QSize(p.width, p.height) == device;
    });
    QVERIFY(it != pictures.end());
    const QPixmap pm = svgPixmap(resource, size, ratio);
    QCOMPARE(pm.devicePixelRatio(), ratio);
    QCOMPARE(largestDifference(pm.toImage(), tableImage(*it)), 0);
}

void PrerenderedPicturesTest::otherSizesAreDrawnFromTheSvg() {
    const QString icon = QString::fromLatin1(kAppIcon);
    const QPixmap pm = svgPixmap(icon, QSize(24, 24), 1.0);
    QCOMPARE(pm.size(), QSize(24, 24));
    QCOMPARE(largestDifference(pm.toImage(), drawSvg(icon, QSize(24, 24))), 0);
}

QTEST_MAIN(PrerenderedPicturesTest)
#include "PrerenderedPicturesTest.moc"

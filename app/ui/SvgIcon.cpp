#include "app/ui/SvgIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include "app/ui/PrerenderedPictures.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {

class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(QString path) : path_(std::move(path)) {}

    QIconEngine* clone() const override { return new SvgIconEngine(path_); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, dpr));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        const QString key = QStringLiteral("tswsvg:%1:%2x%3:%4:%5")
                                .arg(path_)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(scale)
                                .arg(int(mode));
        QPixmap pm;
        if (QPixmapCache::find(key, &pm))
            return pm;
        pm = svgPixmap(path_, size, scale);
        if (mode == QIcon::Disabled && qApp) {
            QStyleOption opt;
            pm = qApp->style()->generatedIconPixmap(QIcon::Disabled, pm, &opt);
        }
        QPixmapCache::insert(key, pm);
        return pm;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QString key() const override { return QStringLiteral("tswsvg"); }

private:
    QString path_;
};

const PrerenderedPicture* prerendered(const QString& resourcePath, const QSize& deviceSize) {
    for (const PrerenderedPicture& p : prerenderedPictures())
        if (p.width == deviceSize.width() && p.height == deviceSize.height() &&
            resourcePath == QLatin1String(p.resourcePath))
            return &p;
    return nullptr;
}

} // namespace

QImage drawSvg(const QString& resourcePath, const QSize& deviceSize) {
    ensureResources();
    QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resourcePath);
    QPainter p(&image);
    renderer.render(&p);
    return image;
}

QPixmap svgPixmap(const QString& resourcePath, const QSize& size, qreal devicePixelRatio) {
    const QSize deviceSize = size * devicePixelRatio;
    QPixmap pm;
    if (const PrerenderedPicture* p = prerendered(resourcePath, deviceSize))
        pm = QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(p->pixels), p->width,
                                       p->height, QImage::Format_ARGB32_Premultiplied));
    else
        pm = QPixmap::fromImage(drawSvg(resourcePath, deviceSize));
    pm.setDevicePixelRatio(devicePixelRatio);
    return pm;
}

QIcon svgIcon(const QString& resourcePath) {
    return QIcon(new SvgIconEngine(resourcePath));
}

} // namespace tsw::ui

#include "app/ui/SvgIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

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

} // namespace

QPixmap svgPixmap(const QString& resourcePath, const QSize& size, qreal devicePixelRatio) {
    ensureResources();
    QPixmap pm(size * devicePixelRatio);
    pm.fill(Qt::transparent);
    QSvgRenderer renderer(resourcePath);
    QPainter p(&pm);
    renderer.render(&p);
    p.end();
    pm.setDevicePixelRatio(devicePixelRatio);
    return pm;
}

QIcon svgIcon(const QString& resourcePath) {
    return QIcon(new SvgIconEngine(resourcePath));
}

} // namespace tsw::ui

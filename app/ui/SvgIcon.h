#pragma once
// Icons drawn from the program's SVG pictures at the size and pixel ratio they are shown at
// (crisp on any screen). The picture is read only when the icon is first drawn, and without
// the image plugins, which keeps start-up short. The pictures start-up shows were drawn when
// the program was built (app/ui/PrerenderedPictures.h) and are taken from there.

#include <QIcon>
#include <QString>

namespace tsw::ui {

QIcon svgIcon(const QString& resourcePath);
// The picture at `size` device-independent pixels for the given pixel ratio: drawn at build
// time when there is such a picture of that many device pixels, else drawn from the SVG now.
QPixmap svgPixmap(const QString& resourcePath, const QSize& size, qreal devicePixelRatio);
// The picture drawn from the SVG now, at `deviceSize` pixels (premultiplied ARGB32).
QImage drawSvg(const QString& resourcePath, const QSize& deviceSize);

} // namespace tsw::ui

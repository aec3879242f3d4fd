#pragma once
// Icons drawn from the program's SVG pictures at the size and pixel ratio they are shown at
// (crisp on any screen). The picture is read only when the icon is first drawn, and without
// the image plugins, which keeps start-up short.

#include <QIcon>
#include <QString>

namespace tsw::ui {

QIcon svgIcon(const QString& resourcePath);
// The picture rendered at `size` device-independent pixels for the given pixel ratio.
QPixmap svgPixmap(const QString& resourcePath, const QSize& size, qreal devicePixelRatio);

} // namespace tsw::ui

#pragma once
// Paints the placed items of a page (print/PrintItem.h) with a QPainter on a printer or any
// other paint device. One line (h) is the line spacing of the section font, one width (w) its
// average character width, both measured on the device painted on.
//
// Fonts: the title "Times New Roman" bold, section pages "Times New Roman", fixed-pitch texts
// "Courier New". Where those are not installed the metric-compatible "Liberation Serif" and
// "Liberation Mono" take their place (then any serif or monospace font).

#include <QFont>
#include <QRectF>

#include "print/PrintItem.h"

class QPainter;
class QPaintDevice;

namespace tsw::print::ui {

QFont printFont(FontRole role);

class PagePainter {
public:
    // `page` is the printable area in the painter's coordinates.
    PagePainter(QPainter& painter, QPaintDevice* device, const QRectF& page);

    void paint(const PrintItems& items);

    double lineHeight() const { return h_; }
    double charWidth() const { return w_; }

private:
    void paintText(const PrintItem& item, double top);
    void paintRule(double top);
    void paintCheckBox(const PrintItem& item, double top);
    double itemTop(const PrintItem& item) const;

    QPainter& painter_;
    QPaintDevice* device_;
    QRectF page_;
    QFont fonts_[3];
    double h_ = 0;
    double w_ = 0;
    double ascent_ = 0; // of the section font: every line's baseline lies this far down
};

} // namespace tsw::print::ui

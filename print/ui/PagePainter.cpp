#include "print/ui/PagePainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace tsw::print::ui {

namespace {

// Font heights as cell heights in 1/600 inch (the printer resolution the page design was made
// for; the fixed-pitch height is in screen pixels of 1/96 inch), turned into point sizes of
// the font's em with the cell-to-em ratios of the two faces.
constexpr double kSerifCellPerEm = 1.107; // ascent + descent of Times New Roman
constexpr double kMonoCellPerEm = 1.133;  // of Courier New
constexpr double kTitlePoints = 120.0 / 600.0 * 72.0 / kSerifCellPerEm;
constexpr double kSectionPoints = 100.0 / 600.0 * 72.0 / kSerifCellPerEm;
constexpr double kFixedPoints = 14.0 / 96.0 * 72.0 / kMonoCellPerEm;

const QColor kDimmed(0x70, 0x70, 0x70);

int roleIndex(FontRole role) {
    return static_cast<int>(role);
}

} // namespace

QFont printFont(FontRole role) {
    QFont font;
    if (role == FontRole::Fixed) {
        font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
        font.setStyleHint(QFont::Monospace);
        font.setFixedPitch(true);
        font.setPointSizeF(kFixedPoints);
        return font;
    }
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
    if (role == FontRole::Title) {
        font.setPointSizeF(kTitlePoints);
        font.setWeight(QFont::Bold);
    } else {
        font.setPointSizeF(kSectionPoints);
    }
    return font;
}

PagePainter::PagePainter(QPainter& painter, QPaintDevice* device, const QRectF& page)
    : painter_(painter), device_(device), page_(page) {
    for (FontRole role : {FontRole::Title, FontRole::Section, FontRole::Fixed})
        fonts_[roleIndex(role)] = QFont(printFont(role), device);
    const QFontMetricsF section(fonts_[roleIndex(FontRole::Section)], device);
    h_ = section.lineSpacing();
    w_ = section.averageCharWidth();
    ascent_ = section.ascent();
}

double PagePainter::itemTop(const PrintItem& item) const {
    return item.fromBottom ? page_.bottom() - item.line * h_ : page_.top() + item.line * h_;
}

void PagePainter::paint(const PrintItems& items) {
    for (const PrintItem& item : items) {
        const double top = itemTop(item);
        switch (item.kind) {
        case ItemKind::Text:
            paintText(item, top);
            break;
        case ItemKind::Rule:
            paintRule(top);
            break;
        case ItemKind::CheckBox:
            paintCheckBox(item, top);
            break;
        }
    }
}

void PagePainter::paintText(const PrintItem& item, double top) {
    if (item.text.empty())
        return;
    const QFont& font = fonts_[roleIndex(item.font)];
    const QFontMetricsF metrics(font, device_);
    const double at = page_.left() + item.x * w_;
    QString text = QString::fromStdString(item.text);
    if (item.align == Align::Left && at < page_.right()) {
        double room = page_.right() - at;
        if (item.width > 0)
            room = std::min(room, item.width * w_);
        text = metrics.elidedText(text, Qt::ElideRight, room);
    }
    const double width = metrics.horizontalAdvance(text);
    double x = at;
    switch (item.align) {
    case Align::Left:
        break;
    case Align::Centre:
        x = at - width / 2;
        break;
    case Align::Right:
        x = at - width;
        break;
    case Align::PageCentre:
        x = page_.left() + (page_.width() - width) / 2;
        break;
    case Align::PageRight:
        x = page_.right() - item.x * w_ - width;
        break;
    }
    painter_.setFont(font);
    painter_.setPen(item.dimmed ? kDimmed : QColor(Qt::black));
    const double ascent = metrics.ascent();
    // Texts of the section font stand on the line's baseline; a larger title grows upwards
    // only as far as the line above allows.
    painter_.drawText(QPointF(x, top + std::max(ascent_, ascent)), text);
}

void PagePainter::paintRule(double top) {
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, device_->logicalDpiY() / 144.0)); // half a point
    painter_.setPen(pen);
    const double y = top + h_ / 2;
    painter_.drawLine(QPointF(page_.left(), y), QPointF(page_.right(), y));
}

void PagePainter::paintCheckBox(const PrintItem& item, double top) {
    const double side = ascent_ * 0.8;
    const double x = page_.left() + item.x * w_;
    const double y = top + ascent_ - side; // the box stands on the baseline
    QPen pen(item.dimmed ? kDimmed : QColor(Qt::black));
    pen.setWidthF(std::max(1.0, device_->logicalDpiY() / 144.0));
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    const QRectF box(x, y, side, side);
    painter_.drawRect(box);
    if (!item.checked)
        return;
    // A tick from the left middle down to the bottom third and up to the top right.
    const QPointF tick[3] = {QPointF(x + side * 0.2, y + side * 0.5),
                             QPointF(x + side * 0.42, y + side * 0.78),
                             QPointF(x + side * 0.82, y + side * 0.2)};
    pen.setWidthF(pen.widthF() * 2);
    painter_.setPen(pen);
    painter_.drawPolyline(tick, 3);
}

} // namespace tsw::print::ui

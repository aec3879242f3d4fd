#include "link/ui/Indicator.h"

#include <QPainter>

namespace tsw::ui {

Indicator::Indicator(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

void Indicator::paintEvent(QPaintEvent*) {
    QColor colour;
    switch (kind_) {
    case Kind::Receive:
        colour = QColor(0x20, 0xB0, 0x20);
        break;
    case Kind::Transmit:
        colour = QColor(0xE0, 0x20, 0x20);
        break;
    case Kind::Setting:
        colour = QColor(0x20, 0x60, 0xE0);
        break;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour.darker(150));
    p.setBrush(colour);
    const int d = std::min(width(), height()) - 2;
    p.drawEllipse(QRect((width() - d) / 2, (height() - d) / 2, d, d));
}

} // namespace tsw::ui

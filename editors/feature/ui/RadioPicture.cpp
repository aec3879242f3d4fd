#include "editors/feature/ui/RadioPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace tsw::ui {

namespace {

const QColor kBody(54, 58, 64);
const QColor kBodyEdge(28, 30, 34);
const QColor kKey(90, 96, 104);
const QColor kMark(230, 120, 20);

void drawBody(QPainter& p) {
    p.setPen(QPen(kBodyEdge, 2));
    p.setBrush(QColor(40, 40, 44));
    p.drawRoundedRect(QRectF(110, 6, 9, 70), 4, 4); // antenna
    p.setBrush(QColor(70, 70, 76));
    p.drawRoundedRect(QRectF(68, 30, 26, 28), 4, 4); // channel knob
    p.setBrush(kBody);
    p.drawRoundedRect(QRectF(40, 56, 130, 282), 18, 18);
    // speaker grille
    p.setPen(QPen(QColor(30, 32, 36), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i)
        p.drawLine(QPointF(64, 190 + 14 * i), QPointF(146, 190 + 14 * i));
    // display
    p.setPen(QPen(kBodyEdge, 2));
    p.setBrush(QColor(150, 178, 140));
    p.drawRoundedRect(QRectF(60, 84, 90, 44), 5, 5);
    p.setPen(QColor(40, 60, 40));
    p.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 11, QFont::Bold));
    p.drawText(QRectF(60, 84, 90, 44), Qt::AlignCenter, QStringLiteral("CH 1"));
    // PTT on the left side
    p.setPen(QPen(kBodyEdge, 2));
    p.setBrush(kKey);
    p.drawRoundedRect(QRectF(30, 120, 12, 58), 4, 4);
}

// The colour of what is drawn on the window's background (leader lines, key names): the
// palette's text colour, softened towards the background unless the key is marked.
QColor onWindow(const QPalette& palette) {
    const QColor text = palette.color(QPalette::WindowText);
    const QColor back = palette.color(QPalette::Window);
    return QColor((text.red() * 3 + back.red() * 2) / 5, (text.green() * 3 + back.green() * 2) / 5,
                  (text.blue() * 3 + back.blue() * 2) / 5);
}

void drawSideKey(QPainter& p, const QPalette& palette, const QRectF& key, const QString& name,
                 bool marked) {
    p.setPen(QPen(marked ? kMark.darker(130) : kBodyEdge, 2));
    p.setBrush(marked ? kMark : kKey);
    p.drawRoundedRect(key, 4, 4);
    // a leader line from the key to its name
    const QPointF from(key.right() + 4, key.center().y());
    const QPointF to(key.right() + 34, key.center().y());
    p.setPen(QPen(marked ? kMark : onWindow(palette), marked ? 3 : 1));
    p.drawLine(from, to);
    QFont f = p.font();
    f.setPointSize(marked ? 13 : 10);
    f.setBold(marked);
    p.setFont(f);
    p.setPen(marked ? kMark : onWindow(palette));
    p.drawText(QRectF(to.x() + 4, key.center().y() - 12, RadioPicture::kWidth - to.x() - 4, 24),
               Qt::AlignLeft | Qt::AlignVCenter, name);
}

} // namespace

RadioPicture::RadioPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
}

void RadioPicture::setMarked(Marked key) {
    if (marked_ == key)
        return;
    marked_ = key;
    update();
}

void RadioPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().window());
    drawBody(p);
    drawSideKey(p, palette(), QRectF(168, 126, 12, 30), QStringLiteral("PF1"),
                marked_ == Marked::Pf1);
    drawSideKey(p, palette(), QRectF(168, 170, 12, 30), QStringLiteral("PF2"),
                marked_ == Marked::Pf2);
}

} // namespace tsw::ui

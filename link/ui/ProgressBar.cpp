#include "link/ui/ProgressBar.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace tsw::ui {

ProgressBar::ProgressBar(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize ProgressBar::sizeHint() const {
    return {300, fontMetrics().height() + 8};
}

void ProgressBar::setRange(int minimum, int maximum) {
    if (minimum == min_ && maximum == max_)
        return;
    min_ = minimum;
    max_ = maximum;
    requestRepaint();
}

int ProgressBar::setPos(int position) {
    const int previous = pos_;
    pos_ = position;
    if (barWidth() != lastWidth_)
        requestRepaint();
    return previous;
}

void ProgressBar::setDisplayText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    requestRepaint();
}

double ProgressBar::fraction() const {
    if (min_ >= max_)
        return 0.0;
    const double f = static_cast<double>(pos_ - min_) / static_cast<double>(max_ - min_);
    return std::clamp(f, 0.0, 1.0);
}

int ProgressBar::barWidth() const {
    if (min_ >= max_)
        return 0;
    return static_cast<int>(fraction() * contentsRect().width());
}

QString ProgressBar::shownText() const {
    if (!text_.isEmpty())
        return text_;
    return QStringLiteral("%1%").arg(static_cast<int>(fraction() * 100.0));
}

void ProgressBar::requestRepaint() {
    ++repaintRequests_;
    update();
}

void ProgressBar::paintEvent(QPaintEvent* event) {
    const QRect area = contentsRect();
    const QColor highlight = palette().color(QPalette::Highlight);
    const QColor window = palette().color(QPalette::Base);
    const int width = barWidth();

    QPixmap buffer(area.size() * devicePixelRatioF());
    buffer.setDevicePixelRatio(devicePixelRatioF());
    {
        QPainter p(&buffer);
        const QRect local(QPoint(0, 0), area.size());
        const QRect done(0, 0, width, area.height());
        const QRect rest(width, 0, area.width() - width, area.height());
        p.fillRect(local, window);
        if (min_ < max_) {
            p.fillRect(done, highlight);
            const QString text = shownText();
            p.setFont(font());
            p.setClipRect(done);
            p.setPen(window);
            p.drawText(local, Qt::AlignCenter | Qt::TextSingleLine, text);
            p.setClipRect(rest);
            p.setPen(highlight);
            p.drawText(local, Qt::AlignCenter | Qt::TextSingleLine, text);
        }
    }
    lastWidth_ = width;
    {
        QPainter painter(this);
        painter.drawPixmap(area.topLeft(), buffer);
    }
    QFrame::paintEvent(event); // the sunken border
}

} // namespace tsw::ui

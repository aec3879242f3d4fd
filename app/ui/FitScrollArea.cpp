#include "app/ui/FitScrollArea.h"

#include <QEvent>
#include <QStyle>

namespace tsw::ui {

FitScrollArea::FitScrollArea(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setFocusPolicy(Qt::NoFocus); // the controls inside take the focus, not the area
}

// QScrollArea's own hint stops at 36 x 24 lines of text; a form asks for all of itself.
QSize FitScrollArea::sizeHint() const {
    const int frame = 2 * frameWidth();
    if (!widget())
        return QScrollArea::sizeHint();
    return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) + QSize(frame, frame);
}

QSize FitScrollArea::minimumSizeHint() const {
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return {3 * bar, 3 * bar};
}

// The form's size hint changes when its contents do (a language, a row shown): the window
// around asks anew.
bool FitScrollArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

} // namespace tsw::ui

#pragma once
// The scroll area around a form that may not fit its window (a small screen, a large scale, a
// window tiled small). It asks for the form's whole size, so that where there is room the form
// shows without scroll bars, yet it can be made as small as its scroll bars; the form inside is
// never laid out smaller than its own minimum: what does not fit is scrolled to, and the focus
// moving to a control out of sight scrolls it into view.

#include <QScrollArea>

namespace tsw::ui {

class FitScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit FitScrollArea(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tsw::ui

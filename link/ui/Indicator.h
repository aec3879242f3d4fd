#pragma once
// A small round lamp of the radio link dialogs: green for receive, red for transmit, blue for
// a setting. Hidden lamps keep their place in the layout.

#include <QColor>
#include <QWidget>

namespace tsw::ui {

class Indicator : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Receive, Transmit, Setting };
    explicit Indicator(Kind kind, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {14, 14}; }
    Kind kind() const { return kind_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};

} // namespace tsw::ui

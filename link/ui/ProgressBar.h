#pragma once
// The transfer dialog's progress bar, drawn by the program: the done fraction of the width in
// the system highlight colour, the rest in the window colour, and one centred line of text
// (the control's own text, else the whole percentage "%d%%"), in the window colour over the
// bar and the highlight colour over the rest. Painting goes through an off-screen picture.
// A new position repaints only when the bar's pixel width changes.

#include <QFrame>
#include <QString>

namespace tsw::ui {

class ProgressBar : public QFrame {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    // Stores the position; returns the previous one.
    int setPos(int position);
    // An empty text shows the percentage. Repaints only when the text changes.
    void setDisplayText(const QString& text);

    int minimum() const { return min_; }
    int maximum() const { return max_; }
    int pos() const { return pos_; }
    const QString& displayText() const { return text_; }
    // What is drawn now: the bar's width in pixels and the text.
    int barWidth() const;
    QString shownText() const;
    int lastDrawnWidth() const { return lastWidth_; }
    int repaintRequests() const { return repaintRequests_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void requestRepaint();
    double fraction() const;

    int min_ = 0;
    int max_ = 100;
    int pos_ = 0;
    QString text_;
    int lastWidth_ = -1;
    int repaintRequests_ = 0;
};

} // namespace tsw::ui

#pragma once
// A drawing of the HX-5520 handheld with one programmable side key marked: PF1 or PF2. The Key
// Assignment form shows it beside the two lists, 279 x 350 pixels. The radio has its own
// colours; what is drawn around it (the background, the leader lines and key names) takes the
// palette's, so that it reads on a light desktop and on a dark one.

#include <QWidget>

namespace tsw::ui {

class RadioPicture : public QWidget {
    Q_OBJECT
public:
    enum class Marked { Pf1, Pf2 };
    static constexpr int kWidth = 279;
    static constexpr int kHeight = 350;

    explicit RadioPicture(QWidget* parent = nullptr);
    void setMarked(Marked key);
    Marked marked() const { return marked_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Marked marked_ = Marked::Pf1;
};

} // namespace tsw::ui

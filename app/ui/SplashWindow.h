#pragma once
// The splash window: a borderless picture in the middle of the screen for 5000 ms, ended at
// once by any key or mouse-button press anywhere in the program (the press is used up).

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace tsw::ui {

inline constexpr int kSplashMilliseconds = 5000;

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(int milliseconds = kSplashMilliseconds);
    ~SplashWindow() override;
    // Shows the splash; it deletes itself when it ends.
    void start();

signals:
    void ended();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void end();
    QPixmap picture_;
    QTimer timer_;
    bool ended_ = false;
};

} // namespace tsw::ui

#include "app/ui/SplashWindow.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QScreen>

#include "app/ui/SvgIcon.h"

namespace tsw::ui {
namespace {
constexpr char kSplashPicture[] = ":/pictures/splash.svg"; // bitmap 164
constexpr QSize kSplashSize(480, 300);
} // namespace

SplashWindow::SplashWindow(int milliseconds)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::ArrowCursor);
    setFixedSize(kSplashSize);
    timer_.setSingleShot(true);
    timer_.setInterval(milliseconds);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::end);
}

SplashWindow::~SplashWindow() {
    if (qApp)
        qApp->removeEventFilter(this);
}

void SplashWindow::start() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = rect();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    qApp->installEventFilter(this);
    show();
    timer_.start();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) // drawn when first shown, not while the program starts
        picture_ = svgPixmap(QString::fromLatin1(kSplashPicture), kSplashSize, devicePixelRatioF());
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    QRect r(QPoint(), picture_.deviceIndependentSize().toSize());
    r.moveCenter(rect().center());
    p.drawPixmap(r, picture_);
}

bool SplashWindow::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        end();
        return true;
    default:
        return false;
    }
}

void SplashWindow::end() {
    if (ended_)
        return;
    ended_ = true;
    timer_.stop();
    qApp->removeEventFilter(this);
    emit ended();
    close();
}

} // namespace tsw::ui

#include "app/ui/StatusPanes.h"

#include <ctime>

namespace tsw::ui {
namespace {

QString formatted(const QDateTime& t, const char* format) {
    const std::time_t secs = static_cast<std::time_t>(t.toSecsSinceEpoch());
    std::tm local{};
    localtime_r(&secs, &local);
    char buf[64];
    const std::size_t n = std::strftime(buf, sizeof buf, format, &local);
    return QString::fromLocal8Bit(buf, static_cast<qsizetype>(n));
}

QLabel* pane(QStatusBar* bar, bool permanent) {
    auto* l = new QLabel(bar);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    if (permanent)
        bar->addPermanentWidget(l);
    else
        bar->addWidget(l);
    return l;
}

} // namespace

QString statusDateText(const QDateTime& t) {
    return formatted(t, "%m/%d/%y");
}
QString statusTimeText(const QDateTime& t) {
    // "%I:%M:%S %p" with the marker as the C locale writes it: several locales (German,
    // French ...) have no AM/PM text, and a 12-hour time without it is ambiguous.
    return formatted(t, "%I:%M:%S ") +
           (t.time().hour() < 12 ? QLatin1String("AM") : QLatin1String("PM"));
}

StatusPanes::StatusPanes(QStatusBar* bar)
    : QObject(bar), port_(pane(bar, false)), date_(pane(bar, true)), time_(pane(bar, true)) {
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &StatusPanes::update);
    timer_.start();
    update();
}

void StatusPanes::setPort(int portNumber) {
    port_->setText(QStringLiteral("COM%1").arg(portNumber));
}

void StatusPanes::update() {
    const QDateTime now = QDateTime::currentDateTime();
    date_->setText(statusDateText(now));
    time_->setText(statusTimeText(now));
}

} // namespace tsw::ui

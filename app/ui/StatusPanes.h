#pragma once
// The main window's status bar panes: the serial port ("COM%d"), today's date ("%m/%d/%y")
// and the local time ("%I:%M:%S %p"), kept current by a one-second timer. Each pane is as wide
// as its text.

#include <QDateTime>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace tsw::ui {

// The date and time texts of the panes.
QString statusDateText(const QDateTime& t);
QString statusTimeText(const QDateTime& t);

class StatusPanes : public QObject {
    Q_OBJECT
public:
    explicit StatusPanes(QStatusBar* bar);
    void setPort(int portNumber);
    void update(); // date and time now
    QLabel* portPane() const { return port_; }
    QLabel* datePane() const { return date_; }
    QLabel* timePane() const { return time_; }

private:
    QLabel* port_;
    QLabel* date_;
    QLabel* time_;
    QTimer timer_;
};

} // namespace tsw::ui

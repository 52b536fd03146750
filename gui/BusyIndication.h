// Shown while the host waits for a load that runs on this thread (a workspace, a listing, a
// Map window's models): the busy cursor and a status bar message at once. A load that took
// longer than half a second leaves its time in the status bar; a quicker one leaves nothing.
#pragma once

#include <QElapsedTimer>
#include <QString>

class QStatusBar;

namespace tarngui {

class BusyIndication {
public:
    static constexpr qint64 kNoticedMs = 500;

    BusyIndication(QStatusBar* bar, const QString& what);
    ~BusyIndication();
    BusyIndication(const BusyIndication&) = delete;
    BusyIndication& operator=(const BusyIndication&) = delete;

private:
    QStatusBar* bar_;
    QString what_;
    QString before_;
    QElapsedTimer clock_;
};

}  // namespace tarngui

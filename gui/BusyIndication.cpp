#include "gui/BusyIndication.h"

#include <QApplication>
#include <QStatusBar>

namespace tarngui {

BusyIndication::BusyIndication(QStatusBar* bar, const QString& what)
    : bar_(bar), what_(what), before_(bar->currentMessage()) {
    clock_.start();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bar_->showMessage(what_ + "...");
    // The load keeps the event loop waiting: the message is painted now or not at all.
    bar_->repaint();
}

BusyIndication::~BusyIndication() {
    QApplication::restoreOverrideCursor();
    const qint64 took = clock_.elapsed();
    if (took > kNoticedMs) {
        bar_->showMessage(QString("%1: done in %2 s").arg(what_).arg(took / 1000.0, 0, 'f', 1),
                          5000);
    } else if (bar_->currentMessage() == what_ + "...") {
        bar_->showMessage(before_);
    }
}

}  // namespace tarngui

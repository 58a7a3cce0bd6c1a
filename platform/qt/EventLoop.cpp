#include "platform/qt/EventLoop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTime>
#include <QTimer>

namespace tessora {

void DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitForEvents(int maxMilliseconds) {
    if (maxMilliseconds <= 0) {
        DoEvents();
        return;
    }
    // The single-shot timer is only there to wake the dispatcher; when another event comes
    // first the timer dies with this scope and never fires.
    QTimer bound;
    bound.setSingleShot(true);
    bound.setTimerType(Qt::PreciseTimer);
    bound.start(maxMilliseconds);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

double TimeOfDaySeconds() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

}  // namespace tessora

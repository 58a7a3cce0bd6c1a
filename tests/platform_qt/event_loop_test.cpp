#include <QElapsedTimer>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <cmath>

#include "platform/qt/EventLoop.h"
#include "support/QtTestMain.h"

using tessora::DoEvents;
using tessora::TimeOfDaySeconds;
using tessora::WaitForEvents;

class EventLoopTest : public QObject {
    Q_OBJECT

  private slots:
    void doEventsRunsWhatIsPendingAndReturns() {
        int runs = 0;
        QTimer::singleShot(0, this, [&runs] { ++runs; });
        QMetaObject::invokeMethod(
            this, [&runs] { ++runs; }, Qt::QueuedConnection);
        DoEvents();
        QCOMPARE(runs, 2);
        DoEvents();  // nothing pending: returns at once
        QCOMPARE(runs, 2);
    }

    void waitForEventsWakesForAnEventInsteadOfSpinning() {
        bool fired = false;
        QTimer::singleShot(40, this, [&fired] { fired = true; });
        int calls = 0;
        while (!fired && calls < 1000) {
            WaitForEvents(5000);
            ++calls;
        }
        QVERIFY(fired);
        // A spinning wait would come round thousands of times in 40 ms; a sleeping one once
        // or twice (a stray event may wake it early).
        QVERIFY2(calls <= 3, qPrintable(QString::number(calls)));
    }

    void waitForEventsReturnsAfterItsBoundWhenNothingHappens() {
        DoEvents();
        QElapsedTimer clock;
        clock.start();
        int calls = 0;
        while (clock.elapsed() < 200) {
            WaitForEvents(50);
            ++calls;
        }
        // Each call sleeps up to its bound: about four calls, not a busy loop.
        QVERIFY2(calls <= 12, qPrintable(QString::number(calls)));
        QVERIFY(calls >= 1);
    }

    void waitForEventsWithoutABoundOnlyRunsWhatIsPending() {
        int runs = 0;
        QTimer::singleShot(0, this, [&runs] { ++runs; });
        WaitForEvents(0);
        QCOMPARE(runs, 1);
        WaitForEvents(-1);
        QCOMPARE(runs, 1);
    }

    void timeOfDayIsSecondsSinceMidnight() {
        const double before = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
        const double now = TimeOfDaySeconds();
        QVERIFY(now >= 0.0);
        QVERIFY(now < 86400.0);
        // Equal to the clock's time of day, allowing for the moment between the two readings
        // and for a reading on either side of midnight.
        double gap = std::fabs(now - before);
        if (gap > 43200.0) gap = 86400.0 - gap;
        QVERIFY(gap < 1.0);
        // Fractions of a second are kept.
        bool sawFraction = false;
        for (int i = 0; i < 20 && !sawFraction; ++i) {
            const double t = TimeOfDaySeconds();
            sawFraction = t != std::floor(t);
            QTest::qSleep(3);
        }
        QVERIFY(sawFraction);
    }
};

TESSORA_QTEST(EventLoopTest)
#include "event_loop_test.moc"

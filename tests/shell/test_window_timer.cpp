#include <QSignalSpy>
#include <QTest>

#include "platform/window_timer.h"

using platform::WindowTimer;

class WindowTimerTest : public QObject {
    Q_OBJECT

  private slots:
    void aPeriodOfZeroNeverTicks() {
        WindowTimer timer;
        timer.setEnabled(true);
        timer.setInterval(0);
        QSignalSpy ticks(&timer, &WindowTimer::Timer);
        QVERIFY(!timer.isTicking());
        QTest::qWait(30);
        QCOMPARE(ticks.count(), 0);
    }

    void ticksOnlyWhileEnabledWithAPeriod() {
        WindowTimer timer;
        QSignalSpy ticks(&timer, &WindowTimer::Timer);
        timer.setInterval(5);
        QVERIFY(!timer.isTicking());
        timer.setEnabled(true);
        QVERIFY(ticks.wait(1000));
        timer.setEnabled(false);
        const int seen = ticks.count();
        QTest::qWait(30);
        QCOMPARE(ticks.count(), seen);
    }

    void longPeriodsAreKept() {
        WindowTimer timer;
        timer.setInterval(90000);
        timer.setEnabled(true);
        QCOMPARE(timer.Interval(), 90000);
        QVERIFY(timer.isTicking());
    }
};

QTEST_GUILESS_MAIN(WindowTimerTest)
#include "test_window_timer.moc"

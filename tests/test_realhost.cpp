// The real host sleeps in the event loop while it waits, wakes for events and deadlines, and
// never lets a timer's tick run inside itself.
#include "app/quitsignals.h"
#include "host/realhost.h"

#include <QTimer>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace nuyo;

namespace {

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

} // namespace

class RealHostTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void waitingTwoSecondsSleepsInsteadOfSpinning();
    void aWaitEndsAfterTheEventThatMakesItsConditionTrue();
    void theClockNeverGoesBack();
    void aTimersTickDoesNotRunInsideItself();
    // A logout, a closed terminal or a kill request reaches the game through its event loop.
    void quitSignalsArriveAsEvents_data();
    void quitSignalsArriveAsEvents();
};

void RealHostTest::waitingTwoSecondsSleepsInsteadOfSpinning()
{
    RealHost host;
    const double cpu = cpuSeconds();
    const double start = host.now();
    host.waitFor(2.0);
    const double waited = host.now() - start;
    const double used = cpuSeconds() - cpu;
    qInfo("waited %.3f s for %.4f s of processor time", waited, used);
    QVERIFY(waited >= 2.0 && waited < 2.2);
    QVERIFY2(used < 0.2, qPrintable(QString::number(used)));
}

void RealHostTest::aWaitEndsAfterTheEventThatMakesItsConditionTrue()
{
    RealHost host;
    bool flag = false;
    QTimer::singleShot(300, [&] { flag = true; });
    const double start = host.now();
    host.waitFor(5.0, [&] { return flag; });
    const double waited = host.now() - start;
    QVERIFY(flag);
    QVERIFY2(waited >= 0.29 && waited < 0.6, qPrintable(QString::number(waited)));
}

void RealHostTest::theClockNeverGoesBack()
{
    RealHost host;
    double last = host.now();
    for (int i = 0; i < 10000; ++i) {
        const double t = host.now();
        QVERIFY(t >= last);
        last = t;
    }
}

void RealHostTest::aTimersTickDoesNotRunInsideItself()
{
    RealHost host;
    auto timer = host.createTimer(20);
    int depth = 0, deepest = 0, ticks = 0;
    timer->onTick = [&] {
        ++ticks;
        ++depth;
        deepest = std::max(deepest, depth);
        // A tick that waits (as the landing's report does) lets other events run meanwhile.
        if (ticks == 1)
            host.waitFor(0.2);
        --depth;
    };
    timer->setEnabled(true);
    host.waitFor(0.5);
    timer->setEnabled(false);
    QCOMPARE(deepest, 1);
    QVERIFY(ticks >= 5);
}

void RealHostTest::quitSignalsArriveAsEvents_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void RealHostTest::quitSignalsArriveAsEvents()
{
    QFETCH(int, signal);
    int calls = 0;
    {
        nuyo::QuitSignals quit([&calls] { ++calls; });
        std::raise(signal); // the handler only writes a byte: nothing is called yet
        QCOMPARE(calls, 0);
        QTRY_COMPARE(calls, 1);
        std::raise(signal);
        std::raise(signal);
        QTRY_VERIFY(calls > 1); // a second request is not lost
    }
    // Once the game has stopped listening, the signal has its usual effect again.
    struct sigaction now {
    };
    sigaction(signal, nullptr, &now);
    QVERIFY(now.sa_handler == SIG_DFL);
}

QTEST_MAIN(RealHostTest)
#include "test_realhost.moc"

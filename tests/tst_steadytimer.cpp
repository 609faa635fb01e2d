#include "steadytimer.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <vector>

using namespace std::chrono_literals;
using Clock = SteadyTimer::Clock;

class TestSteadyTimer : public QObject
{
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }
    void nextDeadline_data();
    void nextDeadline();
    void zeroAndNegativeStop_data();
    void zeroAndNegativeStop();
    void stopFromInsideATick();
    void neverEarly();
};

void TestSteadyTimer::nextDeadline_data()
{
    QTest::addColumn<int>("lateBy");
    QTest::addColumn<int>("next");

    QTest::newRow("on time") << 0 << 10;
    QTest::newRow("a little late: the rhythm holds") << 4 << 10;
    QTest::newRow("three ticks behind: catches up") << 30 << 10;
    QTest::newRow("just within the lag") << 250 << 10;
    QTest::newRow("stalled: starts afresh") << 5000 << 5010;
}

void TestSteadyTimer::nextDeadline()
{
    QFETCH(int, lateBy);
    QFETCH(int, next);

    const Clock::time_point reached{1h};
    const auto result = SteadyTimer::nextDeadline(reached, reached + std::chrono::milliseconds(lateBy), 10ms);
    QCOMPARE(result - reached, std::chrono::milliseconds(next));
}

void TestSteadyTimer::zeroAndNegativeStop_data()
{
    QTest::addColumn<int>("interval");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -5;
}

void TestSteadyTimer::zeroAndNegativeStop()
{
    QFETCH(int, interval);

    SteadyTimer timer;
    QSignalSpy ticks(&timer, &SteadyTimer::timeout);
    timer.setInterval(1);
    QTRY_VERIFY(ticks.size() > 0);
    timer.setInterval(interval);
    QVERIFY(!timer.isActive());
    const auto counted = ticks.size();
    QTest::qWait(20);
    QCOMPARE(ticks.size(), counted);
}

void TestSteadyTimer::stopFromInsideATick()
{
    SteadyTimer timer;
    int ticks = 0;
    connect(&timer, &SteadyTimer::timeout, this, [&] {
        if (++ticks == 3)
            timer.setInterval(0);
    });
    timer.setInterval(1);
    QTRY_COMPARE(ticks, 3);
    QTest::qWait(20);
    QCOMPARE(ticks, 3);
}

void TestSteadyTimer::neverEarly()
{
    SteadyTimer timer;
    std::vector<Clock::time_point> arrivals;
    connect(&timer, &SteadyTimer::timeout, this, [&] { arrivals.push_back(Clock::now()); });
    const auto start = Clock::now();
    timer.setInterval(5);
    QTRY_VERIFY(arrivals.size() >= 10);
    timer.setInterval(0);
    for (std::size_t k = 0; k < arrivals.size(); ++k)
        QVERIFY(arrivals[k] >= start + (k + 1) * 5ms);
}

QTEST_GUILESS_MAIN(TestSteadyTimer)
#include "tst_steadytimer.moc"

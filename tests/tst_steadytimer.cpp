// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steadytimer.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class TestSteadyTimer : public QObject
{
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }
    void catchesUpAfterABlock();
    void zeroAndNegativeStop_data();
    void zeroAndNegativeStop();
    void stopFromInsideATick();
};

namespace {
// Keeps the event loop from running, as a long handler or a busy machine does.
void blockEventLoop(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

// Runs the event loop until the given time, whatever arrives meanwhile.
void runUntil(Clock::time_point end)
{
    while (Clock::now() < end)
        QTest::qWait(1);
}
}

// Ticks missed while the event loop was blocked come as a burst, so the
// count over the whole stretch is what the rate asks for; a timer that
// re-anchors at "now" would lose the blocked stretch's ticks. Every tick
// still comes on or after its deadline.
void TestSteadyTimer::catchesUpAfterABlock()
{
    SteadyTimer timer;
    std::vector<Clock::time_point> arrivals;
    connect(&timer, &SteadyTimer::timeout, this, [&] { arrivals.push_back(Clock::now()); });
    const auto start = Clock::now();
    timer.setInterval(5);
    QTRY_VERIFY(!arrivals.empty());
    blockEventLoop(100ms);
    runUntil(start + 200ms);
    timer.setInterval(0);

    QVERIFY2(arrivals.size() >= 32, qPrintable(QString::number(arrivals.size())));
    for (std::size_t k = 0; k < arrivals.size(); ++k)
        QVERIFY(arrivals[k] >= start + (k + 1) * 5ms);
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

QTEST_GUILESS_MAIN(TestSteadyTimer)
#include "tst_steadytimer.moc"

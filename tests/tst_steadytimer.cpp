// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steadytimer.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestSteadyTimer : public QObject
{
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }
    void zeroAndNegativeStop_data();
    void zeroAndNegativeStop();
    void stopFromInsideATick();
};

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

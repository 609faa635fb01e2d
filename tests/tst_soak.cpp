// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "motionstate.h"

#include <QTest>

#include <cstdint>

namespace {

using Kind = Value::Kind;

// The kind a whole number reached by Integer arithmetic must have: the
// narrowest that holds it, or the widest any earlier value needed.
Kind kindFor(double value, Kind atLeast)
{
    const Kind needed = value >= -32768 && value <= 32767             ? Kind::Integer
                        : value >= -2147483648.0 && value <= 2147483647 ? Kind::Long
                                                                        : Kind::Double;
    return std::max(needed, atLeast);
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void millionTicksFromRest_data();
    void millionTicksFromRest();
    void tickCounterPassesLongRange();
};

void TestSoak::millionTicksFromRest_data()
{
    QTest::addColumn<int>("a");
    QTest::newRow("a = +1") << +1;
    QTest::newRow("a = -1") << -1;
}

// Velocity n·a and position a·n(n+1)/2 exactly, on both axes, for a
// million ticks, with every number in the kind its size calls for.
void TestSoak::millionTicksFromRest()
{
    QFETCH(int, a);

    MotionState state;
    state.ax = Value::integer(std::int16_t(a));
    state.ay = Value::integer(std::int16_t(-a));
    Kind xKind = Kind::Integer, yKind = Kind::Integer, vKind = Kind::Integer, vyKind = Kind::Integer, tKind = Kind::Integer;
    for (std::int64_t n = 1; n <= 1000000; ++n) {
        QVERIFY(state.tick());
        const double v = double(n * a);
        const double x = double(a * n * (n + 1) / 2);
        xKind = kindFor(x, xKind);
        yKind = kindFor(-x, yKind);
        vKind = kindFor(v, vKind);
        vyKind = kindFor(-v, vyKind);
        tKind = kindFor(double(n), tKind);
        if (state.vx.toDouble() != v || state.x.toDouble() != x || state.vy.toDouble() != -v
            || state.y.toDouble() != -x || state.t.toDouble() != double(n) || state.x.kind() != xKind
            || state.vx.kind() != vKind || state.y.kind() != yKind || state.vy.kind() != vyKind || state.t.kind() != tKind)
            QFAIL(qPrintable(QStringLiteral("tick %1: x %2 (kind %3), vx %4, t %5 (kind %6)")
                                 .arg(n).arg(state.x.toDouble(), 0, 'f', 0).arg(int(state.x.kind()))
                                 .arg(state.vx.toDouble(), 0, 'f', 0).arg(state.t.toDouble(), 0, 'f', 0)
                                 .arg(int(state.t.kind()))));
    }
    QCOMPARE(int(state.x.kind()), int(Kind::Double));
    QCOMPARE(int(state.vx.kind()), int(Kind::Long));
    QCOMPARE(int(state.t.kind()), int(Kind::Long));
}

void TestSoak::tickCounterPassesLongRange()
{
    MotionState state;
    state.t = Value::longInteger(2147483640);
    for (int i = 1; i <= 10; ++i) {
        QVERIFY(state.tick());
        QCOMPARE(state.t.toDouble(), 2147483640.0 + i);
        QCOMPARE(int(state.t.kind()), int(2147483640LL + i > 2147483647LL ? Kind::Double : Kind::Long));
    }
    QCOMPARE(DisplayText(state.t), std::string(" 2147483650"));
}

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"

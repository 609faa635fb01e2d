// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displaycontent.h"
#include "editingcommands.h"
#include "motionstate.h"
#include "refreshschedule.h"
#include "runcontrol.h"
#include "speech.h"
#include "ticktimer.h"
#include "tickschedule.h"

#include <QTest>

#include <vector>

namespace {

struct RecordingTimer : TickTimer
{
    std::vector<int> intervals;
    void setInterval(int milliseconds) override { intervals.push_back(milliseconds); }
    int last() const { return intervals.empty() ? -1 : intervals.back(); }
};

QString text(const Value &v) { return QString::fromStdString(DisplayText(v)); }

// The state, timer and commands as the window holds them.
struct Motion
{
    MotionState state;
    RecordingTimer timer;
    RunControl run{state, timer};
    EditingCommands edit{state};

    Motion() { run.initialise(); }
    QString status() const { return text(state.zt); }
    void ticks(int n) { for (int i = 0; i < n; ++i) run.tick(); }
};

} // namespace

class TestMotion : public QObject
{
    Q_OBJECT

private slots:
    void initialState();
    void ticks_data();
    void ticks();
    void tickCounterPassesIntegerRange();
    void tickOverflowPausesAndChangesNothing();
    void startPause();
    void tickRateInterval_data();
    void tickRateInterval();
    void tickRateLeavesTimerAndStatus();
    void tickRateRejected_data();
    void tickRateRejected();
    void resetWhileRunning();
    void nudges_data();
    void nudges();
    void typedSettings_data();
    void typedSettings();
    void typedSettingsRejected_data();
    void typedSettingsRejected();
    void returnToOriginKeepsVelocity();
    void displayContent();
    void shortNumbers_data();
    void shortNumbers();
    void spokenSigns();
    void fittedCaptions();
    void refreshSchedule();
    void tickSchedule();
};

void TestMotion::initialState()
{
    Motion m;
    QCOMPARE(m.timer.intervals, std::vector<int>{0});
    for (const Value *v : {&m.state.x, &m.state.y, &m.state.vx, &m.state.vy, &m.state.ax,
                           &m.state.ay, &m.state.t, &m.state.run}) {
        QCOMPARE(int(v->kind()), int(Value::Kind::Integer));
        QCOMPARE(v->toDouble(), 0.0);
    }
    QCOMPARE(m.state.tps, Value::integer(20));
    QCOMPARE(m.state.tpst, Value::integer(50));
    QCOMPARE(m.status(), QStringLiteral("就绪"));
}

void TestMotion::ticks_data()
{
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<int>("ax");
    QTest::addColumn<int>("ay");
    QTest::addColumn<QList<int>>("xs");
    QTest::addColumn<QList<int>>("ys");

    QTest::newRow("from rest, ax 1") << "0" << 1 << 0 << QList<int>{1, 3, 6} << QList<int>{0, 0, 0};
    QTest::newRow("from rest, ay -1") << "0" << 0 << -1 << QList<int>{0, 0, 0} << QList<int>{-1, -3, -6};
    QTest::newRow("vx 5 braking") << "5" << -1 << 0 << QList<int>{4, 7, 9, 10, 10, 9} << QList<int>{0, 0, 0, 0, 0, 0};
    QTest::newRow("standing still") << "0" << 0 << 0 << QList<int>{0, 0} << QList<int>{0, 0};
}

void TestMotion::ticks()
{
    QFETCH(QString, velocity);
    QFETCH(int, ax);
    QFETCH(int, ay);
    QFETCH(QList<int>, xs);
    QFETCH(QList<int>, ys);

    Motion m;
    m.edit.setVelocity(velocity.toStdString(), "0");
    m.edit.setAcceleration(std::to_string(ax), std::to_string(ay));
    const double startVx = velocity.toDouble();
    for (int n = 1; n <= xs.size(); ++n) {
        m.run.tick();
        QCOMPARE(m.state.t.toDouble(), double(n));
        QCOMPARE(m.state.vx.toDouble(), startVx + n * ax);
        QCOMPARE(m.state.vy.toDouble(), double(n * ay));
        QCOMPARE(m.state.x.toDouble(), double(xs[n - 1]));
        QCOMPARE(m.state.y.toDouble(), double(ys[n - 1]));
    }
}

void TestMotion::tickCounterPassesIntegerRange()
{
    Motion m;
    m.ticks(32768);
    QCOMPARE(int(m.state.t.kind()), int(Value::Kind::Long));
    QCOMPARE(text(m.state.t), QStringLiteral(" 32768"));
}

void TestMotion::tickOverflowPausesAndChangesNothing()
{
    Motion m;
    m.edit.setVelocity("1e308", "0");
    m.edit.setAcceleration("1e308", "0");
    m.run.startPause();
    const MotionState before = m.state;
    m.run.tick();
    QCOMPARE(m.state.x, before.x);
    QCOMPARE(m.state.vx, before.vx);
    QCOMPARE(m.state.t, before.t);
    QCOMPARE(m.state.run, Value::integer(0));
    QCOMPARE(m.timer.last(), 0);
    QCOMPARE(m.status(), QStringLiteral("数值溢出，已暂停"));
}

void TestMotion::startPause()
{
    Motion m;
    m.edit.nudgeAcceleration(+1, 0);
    m.run.tick();
    const MotionState before = m.state;

    m.run.startPause();
    QCOMPARE(m.state.run, Value::integer(1));
    QCOMPARE(m.timer.last(), 50);
    QCOMPARE(m.status(), QStringLiteral("运行中"));

    m.run.startPause();
    QCOMPARE(m.state.run, Value::integer(0));
    QCOMPARE(m.timer.last(), 0);
    QCOMPARE(m.status(), QStringLiteral("已暂停"));
    for (auto field : {&MotionState::x, &MotionState::y, &MotionState::vx, &MotionState::vy,
                       &MotionState::ax, &MotionState::ay, &MotionState::t, &MotionState::tps,
                       &MotionState::tpst})
        QCOMPARE(m.state.*field, before.*field);
}

void TestMotion::tickRateInterval_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("tps");
    QTest::addColumn<int>("interval");

    QTest::newRow("20") << "20" << 20.0 << 50;
    QTest::newRow("10") << "10" << 10.0 << 100;
    QTest::newRow("3") << "3" << 3.0 << 333;
    QTest::newRow("7.9 rounds down") << "7.9" << 7.0 << 143;
    QTest::newRow("399") << "399" << 399.0 << 3;
    QTest::newRow("400 ties to even") << "400" << 400.0 << 2;
    QTest::newRow("666") << "666" << 666.0 << 2;
    QTest::newRow("667") << "667" << 667.0 << 1;
    QTest::newRow("2000 still ticks") << "2000" << 2000.0 << 1;
    QTest::newRow("huge still ticks") << "1e300" << 1e300 << 1;
}

void TestMotion::tickRateInterval()
{
    QFETCH(QString, typed);
    QFETCH(double, tps);
    QFETCH(int, interval);

    Motion m;
    m.run.setTickRate(typed.toStdString());
    QCOMPARE(m.state.tps.toDouble(), tps);
    QCOMPARE(m.state.tpst.toDouble(), 1000.0 / tps);
    m.run.startPause();
    QCOMPARE(m.timer.last(), interval);
}

void TestMotion::tickRateLeavesTimerAndStatus()
{
    Motion m;
    m.run.startPause();
    const std::size_t timerCalls = m.timer.intervals.size();
    m.run.setTickRate("10");
    QCOMPARE(m.timer.intervals.size(), timerCalls);
    QCOMPARE(m.status(), QStringLiteral("运行中"));
    QCOMPARE(text(m.state.tps), QStringLiteral(" 10"));

    m.run.startPause();
    m.run.startPause();
    QCOMPARE(m.timer.last(), 100);
}

void TestMotion::tickRateRejected_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("status");

    QTest::newRow("zero") << "0" << "TPS须大于0";
    QTest::newRow("below one") << "0.9" << "TPS须大于0";
    QTest::newRow("negative") << "-5" << "TPS须大于0";
    QTest::newRow("small negative") << "-0.5" << "TPS须大于0";
    QTest::newRow("empty") << "" << "TPS无效";
    QTest::newRow("word") << "fast" << "TPS无效";
    QTest::newRow("infinity") << "inf" << "TPS无效";
    QTest::newRow("not a number") << "NaN" << "TPS无效";
    QTest::newRow("beyond a double") << "1e999" << "TPS无效";
}

void TestMotion::tickRateRejected()
{
    QFETCH(QString, typed);
    QFETCH(QString, status);

    Motion m;
    m.run.setTickRate("10");
    m.run.startPause();
    const std::size_t timerCalls = m.timer.intervals.size();
    m.run.setTickRate(typed.toStdString());
    QCOMPARE(m.state.tps, Value::real(10));
    QCOMPARE(m.state.tpst, Value::real(100));
    QCOMPARE(m.state.run, Value::integer(1));
    QCOMPARE(m.timer.intervals.size(), timerCalls);
    QCOMPARE(m.status(), status);
}

void TestMotion::resetWhileRunning()
{
    Motion m;
    m.run.setTickRate("10");
    m.edit.setPosition("30", "40");
    m.edit.nudgeAcceleration(+1, -1);
    m.run.startPause();
    m.ticks(3);

    m.run.reset();
    const MotionState fresh;
    for (auto field : {&MotionState::x, &MotionState::y, &MotionState::vx, &MotionState::vy,
                       &MotionState::ax, &MotionState::ay, &MotionState::t, &MotionState::tps,
                       &MotionState::run, &MotionState::tpst})
        QCOMPARE(m.state.*field, fresh.*field);
    QCOMPARE(m.timer.last(), 0);
    QCOMPARE(m.status(), QStringLiteral("已重置"));

    m.run.startPause();
    QCOMPARE(m.timer.last(), 50);
}

void TestMotion::nudges_data()
{
    QTest::addColumn<int>("dax");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("status");

    QTest::newRow("ax+1") << +1 << 0 << "ax+1";
    QTest::newRow("ax-1") << -1 << 0 << "ax-1";
    QTest::newRow("ay+1") << 0 << +1 << "ay+1";
    QTest::newRow("ay-1") << 0 << -1 << "ay-1";
    QTest::newRow("ax+1ay+1") << +1 << +1 << "ay+1 ax+1";
    QTest::newRow("ax-1ay+1") << -1 << +1 << "ay+1 ax-1";
    QTest::newRow("ax+1ay-1") << +1 << -1 << "ay-1 ax+1";
    QTest::newRow("ax-1ay-1") << -1 << -1 << "ay-1 ax-1";
}

void TestMotion::nudges()
{
    QFETCH(int, dax);
    QFETCH(int, day);
    QFETCH(QString, status);

    Motion m;
    for (int clicks = 1; clicks <= 6; ++clicks) {
        m.edit.nudgeAcceleration(dax, day);
        QCOMPARE(m.state.ax.toDouble(), double(clicks * dax));
        QCOMPARE(m.state.ay.toDouble(), double(clicks * day));
    }
    QCOMPARE(m.status(), status);
    QCOMPARE(m.state.vx.toDouble() + m.state.vy.toDouble() + m.state.t.toDouble(), 0.0);
}

void TestMotion::typedSettings_data()
{
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QString>("xText");
    QTest::addColumn<QString>("yText");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("status");

    QTest::newRow("position") << 0 << "3.7" << "-2" << 3.0 << -2.0 << "将坐标设置为x3.7y-2";
    QTest::newRow("velocity with blanks") << 1 << " 10 " << "0" << 10.0 << 0.0 << "将速度设置为x 10 y0";
    QTest::newRow("acceleration") << 2 << "12.9" << "-0.5" << 12.0 << -1.0 << "将加速度设置为x12.9y-0.5";
}

void TestMotion::typedSettings()
{
    QFETCH(int, quantity);
    QFETCH(QString, xText);
    QFETCH(QString, yText);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, status);

    Motion m;
    m.run.startPause();
    using Setter = void (EditingCommands::*)(std::string_view, std::string_view);
    const Setter setters[] = {&EditingCommands::setPosition, &EditingCommands::setVelocity,
                              &EditingCommands::setAcceleration};
    const std::pair<Value MotionState::*, Value MotionState::*> fields[] = {
        {&MotionState::x, &MotionState::y}, {&MotionState::vx, &MotionState::vy},
        {&MotionState::ax, &MotionState::ay}};
    (m.edit.*setters[quantity])(xText.toStdString(), yText.toStdString());
    QCOMPARE(m.state.*fields[quantity].first, Value::real(x));
    QCOMPARE(m.state.*fields[quantity].second, Value::real(y));
    QCOMPARE(m.status(), status);
    QCOMPARE(m.state.run, Value::integer(1));
    QCOMPARE(m.state.t, Value::integer(0));
}

void TestMotion::typedSettingsRejected_data()
{
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QString>("xText");
    QTest::addColumn<QString>("yText");
    QTest::addColumn<QString>("status");

    QTest::newRow("position, second bad") << 0 << "5" << "abc" << "坐标y无效";
    QTest::newRow("position, first bad") << 0 << "" << "5" << "坐标x无效";
    QTest::newRow("velocity, both bad") << 1 << "inf" << "nan" << "速度x无效";
    QTest::newRow("velocity, too large") << 1 << "1" << "1e400" << "速度y无效";
    QTest::newRow("acceleration, second bad") << 2 << "1" << "1 2" << "加速度y无效";
}

void TestMotion::typedSettingsRejected()
{
    QFETCH(int, quantity);
    QFETCH(QString, xText);
    QFETCH(QString, yText);
    QFETCH(QString, status);

    Motion m;
    m.edit.setPosition("7", "8");
    m.edit.setVelocity("9", "10");
    m.edit.setAcceleration("11", "12");
    const MotionState before = m.state;
    using Setter = void (EditingCommands::*)(std::string_view, std::string_view);
    const Setter setters[] = {&EditingCommands::setPosition, &EditingCommands::setVelocity,
                              &EditingCommands::setAcceleration};
    (m.edit.*setters[quantity])(xText.toStdString(), yText.toStdString());
    for (auto field : {&MotionState::x, &MotionState::y, &MotionState::vx, &MotionState::vy,
                       &MotionState::ax, &MotionState::ay})
        QCOMPARE(m.state.*field, before.*field);
    QCOMPARE(m.status(), status);
}

void TestMotion::returnToOriginKeepsVelocity()
{
    Motion m;
    m.edit.setPosition("100", "-50");
    m.edit.setVelocity("5", "0");
    m.edit.nudgeAcceleration(+1, 0);
    m.edit.returnToOrigin();
    QCOMPARE(m.state.x, Value::integer(0));
    QCOMPARE(m.state.y, Value::integer(0));
    QCOMPARE(m.state.vx, Value::real(5));
    QCOMPARE(m.status(), QStringLiteral("已回原点"));
    m.run.tick();
    QCOMPARE(m.state.x.toDouble(), 6.0);
}

void TestMotion::displayContent()
{
    Motion m;
    DisplayContent shown;
    shown.refresh(m.state);
    const QStringList initial = {"TPS: 20", "坐标x: 0", "坐标y: 0", "速度x: 0", "速度y: 0",
                                 "加速度x: 0", "加速度y: 0", "当前时间刻: 0", "当前状态:就绪"};
    for (int i = 0; i < initial.size(); ++i)
        QCOMPARE(QString::fromStdString(shown.labels[i]), initial[i]);
    QCOMPARE(shown.markerLeft, 4020.0f);
    QCOMPARE(shown.markerTop, 4020.0f);

    m.edit.setPosition("-100", "100");
    shown.refresh(m.state);
    QCOMPARE(shown.markerLeft, 3920.0f);
    QCOMPARE(shown.markerTop, 3920.0f);
    QCOMPARE(QString::fromStdString(shown.labels[1]), QStringLiteral("坐标x:-100"));
    QCOMPARE(QString::fromStdString(shown.labels[2]), QStringLiteral("坐标y: 100"));
}

void TestMotion::shortNumbers_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("shortened");

    QTest::newRow("exact") << " 300000" << 3 << " 3E+5";
    QTest::newRow("rounded") << "-399999" << 2 << "≈-4.0E+5";
    QTest::newRow("rounded up into the next power") << " 19999999" << 2 << "≈2.0E+7";
    QTest::newRow("exponent form") << "-1.23456789012345E+300" << 2 << "≈-1.2E+300";
    QTest::newRow("more digits than it has") << " 1E+308" << 4 << " 1E+308";
    QTest::newRow("fraction") << " 0.00125" << 2 << "≈1.3E-3";
    QTest::newRow("zero") << " 0" << 2 << "";
    QTest::newRow("not a number") << " Infinity" << 2 << "";
    QTest::newRow("text") << "abc" << 2 << "";
    QTest::newRow("trailing text") << " 12x" << 2 << "";
    QTest::newRow("exponent out of range") << " 1E+99999999999999999999" << 2 << "";
}

void TestMotion::shortNumbers()
{
    QFETCH(QString, number);
    QFETCH(int, digits);
    QFETCH(QString, shortened);
    QCOMPARE(QString::fromStdString(DisplayContent::shortNumber(number.toStdString(), digits)), shortened);
}

// Steps after ax and ay, signs of numbers elsewhere; no other hyphen.
void TestMotion::spokenSigns()
{
    QCOMPARE(Speech::words("ay+1 ax-1"), "ay 加 1 ax 减 1");
    QCOMPARE(Speech::words("将坐标设置为x\u2212.5y+3"), "将坐标设置为x 负 .5y 正 3");
    QCOMPARE(Speech::words("-1.5E+300 a-b x- -"), "负 1.5E 正 300 a-b x- -");
}

// With a font whose characters are as wide as its size, and ASCII half that.
void TestMotion::fittedCaptions()
{
    const auto width = [](const std::string &text, int pixels) {
        double sum = 0;
        for (const char c : text)
            sum += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : c & 0x80 ? pixels : pixels / 2.0;
        return sum;
    };
    const auto fitted = [&](std::size_t label, const char *caption, int room, int lines = 1) {
        const DisplayContent::Fitted shown = DisplayContent::fitted(label, caption, room, 12, lines, width);
        return QStringLiteral("%1 %2px%3").arg(QString::fromStdString(shown.text)).arg(shown.fontPixels)
            .arg(shown.shortened ? " shortened" : "");
    };
    QCOMPARE(fitted(1, "坐标x: 123456789012", 114), QStringLiteral("坐标x: 123456789012 12px"));
    QCOMPARE(fitted(1, "坐标x: 123456789012", 100), QStringLiteral("坐标x: 123456789012 10px"));
    QCOMPARE(fitted(1, "坐标x: 123456789012", 90), QStringLiteral("坐标x:≈1.2346E+11 10px shortened"));
    QCOMPARE(fitted(5, "加速度x: 10000000000", 70), QStringLiteral("加速度x: 1E+10 10px shortened"));
    QCOMPARE(fitted(5, "加速度x:-1.23456789012345E+300", 90), QStringLiteral("加速度x:≈-1.2E+300 9px shortened"));
    // Where nothing fits, still the sign, two digits and the exponent.
    QCOMPARE(fitted(5, "加速度x:-1.23456789012345E+300", 10), QStringLiteral("加速度x:≈-1.2E+300 8px shortened"));

    const std::string status = "当前状态:将坐标设置为x" + std::string(500, '1') + "\ny5";
    QCOMPARE(fitted(8, "当前状态:就绪", 161, 2), QStringLiteral("当前状态:就绪 12px"));
    QCOMPARE(fitted(8, "当前状态:x\u2028y\t", 161, 2), QStringLiteral("当前状态:x y  12px shortened"));
    QCOMPARE(fitted(8, status.c_str(), 90, 2), QStringLiteral("当前状态:将坐标\n设置为x111111… 12px shortened"));
    // Between the parts of a setting where the rest fits, not in a number.
    QCOMPARE(fitted(8, "当前状态:将坐标设置为x1e12y123456789", 170, 2),
             QStringLiteral("当前状态:将坐标设置为x1e12\ny123456789 12px"));
    QCOMPARE(DisplayContent::readable(std::string(1200, 'a')).size(), 1000 + std::string("…").size());
}

// A flood of ticks, one a millisecond on a 60 Hz screen: the marker moves
// once a frame, the labels change ten times a second and the names once;
// a command writes everything at once.
void TestMotion::refreshSchedule()
{
    double now = 0;
    RefreshSchedule schedule([&] { return now; });
    int marker = 0, labels = 0, names = 0;
    const auto count = [&](RefreshSchedule::Writes writes) {
        marker += writes.marker;
        labels += writes.labels;
        names += writes.names;
    };
    for (; now < 3000; now += 1) {
        count(schedule.refreshed(true));
        if (schedule.next() && *schedule.next() <= now + 1)
            count(schedule.due());
    }
    QVERIFY2(marker >= 170 && marker <= 181, qPrintable(QString::number(marker)));
    QVERIFY2(labels >= 29 && labels <= 31, qPrintable(QString::number(labels)));
    QVERIFY2(names >= 3 && names <= 4, qPrintable(QString::number(names)));
    // The last tick's writes come due, and nothing after them.
    QVERIFY(schedule.next() && *schedule.next() <= now + RefreshSchedule::nameInterval);
    now += RefreshSchedule::nameInterval;
    const RefreshSchedule::Writes last = schedule.due();
    QVERIFY(last.marker && last.labels && last.names && !schedule.next());

    const RefreshSchedule::Writes command = schedule.refreshed(false);
    QVERIFY(command.marker && command.labels && command.names);

    // Twenty ticks a second: every tick is written, named once a second.
    labels = names = 0;
    for (int tick = 0; tick < 60; ++tick) {
        now += 50;
        count(schedule.refreshed(true));
    }
    QCOMPARE(labels, 60);
    QVERIFY2(names >= 3 && names <= 4, qPrintable(QString::number(names)));
}

// Due ticks come in a burst after a late wake-up; a stall of a second is
// not replayed.
void TestMotion::tickSchedule()
{
    TickSchedule schedule;
    schedule.start(5, 0);
    QVERIFY(!schedule.tickDue(4.9));
    int due = 0;
    while (schedule.tickDue(100))
        ++due;
    QCOMPARE(due, 20);
    due = 0;
    while (schedule.tickDue(1100))
        ++due;
    QCOMPARE(due, 1);
    QCOMPARE(schedule.deadline(), 1105.0);
    schedule.start(0, 1200);
    QVERIFY(!schedule.isActive() && !schedule.tickDue(5000));
    schedule.start(-5, 1200);
    QVERIFY(!schedule.tickDue(5000));
}

QTEST_GUILESS_MAIN(TestMotion)
#include "tst_motion.moc"

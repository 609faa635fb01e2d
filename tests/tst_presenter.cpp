// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formface.h"
#include "formhandlers.h"
#include "motionstate.h"
#include "speech.h"
#include "tickschedule.h"
#include "ticktimer.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace {

// A face that keeps what the model makes and writes, in a font in which
// every text fits.
struct RecordingFace : FormFace, TickTimer
{
    int interval = 0;
    double now = 0;
    std::map<int, std::string> boxes;
    std::vector<ControlView> controls;
    QStringList told;
    FormHandlers handlers{*this, *this, {}, [this] { return now; }};

    RecordingFace() { handlers.createControls(), handlers.Form_Load(); }
    void setInterval(int milliseconds) override { interval = milliseconds; }
    std::string boxText(int box) const override { return boxes.count(box) ? boxes.at(box) : "0"; }
    double textWidth(const std::string &, int) const override { return 0; }
    void create(const ControlView &control) override { controls.push_back(control); }
    void update(std::size_t control, const ControlView &view, unsigned) override { controls.at(control) = view; }
    void announce(const std::string &words) override { told << QString::fromStdString(words); }
    void wakeUpIn(double) override {}

    const ControlView &operator[](const std::string &id) const
    {
        return *std::find_if(controls.begin(), controls.end(), [&](const ControlView &c) { return c.id == id; });
    }
    QString text(const std::string &id) const { return QString::fromStdString((*this)[id].text); }
    QString name(const std::string &id) const { return QString::fromStdString((*this)[id].name); }
};

} // namespace

class TestPresenter : public QObject
{
    Q_OBJECT

private slots:
    void controls();
    void commandsTold();
    void statusBarAndMarker();
    void places();
    void motion();
    void newsWhileTicking();
    void wakeUpsPerFrame();
};

// Panels before what they hold, with the roles and names both faces give
// them; nothing is told as the window opens.
void TestPresenter::controls()
{
    RecordingFace face;
    QVERIFY(face.told.empty());
    for (std::size_t i = 0; i < face.controls.size(); ++i)
        QVERIFY(face.controls[i].container < int(i));
    QCOMPARE(face["Label9"].role, ControlView::Role::StatusBar);
    QCOMPARE(face.text("Command8"), QStringLiteral("ax-1\nay+1"));
    QCOMPARE(face.name("Command8"), QStringLiteral("ax 减 1，ay 加 1"));
}

// Every command is told, signs in words, the same words again with the
// mark that has a screen reader say them again.
void TestPresenter::commandsTold()
{
    RecordingFace face;
    face.boxes[2] = "y";
    for (int i = 0; i < 3; ++i)
        face.handlers.Command12_Click();
    const QString invalid = QStringLiteral("坐标y无效，坐标 x 0，y 0，点在地图中央");
    QCOMPARE(face.told, QStringList({invalid, invalid + "。", invalid}));
    face.boxes = {{3, "-5"}, {4, "+3"}, {7, "100"}};
    face.handlers.Command13_Click();
    face.handlers.Command6_Click();
    face.handlers.Command15_Click();
    face.handlers.Command1_Click();
    QCOMPARE(face.told.mid(3), QStringList({"将速度设置为 x 负 5，y 正 3，速度 x 负 5，y 3", "ax 减 1，加速度 x 负 1，y 0",
                                            "TPS 设为 100", "运行中"}));
    QCOMPARE(face.name("Label9"), QStringLiteral("点在地图中央，向左上运动，加速；当前状态 运行中，TPS 100，坐标 x 0，y 0，速度 x 负 5，y 3，"
                                                 "加速度 x 负 1，y 0，当前时间刻 0"));
    // The timer counts whole milliseconds: a rate it cannot keep is told
    // with the one it runs at.
    for (const char *rate : {"700", "7"})
        face.boxes[7] = rate, face.handlers.Command15_Click();
    QCOMPARE(face.told.mid(7), QStringList({"TPS 设为 700，实际每秒 1000 刻", "TPS 设为 7，实际每秒 6.993 刻"}));
}

// The marker follows the point, held where any widget can stand; a tick
// is told only of a new status.
void TestPresenter::statusBarAndMarker()
{
    RecordingFace face;
    QCOMPARE(face.text("Label9"), QStringLiteral("当前状态:就绪"));
    QCOMPARE(face["Picture1"].box, (ControlLayout::Box{267, 267, 10, 10}));
    face.boxes = {{1, "150.9"}, {2, "-300"}};
    face.handlers.Command12_Click();
    QCOMPARE(face["Picture1"].box, (ControlLayout::Box{277, 287, 10, 10}));
    face.boxes = {{1, "1e300"}, {3, "1e308"}, {5, "1e308"}};
    face.handlers.Command12_Click();
    QCOMPARE(face["Picture1"].box.left, 1000000 - 1);

    face.handlers.Command13_Click();
    face.handlers.Command14_Click();
    face.handlers.Command1_Click();
    const qsizetype toldBefore = face.told.size();
    face.handlers.Timer1_Timer();
    QCOMPARE(face.told.mid(toldBefore), QStringList{"数值溢出，已暂停"});
    QCOMPARE(face.text("Label9"), QStringLiteral("当前状态:数值溢出，已暂停"));
    QCOMPARE(face.interval, 0);
}

// The map in thirds around their borders, and outside it by the side or
// corner beyond which no pixel of the marker shows, as the status bar and
// the marker say it and a new position's announcement ends.
void TestPresenter::places()
{
    const char *const places[][3] = {
        {"0", "0", "地图中央"}, {"-2500", "0", "地图左方"}, {"0", "-2500", "地图下方"}, {"-1343", "1342", "地图左方"},
        {"-1342", "1343", "地图上方"}, {"1343", "-1343", "地图右下"}, {"4042", "4147", "地图右上"},
        {"-4147", "-4042", "地图左下"}, {"4043", "2500", "在地图外，右方"}, {"2500", "4148", "在地图外，上方"},
        {"-4148", "-1e300", "在地图外，左下方"}, {"-6000", "6000", "在地图外，左上方"},
        {"1e300", "-4043", "在地图外，右下方"}, {"2500", "2500", "地图右上"}};
    RecordingFace face;
    for (const auto &[x, y, place] : places) {
        face.boxes = {{1, x}, {2, y}};
        face.handlers.Command12_Click();
        const QString where = QString::fromUtf8(place), point = where.startsWith("在") ? "点" + where : "点在" + where;
        QVERIFY2(face.name("Label9").startsWith(point + "，静止；当前状态 将坐标设置为 x "), place);
        QCOMPARE(face.name("Picture1"), "运动点，" + where);
    }
    QCOMPARE(face.told.last(), QStringLiteral("将坐标设置为 x 2500，y 2500，点在地图右上"));
    face.handlers.Command3_Click();
    QCOMPARE(face.told.last(), QStringLiteral("已重置，点在地图中央"));
}

// Eight directions of 45 degrees, or 静止; the speed's change by the sign
// of v·a, growing from rest, at any size.
void TestPresenter::motion()
{
    const std::pair<std::array<double, 4>, const char *> motions[] = {
        {{0, 0, 0, 0}, "静止"}, {{0, 0, 0, -1}, "静止，加速"}, {{5, 2, 0, 0}, "向右运动，匀速"},
        {{2, 4.5, 1, 1}, "向右上运动，加速"}, {{2, 5, 0, -1}, "向上运动，减速"}, {{-1, 1, 1, -1}, "向左上运动，减速"},
        {{-3, 0, 0, 1}, "向左运动，加速"}, {{-3, -3, 0, 0}, "向左下运动，匀速"}, {{0, -3, 0, -1}, "向下运动，加速"},
        {{1e308, -1e308, -1e308, 1e308}, "向右下运动，减速"}};
    for (const auto &[va, words] : motions) {
        MotionState state;
        state.vx = Value::real(va[0]), state.vy = Value::real(va[1]);
        state.ax = Value::real(va[2]), state.ay = Value::real(va[3]);
        QCOMPARE(QString::fromStdString(Speech::motion(state)), QString::fromUtf8(words));
    }
}

// A throw upwards from near the map's top leaves the map, turns, and
// comes back: each told once at 20 ticks a second. At 1000 the point also
// falls out at the bottom within the second after it left at the top,
// and only that latest is told. Nothing after a pause.
void TestPresenter::newsWhileTicking()
{
    for (const char *rate : {"20", "1000"}) {
        RecordingFace face;
        face.boxes = {{1, "0"}, {2, "3500"}, {3, "0"}, {4, "40"}, {5, "0"}, {6, "-1"}, {7, rate}};
        for (int command : {12, 13, 14, 15, 1})
            face.handlers.click(command);
        const qsizetype before = face.told.size();
        while (face.now < 5000)
            face.now += face.interval, face.handlers.Timer1_Timer();
        face.handlers.Command1_Click();
        QCOMPARE(face.told.mid(before), QByteArray(rate) == "20"
                     ? QStringList({"点离开地图，在上方", "开始向下运动", "点回到地图，地图上方", "已暂停"})
                     : QStringList({"点离开地图，在上方", "点离开地图，在下方", "已暂停"}));
    }
}

// The tick schedule woken once a tick or once a frame: with a command
// running the ticks that have come due first, every command meets the same
// state, and what is shown and told is the same.
void TestPresenter::wakeUpsPerFrame()
{
    struct ScheduledFace : RecordingFace
    {
        TickSchedule schedule;
        void setInterval(int milliseconds) override { schedule.start(milliseconds, now); }
        void catchUp() override
        {
            while (schedule.tickDue(now))
                handlers.Timer1_Timer();
        }
    };
    const auto journey = [](bool perFrame) {
        ScheduledFace face;
        QStringList seen;
        const std::pair<double, int> clicks[] = {{0, 15}, {3.2, 1}, {104.7, 5}, {250.3, 13}, {401.1, 1},
                                                 {452.9, 1}, {600.5, 9}, {700.4, 2}, {901, 1}};
        face.boxes = {{3, "-4"}, {4, "7"}, {7, "1000"}};
        for (const auto &[at, command] : clicks) {
            for (double wake; face.schedule.isActive()
                 && (wake = perFrame ? (std::floor(face.now / 17) + 1) * 17 : face.schedule.deadline()) <= at;)
                face.now = wake, face.catchUp();
            face.now = at;
            face.handlers.click(command);
            for (const ControlView &control : face.controls)
                seen << QString::fromStdString(control.text + " " + control.name);
        }
        return seen + face.told;
    };
    const QStringList perTick = journey(false);
    QVERIFY2(perTick.contains("当前时间刻: 845 当前时间刻: 845"), qPrintable(perTick.filter("时间刻").join("|")));
    QCOMPARE(journey(true), perTick);
}

QTEST_GUILESS_MAIN(TestPresenter)
#include "tst_presenter.moc"

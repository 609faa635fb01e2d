// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formface.h"
#include "formhandlers.h"
#include "ticktimer.h"

#include <QTest>

#include <algorithm>
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
    QCOMPARE(face.name("Command8"), QStringLiteral("ax-1ay+1"));
}

// Every command is told, signs in words, the same words again with the
// mark that has a screen reader say them again.
void TestPresenter::commandsTold()
{
    RecordingFace face;
    face.boxes[2] = "y";
    for (int i = 0; i < 3; ++i)
        face.handlers.Command12_Click();
    QCOMPARE(face.told, QStringList({"坐标y无效，坐标 x 0，y 0", "坐标y无效，坐标 x 0，y 0。", "坐标y无效，坐标 x 0，y 0"}));
    face.boxes = {{3, "-5"}, {4, "+3"}, {7, "100"}};
    face.handlers.Command13_Click();
    face.handlers.Command6_Click();
    face.handlers.Command15_Click();
    face.handlers.Command1_Click();
    QCOMPARE(face.told.mid(3), QStringList({"将速度设置为x 负 5y 正 3，速度 x 负 5，y 3", "ax 减 1，加速度 x 负 1，y 0",
                                            "TPS 设为 100", "运行中"}));
    QCOMPARE(face.name("Label9"), QStringLiteral("当前状态 运行中，TPS 100，坐标 x 0，y 0，速度 x 负 5，y 3，"
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

QTEST_GUILESS_MAIN(TestPresenter)
#include "tst_presenter.moc"

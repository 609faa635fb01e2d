// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formface.h"
#include "formhandlers.h"
#include "ticktimer.h"

#include <QTest>

#include <map>
#include <vector>

namespace {

// A face that keeps what the model makes and writes, in a font whose
// characters are as wide as its size and ASCII half that.
struct RecordingFace : FormFace
{
    struct Timer : TickTimer
    {
        int interval = 0;
        void setInterval(int milliseconds) override { interval = milliseconds; }
    } timer;
    double now = 0;
    std::map<int, std::string> boxes;
    std::vector<ControlView> controls;
    std::vector<std::string> told;
    int writes = 0;
    FormHandlers handlers{*this, timer, {}, [this] { return now; }};

    RecordingFace()
    {
        handlers.createControls();
        handlers.Form_Load();
    }
    std::string boxText(int box) const override { return boxes.count(box) ? boxes.at(box) : "0"; }
    double textWidth(const std::string &text, int pixels) const override
    {
        double width = 0;
        for (const char c : text)
            width += (c & 0xC0) == 0x80 ? 0 : c & 0x80 ? pixels : pixels / 2.0;
        return width;
    }
    void create(const ControlView &control) override { controls.push_back(control); }
    void update(std::size_t control, const ControlView &view, unsigned) override
    {
        controls.at(control) = view;
        ++writes;
    }
    void announce(const std::string &words) override { told.push_back(words); }
    void wakeUpIn(double) override {}

    const ControlView &operator[](const std::string &id) const
    {
        for (const ControlView &control : controls) {
            if (control.id == id)
                return control;
        }
        qFatal("no control %s", id.c_str());
    }
    QString text(const std::string &id) const { return QString::fromStdString((*this)[id].text); }
    QString name(const std::string &id) const { return QString::fromStdString((*this)[id].name); }
    QString lastTold() const { return told.empty() ? QString() : QString::fromStdString(told.back()); }
    void type(int box, const std::string &text) { boxes[box] = text; }
    void tick()
    {
        now += timer.interval;
        handlers.Timer1_Timer();
    }
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

// Panels before what they hold, in Tab order, with the roles and names
// both faces give them.
void TestPresenter::controls()
{
    RecordingFace face;
    QVERIFY(face.told.empty());
    QStringList tabOrder;
    for (const ControlView &control : face.controls) {
        if (control.container >= 0)
            QCOMPARE(face.controls[std::size_t(control.container)].role, ControlView::Role::Panel);
        QVERIFY(control.container < int(&control - face.controls.data()));
        if (control.takesFocus())
            tabOrder << QString::fromStdString(control.id);
    }
    QCOMPARE(tabOrder, QStringList({"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                                    "Command7", "Command8", "Command9", "Command10", "Command11", "Command12",
                                    "Text1", "Text2", "Command13", "Text3", "Text4", "Command14", "Text5",
                                    "Text6", "Command15", "Text7"}));
    QCOMPARE(face["Label9"].role, ControlView::Role::StatusBar);
    QCOMPARE(face["Label8"].role, ControlView::Role::Label);
    QCOMPARE(face["Picture1"].role, ControlView::Role::Image);
    QCOMPARE(face["Command8"].number, 8);
    QCOMPARE(face.text("Command8"), QStringLiteral("ax-1\nay+1"));
    QCOMPARE(face.text("Command4"), QStringLiteral("ay+1"));
    QCOMPARE(face.name("Command8"), QStringLiteral("ax-1ay+1"));
    QCOMPARE(face["Command8"].description, "加速度 x 减 1，y 加 1，向左上");
    QCOMPARE(face.name("Command1"), QStringLiteral("开始或暂停"));
    QCOMPARE(face.name("Text6"), QStringLiteral("加速度y"));
    QCOMPARE(face.text("Text7"), QStringLiteral("20"));
    QCOMPARE(face["Label9"].linePixels, 12);
    QCOMPARE(face["Label9"].fontPixels, 11);
}

// Every command is told, signs in words, the same words again with the
// mark that has a screen reader say them again.
void TestPresenter::commandsTold()
{
    RecordingFace face;
    face.type(2, "y");
    face.handlers.Command12_Click();
    QCOMPARE(face.lastTold(), QStringLiteral("坐标y无效，坐标 x 0，y 0"));
    face.handlers.Command12_Click();
    QCOMPARE(face.lastTold(), QStringLiteral("坐标y无效，坐标 x 0，y 0。"));
    face.handlers.Command12_Click();
    QCOMPARE(face.lastTold(), QStringLiteral("坐标y无效，坐标 x 0，y 0"));
    face.type(3, "-5");
    face.type(4, "+3");
    face.handlers.Command13_Click();
    QCOMPARE(face.lastTold(), QStringLiteral("将速度设置为x 负 5y 正 3，速度 x 负 5，y 3"));
    face.handlers.Command6_Click();
    QCOMPARE(face.lastTold(), QStringLiteral("ax 减 1，加速度 x 负 1，y 0"));
    face.type(7, "100");
    face.handlers.Command15_Click();
    QCOMPARE(face.lastTold(), QStringLiteral("TPS 设为 100"));
    QCOMPARE(face.text("Label1"), QStringLiteral("TPS: 100"));
    QCOMPARE(face.name("Label9"), QStringLiteral("当前状态 ax 减 1，TPS 100，坐标 x 0，y 0，速度 x 负 5，y 3，"
                                                 "加速度 x 负 1，y 0，当前时间刻 0"));
    const std::size_t toldBefore = face.told.size();
    face.handlers.Command1_Click();
    QCOMPARE(face.told.size(), toldBefore + 1);
    QCOMPARE(face.lastTold(), QStringLiteral("运行中"));
}

// The status bar shows the status on two lines and is named by the whole
// state; the marker follows the point, and a tick is told only of a new
// status.
void TestPresenter::statusBarAndMarker()
{
    RecordingFace face;
    QCOMPARE(face.text("Label9"), QStringLiteral("当前状态:就绪"));
    QCOMPARE(face["Picture1"].box, (ControlLayout::Box{267, 267, 10, 10}));
    face.type(1, "150.9");
    face.type(2, "-300");
    face.handlers.Command12_Click();
    QCOMPARE(face["Picture1"].box, (ControlLayout::Box{277, 287, 10, 10}));
    face.type(1, "1e300");
    face.handlers.Command12_Click();
    QCOMPARE(face["Picture1"].box.left, 1000000 - 1);

    face.type(3, "1e308");
    face.type(5, "1e308");
    face.handlers.Command13_Click();
    face.handlers.Command14_Click();
    face.handlers.Command1_Click();
    const std::size_t toldBefore = face.told.size();
    face.tick();
    QCOMPARE(face.told.size(), toldBefore + 1);
    QCOMPARE(face.lastTold(), QStringLiteral("数值溢出，已暂停"));
    QCOMPARE(face.text("Label9"), QStringLiteral("当前状态:数值溢出，已暂停"));
    QCOMPARE(face.timer.interval, 0);
}

QTEST_GUILESS_MAIN(TestPresenter)
#include "tst_presenter.moc"

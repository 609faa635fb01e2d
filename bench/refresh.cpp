// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "motionstate.h"
#include "runcontrol.h"
#include "steadytimer.h"
#include "ticktimer.h"
#include "windowdriver.h"
#include "offscreenplatform.h"

#include <QApplication>
#include <QImage>
#include <QTest>

namespace {
struct IdleTimer : TickTimer { void setInterval(int) override {} };
}

// What one tick costs: the model's step alone; the step with the window's
// refresh written at once and repainted, as for a command; the step as the
// running window pays for it, its writes paced; and one painting of the
// whole data panel.
class RefreshBenchmark : public QObject
{
    Q_OBJECT

private slots:
    void modelTick();
    void tickWrittenAtOnce();
    void tickAsPaced();
    void tickWithLongCaptions();
    void paintingOfDataPanel();
};

void RefreshBenchmark::modelTick()
{
    MotionState state;
    IdleTimer timer;
    RunControl run(state, timer);
    run.initialise();
    state.ax = Value::integer(1);
    state.ay = Value::integer(-1);
    QBENCHMARK {
        run.tick();
    }
}

void RefreshBenchmark::tickWrittenAtOnce()
{
    WindowDriver driver;
    driver.click("Command9");
    QVERIFY(QTest::qWaitForWindowExposed(&driver.window()));
    QBENCHMARK {
        emit driver.timer().timeout();
        QCoreApplication::processEvents();
    }
}

void RefreshBenchmark::tickAsPaced()
{
    WindowDriver driver;
    driver.click("Command9");
    QVERIFY(QTest::qWaitForWindowExposed(&driver.window()));
    driver.startSlowly();
    QBENCHMARK {
        emit driver.timer().timeout();
        QCoreApplication::processEvents();
    }
}

// As paced, with the labels of velocity and acceleration holding numbers
// too long for them and the status repeating a pasted entry of a million
// characters.
void RefreshBenchmark::tickWithLongCaptions()
{
    WindowDriver driver;
    driver.type("Text3", QStringLiteral("12345678901"));
    driver.type("Text4", QStringLiteral("-12345678901"));
    driver.click("Command13");
    driver.type("Text5", QStringLiteral("123456789"));
    driver.type("Text6", QStringLiteral("-123456789"));
    driver.click("Command14");
    driver.type("Text1", QStringLiteral("1.") + QString(1000000, QLatin1Char('0')));
    driver.click("Command12");
    QVERIFY(QTest::qWaitForWindowExposed(&driver.window()));
    driver.startSlowly();
    driver.click("Command12");
    QBENCHMARK {
        emit driver.timer().timeout();
        QCoreApplication::processEvents();
    }
}

void RefreshBenchmark::paintingOfDataPanel()
{
    WindowDriver driver;
    driver.click("Command9");
    QVERIFY(QTest::qWaitForWindowExposed(&driver.window()));
    QWidget *data = driver.window().findChild<QWidget *>("Frame2");
    QImage canvas(data->size(), QImage::Format_ARGB32_Premultiplied);
    QBENCHMARK {
        emit driver.timer().timeout();
        data->render(&canvas);
    }
}

int main(int argc, char *argv[])
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    RefreshBenchmark benchmark;
    return QTest::qExec(&benchmark, argc, argv);
}

#include "refresh.moc"

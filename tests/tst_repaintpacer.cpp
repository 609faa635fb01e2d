// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "offscreenplatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

class TestRepaintPacer : public QObject
{
    Q_OBJECT

private slots:
    void paintsOncePerFrame();
};

namespace {
// Counts a widget's paints and remembers the caption the last one showed.
struct PaintWatch : QObject
{
    QLabel *label = nullptr;
    int paints = 0;
    QString painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            if (label)
                painted = label->text();
        }
        return false;
    }
};
}

// At a thousand ticks a second the data panel paints about once per frame
// of the screen, not once per tick, and the screen ends on the last tick.
// A new caption repaints its label, not the panel's frame beneath it.
void TestRepaintPacer::paintsOncePerFrame()
{
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *ticks = window.findChild<QLabel *>("Label8");
    PaintWatch watch;
    watch.label = ticks;
    ticks->installEventFilter(&watch);
    PaintWatch frame;
    window.findChild<QWidget *>("Frame2")->installEventFilter(&frame);

    window.findChild<QLineEdit *>("Text7")->setText("1000");
    QTest::mouseClick(window.findChild<QPushButton *>("Command15"), Qt::LeftButton);
    QElapsedTimer running;
    running.start();
    watch.paints = 0;
    frame.paints = 0;
    QTest::mouseClick(window.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QTRY_VERIFY(ticks->text().section(':', 1).toInt() >= 500);
    QTest::mouseClick(window.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    const double frames = running.elapsed() * window.screen()->refreshRate() / 1000;
    const int ticked = ticks->text().section(':', 1).toInt();

    QTRY_COMPARE(watch.painted, ticks->text());
    QVERIFY2(watch.paints <= frames * 1.5 + 3,
             qPrintable(QStringLiteral("%1 paints in %2 frames, %3 ticks").arg(watch.paints).arg(frames).arg(ticked)));
    QVERIFY2(frame.paints <= 3, qPrintable(QStringLiteral("the frame painted %1 times").arg(frame.paints)));
}

int main(int argc, char *argv[])
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    TestRepaintPacer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_repaintpacer.moc"

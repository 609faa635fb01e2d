// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

// Saves a picture of the window after a short run under acceleration,
// as the documentation shows it.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: torvane-screenshot OUTPUT.png\n");
        return 2;
    }

    Form1 window;
    window.show();
    const auto box = [&](const char *name) { return window.findChild<QLineEdit *>(name); };
    const auto click = [&](const char *name) { window.findChild<QPushButton *>(name)->click(); };
    box("Text3")->setText("-40");
    box("Text4")->setText("10");
    box("Text7")->setText("500");
    click("Command13");
    click("Command9");
    click("Command15");

    int ticks = 0;
    QObject::connect(window.findChild<SteadyTimer *>("Timer1"), &SteadyTimer::timeout, &window, [&] {
        if (++ticks == 60) {
            click("Command1");
            QTimer::singleShot(0, &app, &QApplication::quit);
        }
    });
    click("Command1");
    app.exec();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

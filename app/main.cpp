// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblefactory.h"
#include "form1.h"
#include "startupchecks.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = answerBeforeWindow(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral(TORVANE_APP_ID));
    warnWithoutChineseFont();
    installAccessibleFactory();
    Form1 window;
    window.show();
    return app.exec();
}

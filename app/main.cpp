// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(TORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TORVANE_APP_ID));
    Form1 window;
    window.show();
    return app.exec();
}

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programicon.h"

QIcon programIcon()
{
    // The images are linked in with this static library.
    Q_INIT_RESOURCE(icons);
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/torvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

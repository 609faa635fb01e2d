// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programicon.h"

#include <QPixmap>

namespace {
#include "icons/torvane-16.xpm"
#include "icons/torvane-32-2colours.xpm"
#include "icons/torvane-32.xpm"
}

QList<QImage> programIconImages()
{
    return {QImage(torvane_32), QImage(torvane_32_2colours), QImage(torvane_16)};
}

QIcon programIcon()
{
    QIcon icon;
    for (const QImage &image : programIconImages())
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

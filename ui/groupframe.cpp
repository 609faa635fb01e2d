// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "groupframe.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

void GroupFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect caption(QPoint(8, 0), metrics.size(Qt::TextShowMnemonic, title() + QLatin1Char(' ')));
    painter.setClipRegion(QRegion(rect()) - caption);
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true);
    painter.setClipping(false);
    style()->drawItemText(&painter, caption, Qt::AlignHCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

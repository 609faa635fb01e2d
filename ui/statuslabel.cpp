// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statuslabel.h"

#include <QPainter>

void StatusLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QStringList lines = text().split(QLatin1Char('\n'));
    const int baseline = contentsRect().top() + fontMetrics().ascent();
    for (qsizetype i = 0; i < lines.size(); ++i)
        painter.drawText(QPoint(contentsRect().left(), baseline + int(i) * height() / 2), lines[i]);
}

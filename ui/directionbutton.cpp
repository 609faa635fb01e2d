// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "directionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void DirectionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QString lines = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const qsizetype secondAxis = lines.indexOf(QLatin1String("ay"));
    if (secondAxis > 0)
        lines.insert(secondAxis, QLatin1Char('\n'));
    painter.drawItemText(rect(), Qt::AlignCenter, palette(), isEnabled(), lines, QPalette::ButtonText);
}

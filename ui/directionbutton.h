// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A square button of the direction pad. A two-axis caption such as
// "ax+1ay-1" is too wide for one line, so it shows the ax part over the
// ay part; text() and the accessible name stay the caption as it is.
class DirectionButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

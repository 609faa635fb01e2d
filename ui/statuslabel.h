// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A label of two lines, each of them set apart by a line break in its
// text. They stand a fixed pitch apart, half the label's height, so that
// both fit a box lower than two of the font's own lines.
class StatusLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

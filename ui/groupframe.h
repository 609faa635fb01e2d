// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

// A panel's frame drawn the classic way, whatever the style: an etched
// line whose top runs through the middle of the caption and stops short
// of it. Every control is laid out from the frame's top edge with that in
// mind.
class GroupFrame : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};

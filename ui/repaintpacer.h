// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framegate.h"

#include <QList>
#include <QObject>

class QWidget;

// Lets panels repaint at most once per frame of their screen. Ticks may
// come every millisecond, faster than any screen shows them; repainting
// for each would cost more than all the rest of the tick. A change within
// a frame of the last repaint is made with the panels' updates off; at the
// frame's end they are switched on again, which repaints them whole, so
// the screen always ends on the latest state. At rates below the frame
// rate every change paints at once.
class RepaintPacer : public QObject
{
    Q_OBJECT

public:
    RepaintPacer(QWidget *window, QList<QWidget *> panels);

    // To be called before the panels change.
    void aboutToChange();

private:
    void showChanges();

    QList<QWidget *> m_panels;
    FrameGate m_gate;
};

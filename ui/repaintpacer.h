// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framegate.h"

#include <QObject>

class QWidget;

// Lets a window repaint at most once per frame of its screen. Ticks may
// come every millisecond, faster than any screen shows them; repainting
// for each would cost more than all the rest of the tick. A change within
// a frame of the last repaint only adds to what is due: the window's
// request to repaint is held back until the frame's end, and then only
// what changed in the meantime is painted, so the screen always ends on
// the latest state. At rates below the frame rate every change paints at
// once. Within a held frame even a widget's repaint() waits for its end.
class RepaintPacer : public QObject
{
    Q_OBJECT

public:
    explicit RepaintPacer(QWidget *window);

    // To be called before the window changes.
    void aboutToChange();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showChanges();

    QWidget *m_window;
    FrameGate m_gate;
    bool m_holding = false;
    bool m_held = false;
};

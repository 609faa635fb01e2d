// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form1.h"

#include <QString>

class SteadyTimer;

// Works the real window as a user would, for the measurements: types into
// its boxes, clicks its buttons, reads its tick counter.
class WindowDriver
{
public:
    WindowDriver();

    Form1 &window() { return m_window; }
    SteadyTimer &timer() const;
    void type(const char *box, const QString &text);
    void click(const char *button);
    long long ticks() const;
    // Starts ticking at one tick a second: running, so that the window
    // paces its writes, yet nearly all ticks are the ones a measurement
    // gives by emitting the timer's timeout itself.
    void startSlowly();

private:
    Form1 m_window;
};

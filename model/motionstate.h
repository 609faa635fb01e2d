// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "value.h"

// The whole memory of the program: the point's motion, the tick count,
// the tick rate and interval, whether ticking is on, and the last status.
struct MotionState
{
    Value x, y;
    Value vx, vy;
    Value ax, ay;
    Value t;
    Value tps;
    Value run;
    Value zt;
    Value tpst;

    MotionState() { restart("就绪"); }

    // Every quantity back to its initial value, with the given status.
    void restart(const std::string &status);

    // The tick timer's interval for the tick rate, in whole milliseconds:
    // a rate so high that it rounds to 0 ms still ticks, as fast as it can.
    int tickInterval() const;

    // One step of motion: velocity first, then position with the new
    // velocity, then the tick count. All or nothing: returns false and
    // changes nothing if a sum would leave the range of a Double.
    bool tick();
};

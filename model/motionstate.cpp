// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "motionstate.h"

#include <algorithm>
#include <cmath>

namespace {
const Value zero = Value::integer(0);
const Value one = Value::integer(1);

bool finite(const Value &v) { return std::isfinite(v.toDouble()); }
}

void MotionState::restart(const std::string &status)
{
    tps = Value::integer(20);
    x = y = vx = vy = ax = ay = t = zero;
    run = zero;
    tpst = Value::integer(50);
    zt = Value::text(status);
}

int MotionState::tickInterval() const
{
    return std::max(1, ToInterval(tpst));
}

bool MotionState::tick()
{
    const Value newVx = Add(vx, ax);
    const Value newVy = Add(vy, ay);
    const Value newX = Add(x, newVx);
    const Value newY = Add(y, newVy);
    const Value newT = Add(t, one);
    if (!finite(newVx) || !finite(newVy) || !finite(newX) || !finite(newY) || !finite(newT))
        return false;
    vx = newVx;
    vy = newVy;
    x = newX;
    y = newY;
    t = newT;
    return true;
}

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mapplace.h"

#include <optional>
#include <string>

struct MotionState;

// What a student who cannot see the map is told of the motion as it
// ticks: the point leaving the map or coming back, and a component of its
// velocity turning, as at the top of a throw. At most one message a
// second: the latest waits for the next tick after that second, nothing
// queues, and a command or a pause drops it. Times are milliseconds.
class MotionNews
{
public:
    static constexpr double spacing = 1000;

    // After a command, at load or at a pause: the motion as it now is,
    // with no news.
    void settle(const MapPlace &place, const MotionState &state);
    // After a tick while ticking goes on.
    void ticked(const MapPlace &place, const MotionState &state);

    // The message to tell now, if one waits and its time has come.
    std::optional<std::string> due(double now);

private:
    MapPlace m_place;
    int m_signX = 0, m_signY = 0; // of the last velocity other than 0
    std::optional<std::string> m_waiting;
    std::optional<double> m_lastTold;
};

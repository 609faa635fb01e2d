// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cmath>

// The tick timer's deadlines, each one interval after the one before, so
// that a late tick comes late instead of being lost: a timer wakes up and
// runs every tick that has come due. After a stall longer than the limit,
// such as a blocked event loop or a hidden browser tab, it counts on from
// now rather than replay the gap. Times are milliseconds of one clock.
class TickSchedule
{
public:
    // How far behind its deadline a tick may fall before the schedule
    // gives up catching up.
    static constexpr double maximumLag = 250;
    // A frame of the screen where its refresh rate is not known.
    static constexpr double defaultFrame = 1000.0 / 60;

    // Interval 0 or less stops the ticks.
    void start(int milliseconds, double now);
    bool isActive() const { return m_interval > 0; }
    int interval() const { return m_interval; }
    double deadline() const { return m_deadline; }
    bool stalled(double now) const { return isActive() && now - m_deadline > maximumLag; }

    // Whether a tick is due now; if so it is counted as run.
    bool tickDue(double now);
    // How long a timer sleeps between wake-ups: the interval, or a frame
    // of the screen where ticks come faster, as what they change shows
    // only once a frame. Each wake-up runs every tick that has come due.
    int wakeInterval(double frame) const { return std::max(m_interval, int(std::ceil(frame))); }

private:
    int m_interval = 0;
    double m_deadline = 0;
};

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tickschedule.h"

#include <functional>
#include <optional>

// When the refresh's writes reach the screen. A command's refresh, and
// the one of the tick that ended ticking, is written at once. While the
// point moves, the marker moves at most once per frame of the screen; the
// labels are rewritten as often, or ten times a second while ticks come
// faster than frames, as a number changing faster cannot be read; and
// what assistive technology is told (names, tool tips, screen-reader
// text) changes once a second, as nobody can listen faster. A write held
// back comes due later and carries the latest state. Times are
// milliseconds of the clock given.
class RefreshSchedule
{
public:
    struct Writes
    {
        bool marker = false;
        bool labels = false;
        bool names = false;
    };

    static constexpr double readableInterval = 100;
    static constexpr double nameInterval = 1000;

    explicit RefreshSchedule(std::function<double()> clock, double frame = TickSchedule::defaultFrame)
        : m_clock(std::move(clock)), m_frame(frame) {}

    void setFrame(double milliseconds) { m_frame = milliseconds; }

    // What a refresh writes now; `ticking` for a tick's refresh while
    // ticking goes on.
    Writes refreshed(bool ticking);
    // What is written at once whatever is held: a closing window's last.
    Writes all();
    // The held writes that have come due.
    Writes due();
    // When the next held write comes due, if one is held.
    std::optional<double> next() const;

private:
    struct Pace
    {
        double written = -1e300;
        double gap = 0;
        bool held = false;
        bool take(double now);
        bool write(double now);
    };

    std::function<double()> m_clock;
    double m_frame;
    double m_lastTick = -1e300;
    double m_tickGap = 1000;
    Pace m_marker, m_labels, m_names;
};

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ticktimer.h"

#include <functional>

// The page's tick timer: absolute deadlines on performance.now(), every tick
// that has come due run at each wake-up (browsers wake timers late, and no
// sooner than every 4 ms), and no replay of a stall longer than 250 ms, such
// as a hidden tab's.
class TickClock : public TickTimer
{
public:
    explicit TickClock(std::function<void()> onTick) : m_onTick(std::move(onTick)) {}
    ~TickClock() override;

    void setInterval(int milliseconds) override;
    bool isActive() const { return m_interval > 0; }

private:
    static void wake(void *clock);
    void runDueTicks();
    void scheduleWake(double now);

    std::function<void()> m_onTick;
    double m_interval = 0;
    double m_deadline = 0;
    long m_wakeUp = 0;
};

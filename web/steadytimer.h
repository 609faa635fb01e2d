// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ticktimer.h"
#include "tickschedule.h"

#include <functional>

// The page's tick timer over the model's tick schedule, on
// performance.now(): browsers wake timers late, and no sooner than every
// 4 ms, so each wake-up runs every tick that has come due.
class SteadyTimer : public TickTimer
{
public:
    explicit SteadyTimer(std::function<void()> onTick) : m_onTick(std::move(onTick)) {}
    ~SteadyTimer() override { setInterval(0); }

    void setInterval(int milliseconds) override;

private:
    static void wake(void *timer);
    void runDueTicks();

    std::function<void()> m_onTick;
    TickSchedule m_schedule;
    long m_wakeUp = 0;
};

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ticktimer.h"
#include "tickschedule.h"

#include <emscripten/html5.h>

#include <functional>

// The page's tick timer over the model's tick schedule, on
// performance.now(): browsers wake timers late, and no sooner than every
// 4 ms, so each wake-up runs every tick that has come due. Where ticks
// come faster than the screen's frames, it wakes once a frame, on the
// browser's frames while the page shows; a hidden page has none, and a
// timer behind them wakes it as a hidden page's timers are woken.
class SteadyTimer : public TickTimer
{
public:
    explicit SteadyTimer(std::function<void()> onTick) : m_onTick(std::move(onTick)) {}
    ~SteadyTimer() override { setInterval(0); }
    void setInterval(int milliseconds) override;
    void catchUp() override;

private:
    static void wake(void *timer);
    static EM_BOOL frame(double, void *timer);
    void runDueTicks();
    void wakeLater(double now);
    void cancel();

    std::function<void()> m_onTick;
    TickSchedule m_schedule;
    long m_wakeUp = 0;
    long m_frameRequest = 0;
};

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steadytimer.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>

void SteadyTimer::setInterval(int milliseconds)
{
    cancel();
    const double now = emscripten_get_now();
    m_schedule.start(milliseconds, now);
    if (m_schedule.isActive())
        wakeLater(now);
}

void SteadyTimer::catchUp()
{
    const double now = emscripten_get_now();
    // A tick may stop the timer.
    while (m_schedule.tickDue(now))
        m_onTick();
}

void SteadyTimer::wake(void *timer)
{
    static_cast<SteadyTimer *>(timer)->runDueTicks();
}

EM_BOOL SteadyTimer::frame(double, void *timer)
{
    static_cast<SteadyTimer *>(timer)->runDueTicks();
    return EM_FALSE;
}

void SteadyTimer::runDueTicks()
{
    cancel();
    catchUp();
    if (m_schedule.isActive() && !m_wakeUp && !m_frameRequest)
        wakeLater(emscripten_get_now());
}

void SteadyTimer::wakeLater(double now)
{
    if (m_schedule.wakeInterval(TickSchedule::defaultFrame) > m_schedule.interval()) {
        m_frameRequest = emscripten_request_animation_frame(&SteadyTimer::frame, this);
        m_wakeUp = emscripten_set_timeout(&SteadyTimer::wake, TickSchedule::maximumLag, this);
    } else {
        m_wakeUp = emscripten_set_timeout(&SteadyTimer::wake, std::max(0.0, m_schedule.deadline() - now), this);
    }
}

void SteadyTimer::cancel()
{
    if (m_wakeUp)
        emscripten_clear_timeout(m_wakeUp);
    if (m_frameRequest)
        emscripten_cancel_animation_frame(m_frameRequest);
    m_wakeUp = m_frameRequest = 0;
}

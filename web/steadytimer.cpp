// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steadytimer.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>

void SteadyTimer::setInterval(int milliseconds)
{
    if (m_wakeUp)
        emscripten_clear_timeout(m_wakeUp);
    m_wakeUp = 0;
    m_schedule.start(milliseconds, emscripten_get_now());
    if (m_schedule.isActive())
        m_wakeUp = emscripten_set_timeout(&SteadyTimer::wake, m_schedule.interval(), this);
}

void SteadyTimer::wake(void *timer)
{
    static_cast<SteadyTimer *>(timer)->runDueTicks();
}

void SteadyTimer::runDueTicks()
{
    m_wakeUp = 0;
    const double now = emscripten_get_now();
    // A tick may stop the timer.
    while (m_schedule.tickDue(now))
        m_onTick();
    if (m_schedule.isActive() && !m_wakeUp)
        m_wakeUp = emscripten_set_timeout(&SteadyTimer::wake, std::max(0.0, m_schedule.deadline() - now), this);
}

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tickclock.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

namespace {

constexpr double maximumLag = 250;

} // namespace

TickClock::~TickClock()
{
    setInterval(0);
}

void TickClock::setInterval(int milliseconds)
{
    if (m_wakeUp)
        emscripten_clear_timeout(m_wakeUp);
    m_wakeUp = 0;
    m_interval = milliseconds > 0 ? milliseconds : 0;
    if (m_interval == 0)
        return;
    const double now = emscripten_get_now();
    m_deadline = now + m_interval;
    scheduleWake(now);
}

void TickClock::wake(void *clock)
{
    auto *self = static_cast<TickClock *>(clock);
    self->m_wakeUp = 0;
    self->runDueTicks();
}

void TickClock::runDueTicks()
{
    const double now = emscripten_get_now();
    if (now - m_deadline > maximumLag)
        m_deadline = now;
    // A tick may stop the timer.
    while (m_interval > 0 && now >= m_deadline) {
        m_deadline += m_interval;
        m_onTick();
    }
    if (m_interval > 0 && !m_wakeUp)
        scheduleWake(now);
}

void TickClock::scheduleWake(double now)
{
    m_wakeUp = emscripten_set_timeout(&TickClock::wake, m_deadline > now ? m_deadline - now : 0, this);
}

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steadytimer.h"

#include <chrono>
#include <cmath>

SteadyTimer::SteadyTimer(QObject *parent)
    : QObject(parent)
{
    m_wakeUp.setTimerType(Qt::PreciseTimer);
    connect(&m_wakeUp, &QTimer::timeout, this, &SteadyTimer::runDueTicks);
}

double SteadyTimer::now()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void SteadyTimer::setInterval(int milliseconds)
{
    // Anchored before the wake-ups start, so that none comes before its deadline.
    m_schedule.start(milliseconds, now());
    if (m_schedule.isActive())
        m_wakeUp.start(m_schedule.wakeInterval(m_frame));
    else
        m_wakeUp.stop();
}

void SteadyTimer::catchUp()
{
    const double now = SteadyTimer::now();
    while (m_schedule.tickDue(now))
        emit timeout();
}

void SteadyTimer::runDueTicks()
{
    const double now = SteadyTimer::now();
    if (now < m_schedule.deadline()) {
        // Some platforms' timers wake a fraction of a millisecond early:
        // one wake-up at the deadline, and the wake-ups go on from there.
        m_wakeUp.start(int(std::ceil(m_schedule.deadline() - now)));
        return;
    }
    if (const int wakeInterval = m_schedule.wakeInterval(m_frame);
        m_schedule.stalled(now) || m_wakeUp.interval() != wakeInterval)
        m_wakeUp.start(wakeInterval);
    // A tick may stop the timer.
    catchUp();
}

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steadytimer.h"

SteadyTimer::SteadyTimer(QObject *parent)
    : QObject(parent)
{
    m_wakeUp.setTimerType(Qt::PreciseTimer);
    connect(&m_wakeUp, &QTimer::timeout, this, &SteadyTimer::runDueTicks);
}

void SteadyTimer::setInterval(int milliseconds)
{
    m_interval = std::chrono::milliseconds(milliseconds > 0 ? milliseconds : 0);
    if (m_interval.count() == 0) {
        m_wakeUp.stop();
        return;
    }
    // Anchored before the wake-ups start, so that none comes before its deadline.
    m_deadline = Clock::now() + m_interval;
    m_wakeUp.start(m_interval);
}

void SteadyTimer::runDueTicks()
{
    const Clock::time_point now = Clock::now();
    if (now < m_deadline) {
        // Some platforms' timers wake a fraction of a millisecond early:
        // one wake-up at the deadline, and the wake-ups go on from there.
        m_wakeUp.start(std::chrono::ceil<std::chrono::milliseconds>(m_deadline - now));
        return;
    }
    const bool stalled = now - m_deadline > maximumLag;
    if (stalled)
        m_deadline = now;
    if (stalled || m_wakeUp.intervalAsDuration() != m_interval)
        m_wakeUp.start(m_interval);
    // A tick may stop the timer.
    while (m_interval.count() > 0 && now >= m_deadline) {
        m_deadline += m_interval;
        emit timeout();
    }
}

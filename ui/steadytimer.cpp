// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steadytimer.h"

SteadyTimer::SteadyTimer(QObject *parent)
    : QObject(parent)
{
    m_wakeUp.setSingleShot(true);
    m_wakeUp.setTimerType(Qt::PreciseTimer);
    connect(&m_wakeUp, &QTimer::timeout, this, &SteadyTimer::fire);
}

void SteadyTimer::setInterval(int milliseconds)
{
    if (milliseconds <= 0) {
        m_interval = {};
        m_wakeUp.stop();
        return;
    }
    m_interval = std::chrono::milliseconds(milliseconds);
    m_deadline = Clock::now() + m_interval;
    waitForDeadline();
}

// Rounded up, so that no tick comes before its deadline.
void SteadyTimer::waitForDeadline()
{
    const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(m_deadline - Clock::now());
    m_wakeUp.start(std::max(remaining, std::chrono::milliseconds(0)));
}

SteadyTimer::Clock::time_point SteadyTimer::nextDeadline(Clock::time_point reached, Clock::time_point now,
                                                        std::chrono::milliseconds interval)
{
    return (now - reached > maximumLag ? now : reached) + interval;
}

void SteadyTimer::fire()
{
    // Some platforms' timers wake a fraction of a millisecond early.
    if (Clock::now() < m_deadline) {
        waitForDeadline();
        return;
    }
    m_deadline = nextDeadline(m_deadline, Clock::now(), m_interval);
    // Armed before the tick runs, so that a tick which stops the timer stays stopped.
    waitForDeadline();
    emit timeout();
}

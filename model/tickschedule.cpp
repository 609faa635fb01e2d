// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tickschedule.h"

void TickSchedule::start(int milliseconds, double now)
{
    m_interval = milliseconds > 0 ? milliseconds : 0;
    m_deadline = now + m_interval;
}

bool TickSchedule::tickDue(double now)
{
    if (!isActive() || now < m_deadline)
        return false;
    if (stalled(now))
        m_deadline = now;
    m_deadline += m_interval;
    return true;
}

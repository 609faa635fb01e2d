// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "refreshschedule.h"

#include <algorithm>

bool RefreshSchedule::Pace::take(double now)
{
    if (now - written >= gap)
        return write(now);
    held = true;
    return false;
}

bool RefreshSchedule::Pace::write(double now)
{
    written = now;
    held = false;
    return true;
}

RefreshSchedule::Writes RefreshSchedule::refreshed(bool ticking)
{
    if (!ticking)
        return all();
    // Timers wake late and then run two ticks at once: the gaps between
    // ticks are averaged over the last few, a long pause counting as a second.
    const double now = m_clock();
    m_tickGap += (std::min(now - m_lastTick, 1000.0) - m_tickGap) / 8;
    m_lastTick = now;
    const bool flood = m_tickGap < m_frame;
    m_marker.gap = m_frame;
    m_labels.gap = flood ? std::max(m_frame, readableInterval) : m_frame;
    m_names.gap = nameInterval;
    Writes writes;
    writes.marker = m_marker.take(now);
    writes.labels = m_labels.take(now);
    writes.names = m_names.take(now);
    return writes;
}

RefreshSchedule::Writes RefreshSchedule::all()
{
    const double now = m_clock();
    return {m_marker.write(now), m_labels.write(now), m_names.write(now)};
}

RefreshSchedule::Writes RefreshSchedule::due()
{
    const double now = m_clock();
    const auto dueNow = [now](Pace &pace) { return pace.held && now - pace.written >= pace.gap && pace.write(now); };
    Writes writes;
    writes.marker = dueNow(m_marker);
    writes.labels = dueNow(m_labels);
    writes.names = dueNow(m_names);
    return writes;
}

std::optional<double> RefreshSchedule::next() const
{
    std::optional<double> earliest;
    for (const Pace *pace : {&m_marker, &m_labels, &m_names}) {
        if (pace->held && (!earliest || pace->written + pace->gap < *earliest))
            earliest = pace->written + pace->gap;
    }
    return earliest;
}

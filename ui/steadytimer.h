// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ticktimer.h"

#include <QObject>
#include <QTimer>

#include <chrono>

// The tick timer keeps absolute deadlines, each one interval after the one
// before, so a late tick comes late instead of being lost. A precise
// QTimer that misses a whole interval re-anchors, and at 1 ms loses a
// tenth of its ticks: here it only wakes this timer up, and each wake-up
// runs every tick that is due, one timeout each. Interval 0 stops it;
// after a long stall it starts afresh rather than replaying the gap.
class SteadyTimer : public QObject, public TickTimer
{
    Q_OBJECT

public:
    explicit SteadyTimer(QObject *parent = nullptr);

    void setInterval(int milliseconds) override;
    int interval() const { return int(m_interval.count()); }
    bool isActive() const { return m_interval.count() > 0; }

    using Clock = std::chrono::steady_clock;

    // How far behind its deadline a tick may fall before the timer gives up
    // catching up and counts on from now.
    static constexpr std::chrono::milliseconds maximumLag{250};

signals:
    void timeout();

private:
    void runDueTicks();

    QTimer m_wakeUp;
    std::chrono::milliseconds m_interval{0};
    Clock::time_point m_deadline;
};

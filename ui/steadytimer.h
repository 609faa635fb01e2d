// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ticktimer.h"
#include "tickschedule.h"

#include <QObject>
#include <QTimer>

// The tick timer over the model's tick schedule. A precise QTimer that
// misses a whole interval re-anchors, and at 1 ms loses a tenth of its
// ticks: here it only wakes this timer up, once a tick or, where ticks
// come faster, once a frame of the screen, and each wake-up runs every
// tick that is due, one timeout each. Interval 0 stops it.
class SteadyTimer : public QObject, public TickTimer
{
    Q_OBJECT

public:
    explicit SteadyTimer(QObject *parent = nullptr);

    void setInterval(int milliseconds) override;
    void catchUp() override;
    void setFrame(double milliseconds) { m_frame = milliseconds; }
    int interval() const { return m_schedule.interval(); }
    bool isActive() const { return m_schedule.isActive(); }
    // The steady clock, in milliseconds.
    static double now();

signals:
    void timeout();

private:
    void runDueTicks();

    QTimer m_wakeUp;
    TickSchedule m_schedule;
    double m_frame = TickSchedule::defaultFrame;
};

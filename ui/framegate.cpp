// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framegate.h"

#include <QScreen>
#include <QWidget>

#include <chrono>

FrameGate::FrameGate(QWidget *onScreen, QObject *parent, std::chrono::nanoseconds floodInterval)
    : QObject(parent)
    , m_onScreen(onScreen)
    , m_floodInterval(floodInterval.count())
{
    m_frameEnd.setSingleShot(true);
    m_frameEnd.setTimerType(Qt::PreciseTimer);
    connect(&m_frameEnd, &QTimer::timeout, this, [this] {
        m_sinceLastPass.start();
        emit frameEnded();
    });
}

qint64 FrameGate::frameNanoseconds() const
{
    const QScreen *screen = m_onScreen->screen();
    const qreal rate = screen && screen->refreshRate() >= 1 ? screen->refreshRate() : 60;
    return qint64(1e9 / rate);
}

bool FrameGate::tryPass()
{
    const qint64 frame = frameNanoseconds();
    const qint64 since = m_sinceLastPass.isValid() ? m_sinceLastPass.nsecsElapsed() : frame;
    const bool flooding = m_sinceLastTry.isValid() && m_sinceLastTry.nsecsElapsed() < frame;
    m_sinceLastTry.start();
    const qint64 interval = flooding ? std::max(frame, m_floodInterval) : frame;
    if (since >= interval) {
        m_frameEnd.stop();
        m_sinceLastPass.start();
        return true;
    }
    if (!m_frameEnd.isActive())
        m_frameEnd.start(std::chrono::ceil<std::chrono::milliseconds>(std::chrono::nanoseconds(interval - since)));
    return false;
}

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "repaintpacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

RepaintPacer::RepaintPacer(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_gate(window)
{
    connect(&m_gate, &FrameGate::frameEnded, this, &RepaintPacer::showChanges);
    window->installEventFilter(this);
}

void RepaintPacer::aboutToChange()
{
    if (m_gate.tryPass())
        showChanges();
    else
        m_holding = true;
}

// Widgets only mark what they need repainted; the window paints all of it
// when it receives an update request, and asks for none while one is due.
bool RepaintPacer::eventFilter(QObject *watched, QEvent *event)
{
    if (m_holding && watched == m_window && event->type() == QEvent::UpdateRequest) {
        m_held = true;
        return true;
    }
    return false;
}

void RepaintPacer::showChanges()
{
    m_holding = false;
    if (m_held) {
        m_held = false;
        QCoreApplication::postEvent(m_window, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    }
}

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "repaintpacer.h"

#include <QWidget>

RepaintPacer::RepaintPacer(QWidget *window, QList<QWidget *> panels)
    : QObject(window)
    , m_panels(std::move(panels))
    , m_gate(window)
{
    connect(&m_gate, &FrameGate::frameEnded, this, &RepaintPacer::showChanges);
}

void RepaintPacer::aboutToChange()
{
    if (m_gate.tryPass()) {
        showChanges();
        return;
    }
    for (QWidget *panel : std::as_const(m_panels))
        panel->setUpdatesEnabled(false);
}

// Switching updates back on repaints a panel whole.
void RepaintPacer::showChanges()
{
    for (QWidget *panel : std::as_const(m_panels)) {
        if (!panel->updatesEnabled())
            panel->setUpdatesEnabled(true);
    }
}

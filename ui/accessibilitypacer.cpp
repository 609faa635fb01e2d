// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibilitypacer.h"

#include "framegate.h"

#include <QWidget>

AccessibilityPacer *AccessibilityPacer::s_installed = nullptr;

namespace {
// A screen reader reads each new caption back: about 35 µs of the
// program's time, twice over the accessibility bus. Ten captions a second
// per label is more than anyone can listen to.
constexpr std::chrono::milliseconds floodInterval(100);
}

AccessibilityPacer::AccessibilityPacer(QWidget *window, const QList<QWidget *> &labels)
    : QObject(window)
{
    for (QWidget *label : labels) {
        auto *gate = new FrameGate(window, this, floodInterval);
        connect(gate, &FrameGate::frameEnded, this, [this, label] { announce(label); });
        m_gates.insert(label, gate);
    }
    m_previousHandler = QAccessible::installUpdateHandler(&AccessibilityPacer::handleUpdate);
    m_previousPacer = s_installed;
    s_installed = this;
}

AccessibilityPacer::~AccessibilityPacer()
{
    if (s_installed == this) {
        QAccessible::installUpdateHandler(m_previousHandler);
        s_installed = m_previousPacer;
        return;
    }
    for (AccessibilityPacer *later = s_installed; later; later = later->m_previousPacer) {
        if (later->m_previousPacer == this) {
            if (later->m_previousHandler == &AccessibilityPacer::handleUpdate)
                later->m_previousHandler = m_previousHandler;
            later->m_previousPacer = m_previousPacer;
            return;
        }
    }
}

void AccessibilityPacer::handleUpdate(QAccessibleEvent *event)
{
    if (s_installed)
        s_installed->handle(event);
}

void AccessibilityPacer::handle(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::NameChanged) {
        if (FrameGate *gate = m_gates.value(event->object())) {
            if (gate->tryPass())
                forward(event);
            return;
        }
    }
    forward(event);
}

// With no handler of its own before, Qt hands an event to the platform's
// accessibility bridge; with this one out of the way for the moment, it
// does that again.
void AccessibilityPacer::forward(QAccessibleEvent *event)
{
    if (m_previousHandler == &AccessibilityPacer::handleUpdate) {
        m_previousPacer->handle(event);
        return;
    }
    if (m_previousHandler) {
        m_previousHandler(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&AccessibilityPacer::handleUpdate);
}

void AccessibilityPacer::announce(QObject *label)
{
    QAccessibleEvent event(label, QAccessible::NameChanged);
    forward(&event);
}

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QHash>
#include <QObject>

class FrameGate;
class QWidget;

// Tells assistive technology of a label's new caption at most once per
// frame of the screen, and while the label changes faster than that, at
// most ten times a second; the last time always with the latest caption.
// At a thousand ticks a second a screen reader could not follow every
// change, and the traffic alone would cost the program a fifth of a core.
// A label that changes more slowly than the screen's frames is announced
// at every change, at once. What a client reads of a label itself is
// always exact; only the notifications are paced. Every other
// accessibility event passes unchanged. The pacers of several windows
// chain, each handing on what is not its own to the one before.
class AccessibilityPacer : public QObject
{
    Q_OBJECT

public:
    explicit AccessibilityPacer(QWidget *window, const QList<QWidget *> &labels);
    ~AccessibilityPacer() override;

private:
    static void handleUpdate(QAccessibleEvent *event);
    void handle(QAccessibleEvent *event);
    void forward(QAccessibleEvent *event);
    void announce(QObject *label);

    static AccessibilityPacer *s_installed;
    QAccessible::UpdateHandler m_previousHandler = nullptr;
    AccessibilityPacer *m_previousPacer = nullptr;
    QHash<QObject *, FrameGate *> m_gates;
};

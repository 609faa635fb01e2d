// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Tells a screen reader each message as it happens, and shows
// nothing: a widget of no size whose accessible role is a notification,
// shown again with each message. Screen readers speak a notification that
// appears, where they pass over a label whose text changes. It also keeps
// the description of the window's run button, Command1, the run state, and
// sets up what assistive technology is told of the window: made before the
// window's controls, as Qt keeps the first interface it makes for each.
class AccessibleAnnouncer : public QWidget
{
    Q_OBJECT

public:
    explicit AccessibleAnnouncer(QWidget *window);

    void announce(const QString &message, const QString &runState);
};

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Tells a screen reader of a message as it happens, and shows nothing: a
// widget of no size whose accessible role is a notification, shown
// again with each message. Screen readers speak a notification that
// appears, where they pass over a label whose text changes.
class AccessibleAnnouncer : public QWidget
{
    Q_OBJECT

public:
    explicit AccessibleAnnouncer(QWidget *parent);

    void announce(const QString &message);
};

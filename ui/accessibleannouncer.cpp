// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibleannouncer.h"

AccessibleAnnouncer::AccessibleAnnouncer(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void AccessibleAnnouncer::announce(const QString &message)
{
    setAccessibleName(message);
    hide();
    show();
}

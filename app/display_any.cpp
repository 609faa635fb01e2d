// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startupchecks.h"

// Windows always has its display.
bool displayReachable(const QStringList &)
{
    return true;
}

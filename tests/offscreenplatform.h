// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// For the tools, tests and measurements that run the window without a
// screen: Qt's offscreen platform, unless the environment names another.
// Call before the QApplication is made.
inline void useOffscreenPlatformUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

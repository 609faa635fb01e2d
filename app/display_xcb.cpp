// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startupchecks.h"

#include <QByteArray>

#include <xcb/xcb.h>

// Only where Qt would take the X display: another platform asked for, or a
// Wayland session, is left to Qt.
bool displayReachable(const QStringList &arguments)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (arguments.contains(QStringLiteral("-platform")) || (!platform.isEmpty() && !platform.startsWith("xcb"))
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return true;
    const qsizetype named = arguments.indexOf(QStringLiteral("-display"));
    const QByteArray display = named > 0 && named + 1 < arguments.size() ? arguments[named + 1].toLocal8Bit()
                                                                         : QByteArray();
    xcb_connection_t *connection = xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reached;
}

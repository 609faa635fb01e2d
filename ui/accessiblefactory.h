// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>

class QWidget;

// What assistive technology is told of the window beyond Qt's defaults:
// a widget given a role here has that role, whatever its class, and on a
// Qt whose text boxes hang on some questions, the boxes answer every one.
// Installed once by main, after the application object and before any
// window exists, as Qt keeps the first interface it makes for each widget.
void installAccessibleFactory();

// Given before the widget has a text, as a widget that gets one is asked
// for its interface at once.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

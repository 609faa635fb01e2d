// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What assistive technology is told of the window beyond Qt's defaults:
// the window is a frame with a title, the status label is its status bar,
// the announcer is a notification, and the text boxes answer every
// question about their text. Installed once, after the application object
// exists, as Qt asks the factory installed last first.
void installAccessibleFactory();

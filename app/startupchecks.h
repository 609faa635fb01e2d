// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <optional>

// What is answered or refused before the window exists: --help and
// --version, and a display that cannot be reached. Returns the exit status
// when the program ends there.
std::optional<int> answerBeforeWindow(int argc, char *argv[]);

// Whether the display Qt is about to use can be reached: Qt itself ends the
// program with abort() when it cannot.
bool displayReachable(const QStringList &arguments);

// One line on standard error when no installed font draws Chinese: the
// window then shows empty boxes for every caption.
void warnWithoutChineseFont();

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

// The program's icon: a tilted white window with a cyan title bar and a
// grey shadow, at 32 × 32 in 16 colours and in 2 colours, and at 16 × 16.
QList<QImage> programIconImages();
QIcon programIcon();

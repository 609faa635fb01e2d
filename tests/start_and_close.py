# SPDX-FileCopyrightText: 2026 Torvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Starts Torvane, waits for its window to show, closes it, and checks a
clean, silent exit."""

import sys

from desktop import close_window, finish, start

torvane = start(sys.argv[1])
close_window()
finish(torvane)
print("the window showed and closed cleanly")

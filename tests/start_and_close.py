# SPDX-FileCopyrightText: 2026 Torvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Starts Torvane, waits for its window to show, checks that its window
class is the one its desktop entry names (StartupWMClass), closes it, and
checks a clean, silent exit."""

import sys

from desktop import close_window, finish, shown_window, start, wait_for

program, window_class = sys.argv[1:3]
torvane = start(program)
_, window = wait_for("the window", shown_window)
assert window.get_wm_class()[1] == window_class, f"WM_CLASS {window.get_wm_class()}, desktop entry {window_class}"
close_window()
finish(torvane)
print("the window showed and closed cleanly")

# SPDX-FileCopyrightText: 2026 Torvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the desktop tests share: starting Torvane on the X display, waiting,
and closing its window as a window manager does."""

import os
import subprocess
import sys
import time

from Xlib import X, display, protocol

TIMEOUT = 30
TITLE = "Torvane"


def wait_for(what, find, describe=None):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"timed out waiting for {what}" + (f"; found {describe()}" if describe else ""))


def start(program):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    return subprocess.Popen([program], env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def shown_window():
    x = display.Display()
    for window in x.screen().root.query_tree().children:
        if window.get_wm_name() == TITLE and window.get_attributes().map_state == X.IsViewable:
            return x, window
    return None


def close_window():
    x, window = wait_for("the window", shown_window)
    atoms = [x.intern_atom(name) for name in ("WM_PROTOCOLS", "WM_DELETE_WINDOW")]
    event = protocol.event.ClientMessage(window=window, client_type=atoms[0],
                                         data=(32, [atoms[1], X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    x.flush()


def finish(torvane, tolerated=()):
    """Waits for the program to end; it must end with code 0 having printed
    nothing but lines that begin with one of the tolerated prefixes."""
    try:
        out, err = torvane.communicate(timeout=TIMEOUT)
    finally:
        if torvane.poll() is None:
            torvane.kill()
    assert torvane.returncode == 0, f"exit code {torvane.returncode}"
    printed = [line for line in (out + err).decode(errors="replace").splitlines()
               if not line.startswith(tuple(tolerated))]
    assert not printed, f"printed: {printed!r}"

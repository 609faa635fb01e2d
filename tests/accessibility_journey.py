# SPDX-FileCopyrightText: 2026 Torvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives Torvane through the accessibility bus as a screen reader would:
reads the labels, presses buttons and fills text boxes, checking every
label after each press; listens to the name changes as a screen reader
does, and checks that while ticking at 1000 ticks a second they come about
once a second per label, and at the pause with the last tick; looks at the
status label on the screen; then closes the window as a window manager
does and checks that the program ends cleanly and silently. The first part
of orca_journey.py, which runs it under Xvfb inside its own D-Bus session."""

import os
import subprocess
import sys
import time
from collections import Counter

import pyatspi
from gi.repository import GLib
from Xlib import X

from desktop import close_window, finish, shown_window, start, wait_for

PREFIXES = ["TPS", "坐标x", "坐标y", "速度x", "速度y", "加速度x", "加速度y", "当前时间刻", "当前状态"]
LISTENING_SECONDS = 3


def application(pid):
    # Asked afresh each time: a cached list of applications can miss one
    # that joined the bus while the list was being read.
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.clearCache()
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def named(root, role, name):
    return pyatspi.findDescendant(root, lambda node: node.getRole() == role and node.name == name)


def labels(app):
    """The nine data labels' names, by the prefix before their colon; the
    last of them, the window's status bar, is named by the whole state,
    of which only the status counts here, as it is spoken."""
    shown = {}
    roles = (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATUS_BAR)
    for node in pyatspi.findAllDescendants(app, lambda node: node.getRole() in roles):
        name = node.name or ""
        if node.getRole() == pyatspi.ROLE_STATUS_BAR:
            name = "当前状态:" + name.partition("当前状态 ")[2].partition("，TPS ")[0]
        prefix, colon, _ = name.partition(":")
        if colon and prefix in PREFIXES:
            shown[prefix] = name
    return shown


def press(app, caption):
    button = named(app, pyatspi.ROLE_PUSH_BUTTON, caption)
    assert button is not None, f"no button named {caption}"
    action = button.queryAction()
    action.doAction(next(i for i in range(action.nActions) if action.getName(i) == "Press"))


def fill(app, box_name, text):
    """Types over what the box holds, as a user does."""
    box = named(app, pyatspi.ROLE_TEXT, box_name)
    assert box is not None, f"no text box named {box_name}"
    subprocess.run(["xdotool", "search", "--name", "^Torvane$", "windowfocus", "--sync"], check=True)
    box.queryComponent().grabFocus()
    wait_for(f"{box_name} focused", lambda: box.getState().contains(pyatspi.STATE_FOCUSED))
    subprocess.run(["xdotool", "key", "ctrl+a", "BackSpace"], check=True)
    if text:
        subprocess.run(["xdotool", "type", "--", text], check=True)
    wait_for(f"{box_name} to hold {text!r}", lambda: box.queryText().getText(0, -1) == text)


def expect_after(app, caption, before, changes):
    """Presses a button; then every label must show what it did before
    except the changes, and those exactly."""
    press(app, caption)
    expected = dict(before, **{prefix: f"{prefix}:{text}" for prefix, text in changes.items()})
    wait_for(f"the labels after {caption}", lambda: labels(app) == expected, lambda: labels(app))
    return expected


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rpartition(")")[2].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.005)


def status_lines_on_screen():
    """Rows of the status label's box that hold dark (text) pixels, and
    whether any text pixel lies just below the box, inside its panel."""
    _, window = shown_window()
    # The status label: 8 px into the data panel, itself 8 px into the window.
    left, top, width, height = 16, 104, 161, 25
    image = window.get_image(left, top, width, height + 6, X.ZPixmap, 0xFFFFFFFF)
    dark_rows = set()
    for row in range(height + 6):
        for column in range(width):
            b, g, r = image.data[(row * width + column) * 4:(row * width + column) * 4 + 3]
            if r + g + b < 300:
                dark_rows.add(row)
    return dark_rows, height


def check_status_on_screen():
    def both_lines_inside():
        rows, height = status_lines_on_screen()
        gaps = [row for row in range(1, height - 1) if row not in rows and row - 1 in rows]
        return (any(row in rows for row in range(height // 2)) and any(row in rows for row in range(height // 2, height))
                and gaps and not any(row >= height for row in rows))
    wait_for("two status lines inside their box", both_lines_inside, status_lines_on_screen)


def check_names_while_ticking(app):
    """While ticking at 1000 ticks a second a screen reader hears of each
    changing number about once a second, and at the pause of the last tick."""
    heard = Counter()
    last = {}

    def listen(event):
        prefix = (event.source_name or "").partition(":")[0]
        heard[prefix] += 1
        last[prefix] = event.source_name

    pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name")
    try:
        press(app, "开始或暂停")
        wait_for("ticking", lambda: labels(app)["当前状态"] == "当前状态:运行中")
        pump(0.5)
        heard.clear()
        pump(LISTENING_SECONDS)
        counted = Counter(heard)
        press(app, "开始或暂停")
        wait_for("the pause", lambda: labels(app)["当前状态"] == "当前状态:已暂停")
        wait_for("the last tick announced", lambda: (pump(0.1), last.get("当前时间刻") == labels(app)["当前时间刻"])[1],
                 lambda: (last.get("当前时间刻"), labels(app)["当前时间刻"]))
    finally:
        pyatspi.Registry.deregisterEventListener(listen, "object:property-change:accessible-name")
    print(f"at 1000 TPS: {dict(counted)} name changes in {LISTENING_SECONDS} s")
    assert counted["当前时间刻"] > 0, "no name changes heard while ticking"
    assert all(count <= 1.5 * LISTENING_SECONDS for count in counted.values()), counted


BOUNDARIES = {pyatspi.TEXT_BOUNDARY_CHAR: "char", pyatspi.TEXT_BOUNDARY_WORD_START: "word",
              pyatspi.TEXT_BOUNDARY_WORD_END: "word", pyatspi.TEXT_BOUNDARY_SENTENCE_START: "line",
              pyatspi.TEXT_BOUNDARY_SENTENCE_END: "line", pyatspi.TEXT_BOUNDARY_LINE_START: "line",
              pyatspi.TEXT_BOUNDARY_LINE_END: "line"}


def expected_unit(text, offset, unit):
    """The character at an offset, or the whole text: a box holds one number."""
    return text[offset:offset + 1] if unit == "char" else text


def check_text_boundaries(app):
    """Every question about a box's text, at every offset including its end,
    answers within a second, and rightly; the whole text is one run of
    attributes."""
    box = named(app, pyatspi.ROLE_TEXT, "坐标x")
    for text in ["20", "abc", "12.9", "-1 25", ""]:
        fill(app, "坐标x", text)
        reader = box.queryText()
        for offset in range(len(text) + 1):
            for boundary, unit in BOUNDARIES.items():
                started = time.monotonic()
                at = reader.getTextAtOffset(offset, boundary)
                reader.getTextBeforeOffset(offset, boundary)
                reader.getTextAfterOffset(offset, boundary)
                seconds = time.monotonic() - started
                assert seconds < 1, f"{text!r} at {offset}, {boundary}: {seconds:.1f} s"
                assert at[0] == expected_unit(text, offset, unit), (text, offset, boundary, at)
            attributes = reader.getAttributeRun(offset, False)
            assert (attributes[1], attributes[2]) == (0, len(text)), (text, offset, attributes)


def main(program):
    torvane = start(program)
    try:
        app = wait_for("Torvane on the accessibility bus", lambda: application(torvane.pid),
                       lambda: [(a.name, a.get_process_id()) for a in pyatspi.Registry.getDesktop(0) if a])
        wait_for("the status label", lambda: "当前状态" in labels(app))
        shown = labels(app)
        assert shown["当前状态"] == "当前状态:就绪", shown

        shown = expect_after(app, "ax 加 1", shown, {"加速度x": " 1", "当前状态": "ax 加 1"})
        shown = expect_after(app, "ax 加 1，ay 加 1", shown, {"加速度x": " 2", "加速度y": " 1", "当前状态": "ay 加 1 ax 加 1"})
        fill(app, "坐标x", "12345678")
        shown = expect_after(app, "将坐标设置为", shown, {"坐标x": " 12345678", "当前状态": "将坐标设置为 x 12345678，y 0"})
        check_status_on_screen()
        fill(app, "TPS", "1000")
        shown = expect_after(app, "将TPS设为", shown, {"TPS": " 1000"})
        shown = expect_after(app, "回原点", shown, {"坐标x": " 0", "当前状态": "已回原点"})

        pyatspi.setTimeout(1000, 1000)
        check_text_boundaries(app)
        fill(app, "坐标x", "0")
        marker = pyatspi.findDescendant(app, lambda node: node.name == "运动点，地图中央")
        assert marker is not None, "the marker has no accessible name"

        check_names_while_ticking(app)
        press(app, "开始或暂停")
        wait_for("ticking", lambda: labels(app)["当前状态"] == "当前状态:运行中")
        close_window()
    except BaseException:
        torvane.kill()
        raise
    finish(torvane)
    print("accessibility journey passed")


if __name__ == "__main__":
    main(sys.argv[1])

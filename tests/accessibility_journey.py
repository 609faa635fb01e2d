"""Drives Torvane through the accessibility bus as a screen reader would:
reads a label, presses a button, fills a text box; then closes the window
as a window manager does and checks that the program ends cleanly and
silently. Runs under Xvfb inside its own D-Bus session."""

import sys

import pyatspi

from desktop import close_window, finish, start, wait_for


def application(pid):
    # Asked afresh each time: a cached list of applications can miss one
    # that joined the bus while the list was being read.
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.clearCache()
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def descendant(root, role, name_starts):
    return pyatspi.findDescendant(
        root, lambda node: node.getRole() == role and (node.name or "").startswith(name_starts))


def label_text(app, prefix):
    label = descendant(app, pyatspi.ROLE_LABEL, prefix)
    return label.name if label else None


def press(app, caption):
    button = descendant(app, pyatspi.ROLE_PUSH_BUTTON, caption)
    action = button.queryAction()
    action.doAction(next(i for i in range(action.nActions) if action.getName(i) == "Press"))


def main(program):
    torvane = start(program)
    try:
        app = wait_for("Torvane on the accessibility bus", lambda: application(torvane.pid),
                       lambda: [(a.name, a.get_process_id()) for a in pyatspi.Registry.getDesktop(0) if a])
        wait_for("the status label", lambda: label_text(app, "当前状态:"))
        assert label_text(app, "当前状态:") == "当前状态:就绪", label_text(app, "当前状态:")

        press(app, "ax+1")
        wait_for("the nudged acceleration", lambda: label_text(app, "加速度x:") == "加速度x: 1")

        box = descendant(app, pyatspi.ROLE_TEXT, "坐标x")
        assert box is not None, "no text box named 坐标x"
        box.queryEditableText().setTextContents("150")
        press(app, "将坐标设置为")
        wait_for("the typed position", lambda: label_text(app, "坐标x:") == "坐标x: 150")
        assert label_text(app, "当前状态:") == "当前状态:将坐标设置为x150y0"

        marker = pyatspi.findDescendant(app, lambda node: node.name == "运动点标记")
        assert marker is not None, "the marker has no accessible name"

        press(app, "开始/暂停")
        wait_for("ticking", lambda: label_text(app, "当前状态:") == "当前状态:运行中")
        close_window()
    except BaseException:
        torvane.kill()
        raise
    finish(torvane)
    print("accessibility journey passed")


if __name__ == "__main__":
    main(sys.argv[1])

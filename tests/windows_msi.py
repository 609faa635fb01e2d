# SPDX-FileCopyrightText: 2026 Torvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The MSI package as school IT uses it, under Wine: a silent per-machine
installation puts Torvane under Program Files, an entry with its name,
publisher and version among the installed programs and a shortcut in the
Start menu, described in Chinese, which starts the window; a silent
uninstallation leaves no file under Program Files and no shortcut."""

import os
import subprocess
import sys

from desktop import close_window, shown_window, wait_for


def main(msi, wine):
    drive = os.path.join(os.environ["WINEPREFIX"], "drive_c")
    folder = os.path.join(drive, "Program Files", "Torvane")
    # Wine puts a per-machine shortcut into the user's Start menu.
    menus = [os.path.join(drive, "ProgramData"), os.path.join(drive, "users", os.environ.get("USER", "root"), "AppData", "Roaming")]
    shortcuts = [os.path.join(menu, "Microsoft", "Windows", "Start Menu", "Programs", "Torvane.lnk") for menu in menus]
    env = dict(os.environ, WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml=")
    msiexec = lambda option: subprocess.run([wine, "msiexec", option, msi, "/qn"], env=env, check=True)

    msiexec("/i")
    assert os.path.isfile(os.path.join(folder, "torvane.exe")), os.listdir(drive)
    assert os.path.isfile(os.path.join(folder, "README.txt")), os.listdir(folder)
    programs = subprocess.run([wine, "reg", "query", r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall", "/s"],
                              env=env, capture_output=True, text=True, check=True).stdout
    for expected in ["Torvane", "Torvane developers", "1.0.1"]:
        assert expected in programs, f"no {expected} among the installed programs"
    shortcut = next(path for path in shortcuts if os.path.exists(path))
    with open(shortcut, "rb") as link:
        target = link.read()
    assert "Torvane\\torvane.exe".encode("utf-16-le") in target or b"Torvane\\torvane.exe" in target, target
    assert "演示二维匀加速运动".encode("utf-16-le") in target, "the shortcut's description is not the Chinese one"

    subprocess.run([wine, "start", "/unix", shortcut], env=env, check=True)
    wait_for("the window titled Torvane, started from the shortcut", shown_window)
    close_window()
    subprocess.run(["/usr/lib/wine/wineserver", "-w"], env=env, timeout=60, check=True)

    msiexec("/x")
    left = [os.path.join(path, name) for path, _, names in os.walk(folder) for name in names]
    assert not left and not os.path.exists(shortcut), f"left behind: {left}, {os.path.exists(shortcut)}"
    print("windows_msi: 1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])

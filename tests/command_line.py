# SPDX-FileCopyrightText: 2026 Torvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""torvane from a terminal: --version and --help answer without a display;
with no display, or one that cannot be reached, one line and status 1
instead of Qt's abort; with no font for Chinese, one line naming the font
and its package, and the window still starts."""

import os
import re
import subprocess
import sys
import tempfile
import time


def run(program, *arguments, **environment):
    env = {key: value for key, value in os.environ.items()
           if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env.update(environment)
    return subprocess.run([program, *arguments], env=env, capture_output=True, text=True, timeout=30)


def main(program):
    version = run(program, "--version")
    assert (version.returncode, version.stdout, version.stderr) == (0, "torvane 1.01\n", ""), version
    shown = run(program, "--help")
    assert shown.returncode == 0 and "--version" in shown.stdout and "torvane" in shown.stdout, shown
    english = [line for line in shown.stdout.splitlines() if line.strip() and not re.search("[\u4e00-\u9fff]", line)]
    assert not english, f"lines wholly in English: {english}"

    for environment in ({}, {"DISPLAY": ":93"}):
        refused = run(program, "-reverse", **environment)
        assert refused.returncode == 1, refused
        assert refused.stderr.count("\n") == 1 and "DISPLAY" in refused.stderr, refused.stderr

    # A fontconfig that knows no font at all.
    folder = tempfile.mkdtemp()
    with open(os.path.join(folder, "fonts.conf"), "w") as conf:
        conf.write(f"<fontconfig><cachedir>{folder}</cachedir></fontconfig>")
    env = dict(os.environ, FONTCONFIG_FILE=os.path.join(folder, "fonts.conf"), QT_QPA_PLATFORM="offscreen",
               XDG_RUNTIME_DIR=folder)
    torvane = subprocess.Popen([program], env=env, stderr=subprocess.PIPE, text=True)
    try:
        line = torvane.stderr.readline()
        time.sleep(1)
        assert torvane.poll() is None, "Torvane did not go on without a font"
    finally:
        torvane.kill()
        torvane.wait()
    assert "fonts-wqy-microhei" in line, line
    print("command_line: 4 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])

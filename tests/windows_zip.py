# SPDX-FileCopyrightText: 2026 Torvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the portable Windows zip: it holds torvane.exe, the README, the
licence texts and the source; the .exe imports only Windows' own DLLs and
carries its version resource. Then copies torvane.exe alone into an empty
folder and starts it from there under Wine, on the X display it is given:
the window titled Torvane must appear, a click on the start button through
real X input must set the tick counter moving (seen on the screen), and
closing the window as a window manager does must end the program with code
0. Saves a picture of the window when a path is given."""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zipfile
import zlib

from Xlib import X
from Xlib.ext import xtest

from desktop import close_window, shown_window, wait_for

# Places in the window's client area, in pixels: the start button, and the
# tick counter's label (data panel at 8, 8; label at 8, 80 inside it).
START_BUTTON = (8 + 8 + 80, 144 + 16 + 20)
TICK_LABEL = (16, 88, 161, 17)


def pixels(window, box):
    left, top, width, height = box
    return window.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF).data


def save_png(window, path):
    geometry = window.get_geometry()
    data = pixels(window, (0, 0, geometry.width, geometry.height))
    rows = b"".join(
        b"\0" + bytes(channel for i in range(row * geometry.width, (row + 1) * geometry.width)
                      for channel in (data[4 * i + 2], data[4 * i + 1], data[4 * i]))
        for row in range(geometry.height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    with open(path, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", geometry.width, geometry.height, 8, 2, 0, 0, 0))
                  + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def click(x, window, point):
    origin = window.translate_coords(x.screen().root, 0, 0)
    xtest.fake_input(x, X.MotionNotify, x=-origin.x + point[0], y=-origin.y + point[1])
    xtest.fake_input(x, X.ButtonPress, 1)
    xtest.fake_input(x, X.ButtonRelease, 1)
    x.sync()


def check_contents(archive):
    with zipfile.ZipFile(archive) as unpacked:
        names = {name.split("/", 1)[1] for name in unpacked.namelist()}
        for expected in ["torvane.exe", "README.txt", "licenses/Torvane-GPL-3.0-or-later.txt", "licenses/Qt-LGPL-3.0.txt",
                         "licenses/Qt-GPL-3.0.txt", "licenses/GCC-runtime-library-exception-3.1.txt",
                         "licenses/mingw-w64-runtime-copyright.txt", "licenses/Qt-copyright.txt"]:
            assert expected in names, f"{expected} missing from the zip"
        assert any(name.startswith("source/torvane-") for name in names), "no source in the zip"
        assert not [name for name in names if name.lower().endswith(".dll")], names
        (top,) = {name.split("/", 1)[0] for name in unpacked.namelist()}
        # For a teacher, in both languages: the unsigned program's warning, the units, the projector.
        readme = unpacked.read(f"{top}/README.txt").decode("utf-8")
        for words in ["仍要运行", "Run anyway", "单位", "units", "投影仪", "projector", "1830", "Chromebook", "1.0.1"]:
            assert words in readme, f"README.txt says nothing of {words}"
        return unpacked.read(f"{top}/torvane.exe")


def check_imports(program):
    """Every DLL the program imports is one of Windows' own: an API set, or
    a DLL Wine has in its system folder; none is Qt's or the compiler's."""
    dump = subprocess.run([shutil.which("x86_64-w64-mingw32-objdump"), "-p", program], capture_output=True, text=True,
                          check=True).stdout
    imports = [line.split(":", 1)[1].strip() for line in dump.splitlines() if "DLL Name:" in line]
    system = {name.lower() for name in os.listdir(os.path.join(os.environ["WINEPREFIX"], "drive_c/windows/system32"))}
    foreign = [name for name in imports if name.lower().startswith(("qt", "lib"))
               or not (name.lower() in system or name.lower().startswith("api-ms-win-"))]
    assert imports and not foreign, f"imports besides Windows' own DLLs: {foreign}"


def check_version(exe, release):
    major, minor = release.split(".")
    fixed = exe.index(struct.pack("<I", 0xFEEF04BD))
    most, least = struct.unpack_from("<II", exe, fixed + 8)
    version = f"{most >> 16}.{most & 0xFFFF}.{least >> 16}.{least & 0xFFFF}"
    assert version == f"{major}.{minor[0]}.{minor[1]}.0", f"numeric file version {version}"
    for key, value in [("CompanyName", "Torvane developers"), ("LegalCopyright", "Torvane developers"),
                       ("FileVersion", release), ("ProductVersion", release), ("ProductName", "Torvane")]:
        assert key.encode("utf-16-le") in exe and value.encode("utf-16-le") in exe, f"no {key} {value}"


def main(archive, wine, picture=None):
    exe = check_contents(archive)
    check_version(exe, os.path.basename(archive).split("-")[1])
    # Alone in an empty folder, with nothing on Wine's search path.
    program = os.path.join(tempfile.mkdtemp(), "torvane.exe")
    with open(program, "wb") as copy:
        copy.write(exe)
    check_imports(program)
    env = {key: value for key, value in os.environ.items() if key != "WINEPATH" and not key.startswith(("WINEQT_", "QT_"))}
    torvane = subprocess.Popen([wine, program], cwd=os.path.dirname(program), env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        x, window = wait_for("the window titled Torvane", shown_window)
        wait_for("the window drawn", lambda: len(set(pixels(window, TICK_LABEL))) > 2)
        time.sleep(0.5)
        before = pixels(window, TICK_LABEL)
        time.sleep(0.5)
        assert pixels(window, TICK_LABEL) == before, "the tick counter changed before the start"
        click(x, window, START_BUTTON)
        wait_for("the tick counter moving", lambda: pixels(window, TICK_LABEL) != before)
        if picture:
            time.sleep(2)
            save_png(window, picture)
        close_window()
        code = torvane.wait(timeout=60)
    finally:
        if torvane.poll() is None:
            torvane.kill()
    assert code == 0, f"exit code {code}"
    print("torvane.exe from the Windows zip started alone, ticked and closed cleanly under Wine")
    print("windows_zip: 1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])

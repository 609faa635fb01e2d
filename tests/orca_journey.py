# SPDX-FileCopyrightText: 2026 Torvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A blind student's journey, on the desktop first through the
accessibility bus alone (accessibility_journey.py), then with Orca, the
screen reader. Orca runs with
speech-dispatcher, whose one output module writes each utterance to a file
instead of speaking it, and the journey works Torvane with the keyboard
alone and checks what Orca says. It Tabs through the controls, starts and
pauses, types a bad entry, drives an overflow, asks for the window's title
and its status bar, hears a throw; every new status must be spoken within
a second. Orca speaks Chinese, in zh_CN.UTF-8 (made here), to the one voice,
a Chinese one, of the logging module.
Runs under Xvfb inside its own D-Bus session; exits 77 (skipped) where
another Orca of this user runs, as Orca then refuses to start. What Orca
costs is measured by bench/orca_cpu.py, which starts Orca the same way."""

import os
import re
import subprocess
import sys
import tempfile
import time

import accessibility_journey
from accessibility_journey import application
from desktop import close_window, finish, start, wait_for

SPOKEN_WITHIN = 1.0
# What Orca in Chinese says of a role after a control's name.
BUTTON, TEXT, ENTRY = " 按钮", " 文本", " 输入"
SPEECHD_CONF = """AddModule "logfile" "sd_generic" "logfile.conf"
DefaultModule logfile
AudioOutputMethod "alsa"
AudioALSADevice "null"
"""
MODULE_CONF = """GenericExecuteSynth "echo \\"$DATA\\" >> {log}"
GenericLanguage "zh" "zh" "utf-8"
AddVoice "zh" "MALE1" "zh"
"""


class Speech:
    """What Orca has said, utterance by utterance, from the log file."""

    def __init__(self, log):
        self.log = log
        self.heard = 0
        # What Orca says before a message: a notification on the desktop,
        # nothing for a live region on the page.
        self.told = "通知 "

    def utterances(self):
        try:
            with open(self.log, encoding="utf-8") as lines:
                # Orca writes the full-width comma as ASCII's.
                return [line.strip().replace(",", "，") for line in lines]
        except FileNotFoundError:
            return []

    def keys(self, *keys):
        """Presses the keys; what Orca says next counts from here."""
        self.heard = len(self.utterances())
        subprocess.run(["xdotool", "key", "--delay", "100", *keys], check=True)

    def after(self, keys, expected, within=10.0):
        """Presses the keys and waits for an utterance containing the expected
        text among those that follow; returns the seconds it took."""
        started = time.monotonic()
        self.keys(*keys)
        return self.also(expected, started, within)

    def also(self, expected, started=None, within=10.0):
        """Waits for an utterance containing the expected text since the last
        keys were pressed."""
        started = started or time.monotonic()
        while time.monotonic() - started < within:
            if any(expected in line for line in self.said_since()):
                return time.monotonic() - started
            time.sleep(0.02)
        sys.exit(f"Orca did not say {expected!r}; since the last keys it said {self.said_since()}")

    def quiet(self):
        """Waits until Orca has said nothing new for a second."""
        heard = -1
        while heard != len(self.utterances()):
            heard = len(self.utterances())
            time.sleep(1)

    def said_since(self):
        return self.utterances()[self.heard:]


def tab_to(speech, name):
    """Tabs on, a control at a time as Orca names each, to the control
    whose utterances begin with the name."""
    for _ in range(30):
        speech.keys("Tab")
        wait_for("Orca to name the next control",
                 lambda: any(role in line for line in speech.said_since() for role in (BUTTON, TEXT, ENTRY)),
                 speech.said_since)
        if any(line.startswith(name) for line in speech.said_since()):
            return
    sys.exit(f"Tab never reached {name}; last said {speech.said_since()}")


def announced(speech, keys, status):
    """Told within a second of the keys, and once."""
    seconds = speech.after(keys, speech.told + status)
    assert seconds <= SPOKEN_WITHIN, f"{status} spoken after {seconds:.2f} s"
    print(f"{status}: spoken {seconds:.2f} s after the key")
    speech.quiet()
    assert sum(status in line for line in speech.said_since()) == 1, speech.said_since()


def tab_from_box(speech, box, button):
    """Tab from a text box: the next button is named at once, and nothing
    is said of the box's selection."""
    tab_to(speech, box)
    speech.quiet()
    assert speech.after(["Tab"], button) <= 0.5 and not any("选中" in s for s in speech.said_since())


def set_by(speech, button, texts, status):
    """Types into the boxes of a button's row, x then y, and presses the
    button."""
    tab_to(speech, button)
    for text in texts:
        subprocess.run(["xdotool", "key", "--delay", "200", "Tab", "ctrl+a"], check=True)
        subprocess.run(["xdotool", "type", "--delay", "50", "--", text], check=True)
    time.sleep(0.5)
    speech.after(["shift+Tab"] * len(texts), button)
    announced(speech, ["space"], status)


def read_status_bar(speech, expected):
    """Orca's command to read the status bar: after the title, the whole
    state is the first thing said, within half a second of the keys."""
    seconds = speech.after(["Insert+KP_Enter", "Insert+KP_Enter"], expected)
    said = [line for line in speech.said_since() if not line.startswith("Torvane")]
    assert said[0].startswith("点") and expected in said[0], said
    assert seconds <= 0.6, f"the status bar read after {seconds:.2f} s"
    # Orca takes a key this soon for a third press of its command.
    time.sleep(1)


def journey(speech):
    speech.also("Torvane 框架")
    speech.also("开始或暂停" + BUTTON)
    announced(speech, ["space"], "运行中")
    announced(speech, ["space"], "已暂停")

    for name, description in [("回原点", None), ("重置", None), ("ay 加 1", "加速度 y 加 1"),
                              ("ax 加 1", "加速度 x 加 1"), ("ax 减 1", "加速度 x 减 1"), ("ay 减 1", "加速度 y 减 1"),
                              ("ax 减 1，ay 加 1", "加速度 x 减 1"), ("ax 加 1，ay 加 1", "加速度 x 加 1"),
                              ("ax 减 1，ay 减 1", "加速度 x 减 1"), ("ax 加 1，ay 减 1", "加速度 x 加 1"),
                              ("将坐标设置为", None), ("0", None)]:
        speech.after(["Tab"], name)
        if description:
            speech.also(description)
    speech.also("坐标x" + TEXT)

    # A box holding 20 is read as 20 on focus. Ctrl+Left from the end of
    # it makes Orca ask for the word at the end, which must be answered:
    # what Orca then reads (the word, or the character, as its key events
    # and the caret's race) matters less than that the journey goes on.
    tab_to(speech, "20")
    assert not any(line.rstrip(".") == "2" for line in speech.said_since()), speech.said_since()
    speech.after(["End", "ctrl+Left"], "2")

    spoken(speech)
    tab_from_box(speech, "0", "将速度设置为")
    set_by(speech, "将速度设置为", ["1e308"], "将速度设置为")
    set_by(speech, "加速度设置为", ["1e308"], "将加速度设置为")
    tab_to(speech, "开始或暂停")
    announced(speech, ["space"], "数值溢出")

    speech.after(["Insert+KP_Enter"], "Torvane")
    time.sleep(1)
    read_status_bar(speech, "当前状态 数值溢出")
    assert any("状态栏" in line for line in speech.said_since()), speech.said_since()
    motion(speech)


def spoken(speech):
    """A repeated command told each time, signs in words whatever Orca's
    punctuation setting, a new tick rate confirmed, the run button's state,
    and every quantity, current while ticking, in one command."""
    set_by(speech, "将坐标设置为", ["abc"], "坐标x无效")
    announced(speech, ["space"], "坐标x无效")
    tab_to(speech, "ax 加 1")
    announced(speech, ["space"], "ax 加 1，加速度 x 1")
    announced(speech, ["space"], "ax 加 1，加速度 x 2")
    speech.after(["Tab"], "ax 减 1")
    announced(speech, ["space"], "ax 减 1，加速度 x 1")
    tab_to(speech, "ax 加 1，ay 减 1")
    set_by(speech, "将速度设置为", ["-5"], "将速度设置为 x 负 5，y 0")
    set_by(speech, "将TPS设为", ["100"], "TPS 设为 100")
    tab_to(speech, "开始或暂停")
    announced(speech, ["space"], "运行中")
    time.sleep(3)
    read_status_bar(speech, "当前时间刻")
    summary = next(line for line in speech.said_since() if "当前时间刻" in line)
    ticks = re.search(r"TPS 100，坐标 x \d+，y 0，速度 x \d+，y 0，加速度 x 1，y 0，当前时间刻 (\d+)", summary)
    assert ticks and int(ticks[1]) >= 200, summary
    announced(speech, ["space"], "已暂停")


def motion(speech):
    """Where the point is, and a throw upwards from near the map's top:
    it leaves the map, turns within a second of the top and comes back,
    each heard once, a second apart; nothing is heard at rest."""
    for x, y, place in [("2500", "2500", "点在地图右上"), ("6000", "0", "点在地图外，右方"), ("0", "3500", "点在地图上方")]:
        set_by(speech, "将坐标设置为", [x, y], f"将坐标设置为 x {x}，y {y}，{place}")
    set_by(speech, "将速度设置为", ["0", "40"], "将速度设置为 x 0，y 40")
    set_by(speech, "加速度设置为", ["0", "-1"], "将加速度设置为 x 0，y 负 1")
    set_by(speech, "将TPS设为", ["20"], "TPS 设为 20")
    tab_to(speech, "开始或暂停")
    started = time.monotonic()
    news = ["点离开地图，在上方", "开始向下运动", "点回到地图，地图上方"]
    speech.keys("space")
    heard = [speech.also(speech.told + said, started) for said in news]
    print(f"{news} heard {heard} s after the start")
    # The top is the 40th tick, two seconds after the start.
    assert abs(heard[1] - 2.0) <= 1.0 and all(b - a >= 0.8 for a, b in zip(heard, heard[1:])), heard
    speech.quiet()
    assert sum("点离开" in line or "点回到" in line or "开始向" in line for line in speech.said_since()) == 3
    announced(speech, ["space"], "已暂停")
    said = len(speech.said_since())
    time.sleep(10)
    assert len(speech.said_since()) == said, f"said at rest: {speech.said_since()[said:]}"


class Orca:
    """Orca in a home of its own, speaking into a log through
    speech-dispatcher; started and stopped as often as asked."""

    def __init__(self):
        if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                          stdout=subprocess.DEVNULL).returncode == 0:
            print("skipped: another Orca of this user runs, and Orca will not start beside it")
            sys.exit(77)
        self.home = tempfile.mkdtemp(prefix="torvane-orca-")
        modules = os.path.join(self.home, ".config", "speech-dispatcher", "modules")
        os.makedirs(modules)
        with open(os.path.join(self.home, ".config", "speech-dispatcher", "speechd.conf"), "w") as conf:
            conf.write(SPEECHD_CONF)
        with open(os.path.join(modules, "logfile.conf"), "w") as conf:
            conf.write(MODULE_CONF.format(log=os.path.join(self.home, "speech.log")))
        locales = os.path.join(self.home, "locales")
        os.makedirs(locales)
        subprocess.run(["localedef", "-i", "zh_CN", "-f", "UTF-8", os.path.join(locales, "zh_CN.UTF-8")], check=True)
        os.environ.update(HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                          XDG_DATA_HOME=os.path.join(self.home, ".local", "share"),
                          LOCPATH=locales, LC_ALL="zh_CN.UTF-8", LANG="zh_CN.UTF-8", LANGUAGE="zh_CN")
        self.speech = Speech(os.path.join(self.home, "speech.log"))
        self.process = None

    def start(self):
        self.speech.heard = len(self.speech.utterances())
        self.process = subprocess.Popen(["orca", "--debug-file", os.path.join(self.home, "orca-debug.log")],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.speech.also("屏幕阅读器启用")

    def stop(self):
        if not self.process:
            return
        # Orca may take its time over the signal while it starts up.
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.process = None


def run(program, work):
    """Starts Torvane and Orca's home, does the work with Torvane's
    accessible application, Torvane's process and Orca, and closes
    Torvane, which must then end cleanly."""
    orca = Orca()
    torvane = start(program)
    try:
        work(wait_for("Torvane on the accessibility bus", lambda: application(torvane.pid)), torvane, orca)
        close_window()
    except BaseException:
        torvane.kill()
        raise
    finally:
        orca.stop()
    # Qt 6.4's accessibility bridge says so on standard error whenever the
    # screen reader takes longer than Qt waits to decide about a key; the
    # key is then handled all the same.
    finish(torvane, tolerated=["QSpiApplication::"])


def chromium(page, profile, *options):
    """Debian's Chromium in Chinese, as a Chinese student runs it, showing
    the page alone in a window of its own, with no warning bar to Tab
    through."""
    return subprocess.Popen(["/usr/bin/chromium", "--no-sandbox", "--test-type", "--no-first-run", "--disable-gpu",
                             "--lang=zh-CN", *options,
                             f"--user-data-dir={profile}", "--window-size=1024,768", f"--app=file://{page}"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def page_journey(page):
    """The same on the page, in Chromium, which turns its accessibility on
    as it finds Orca running; its heading and landmarks are counted."""
    orca = Orca()
    orca.start()
    browser = chromium(page, os.path.join(orca.home, "chromium"))
    try:
        speech = orca.speech
        speech.told = ""
        speech.also("4 个界标， 1 个标题", within=30)
        speech.also("状态栏")
        speech.quiet()
        opening = speech.said_since()
        assert all(line != next_line for line, next_line in zip(opening, opening[1:])), opening
        spoken(speech)
        motion(speech)
    finally:
        orca.stop()
        browser.kill()


def keyboard_journey(app, torvane, orca):
    orca.start()
    window = subprocess.run(["xdotool", "search", "--name", "^Torvane$"], capture_output=True, text=True,
                            check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    journey(orca.speech)


if __name__ == "__main__":
    if sys.argv[1] == "--page":
        page_journey(sys.argv[2])
    else:
        accessibility_journey.main(sys.argv[1])
        run(sys.argv[1], keyboard_journey)
    print("Orca journey passed")

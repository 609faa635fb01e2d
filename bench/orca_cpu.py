# SPDX-FileCopyrightText: 2026 Torvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What Orca costs Torvane: the CPU Torvane and Orca use at 20 and 1000
ticks a second, with five labels changing, over ten seconds each, with
Orca running and without it in alternate turns, as this machine's speed
drifts from minute to minute; or, given the page, what Chromium as a whole
uses at 1000 ticks a second, started afresh for each turn so that its
accessibility is on only with Orca. Run it inside a desktop session:

    tests/run-in-desktop-session /usr/bin/python3 bench/orca_cpu.py build/app/torvane
    tests/run-in-desktop-session /usr/bin/python3 bench/orca_cpu.py --page build-web/web/torvane-1.01.html
"""

import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))

from accessibility_journey import cpu_seconds, fill, labels, press, pump  # noqa: E402
from desktop import wait_for  # noqa: E402
from orca_journey import Orca, chromium, run  # noqa: E402


def measure(app, pids, rate):
    """The share of a core each process uses while ticking at the rate: over
    ten seconds, as the kernel counts CPU time in hundredths of a second."""
    fill(app, "TPS", str(rate))
    press(app, "将TPS设为")
    press(app, "开始或暂停")
    wait_for("ticking", lambda: labels(app)["当前状态"] == "当前状态:运行中")
    pump(0.5)
    before, started = [cpu_seconds(pid) for pid in pids], time.monotonic()
    pump(10)
    after, elapsed = [cpu_seconds(pid) for pid in pids], time.monotonic() - started
    press(app, "开始或暂停")
    wait_for("the pause", lambda: labels(app)["当前状态"] == "当前状态:已暂停")
    return [100 * (b - a) / elapsed for a, b in zip(before, after)]


def turns(app, torvane, orca):
    press(app, "ax 加 1，ay 加 1")
    for rate, count in ((20, 1), (1000, 3)):
        ratios = []
        for _ in range(count):
            orca.start()
            torvane_cpu, orca_cpu = measure(app, [torvane.pid, orca.process.pid], rate)
            orca.stop()
            quiet_cpu = measure(app, [torvane.pid], rate)[0]
            ratios.append(torvane_cpu / max(quiet_cpu, 0.1))
            print(f"at {rate} TPS, five labels changing: Torvane {torvane_cpu:.1f} % of a core with Orca, "
                  f"{quiet_cpu:.1f} % without; Orca {orca_cpu:.1f} %")
        print(f"at {rate} TPS: median ratio with Orca to without {sorted(ratios)[len(ratios) // 2]:.2f}")


def process_tree(root):
    children = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/stat") as stat:
                children.setdefault(int(stat.read().rpartition(")")[2].split()[1]), []).append(int(pid))
        except OSError:
            pass
    tree, todo = [], [root]
    while todo:
        tree.append(todo.pop())
        todo += children.get(tree[-1], [])
    return tree


def tree_cpu(root):
    total = 0.0
    for pid in process_tree(root):
        try:
            total += cpu_seconds(pid)
        except OSError:
            pass
    return total


# Clicks through Chromium's debugging port, then says how many ticks
# have passed: the same clicks with Orca and without.
DRIVER = """
const puppeteer = require('puppeteer-core');
(async () => {
    const browser = await puppeteer.connect({ browserURL: 'http://127.0.0.1:%d', defaultViewport: null });
    const [page] = (await browser.pages()).filter((p) => p.url().startsWith('file:'));
    await page.$eval('#Text7', (e) => { e.value = '1000'; });
    for (const button of process.argv.slice(1)) await page.click('#' + button);
    console.log(await page.$eval('#Label8 .shown', (e) => e.textContent));
    browser.disconnect();
})();
"""
PORT = 9333


def click(*buttons):
    env = dict(os.environ, NODE_PATH=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "build-npm",
                                                    "node_modules"))
    return subprocess.run(["node", "-e", DRIVER % PORT, *buttons], env=env, capture_output=True, text=True,
                          check=True).stdout.strip()


def page_turn(page, orca, with_orca):
    """Chromium's share of a core over ten seconds at 1000 ticks a second,
    the point moving and five labels changing; and the ticks counted."""
    if with_orca:
        orca.start()
    browser = chromium(page, tempfile.mkdtemp(prefix="torvane-chromium-"), f"--remote-debugging-port={PORT}")
    try:
        if with_orca:
            orca.speech.also("状态栏", within=30)
            orca.speech.quiet()
        else:
            time.sleep(5)
        click("Command15", "Command9", "Command1")
        time.sleep(0.5)
        before, started = tree_cpu(browser.pid), time.monotonic()
        time.sleep(10)
        share = 100 * (tree_cpu(browser.pid) - before) / (time.monotonic() - started)
        ticks = click("Command1")
        if with_orca:
            orca.speech.also("运行中")
        return share, ticks
    finally:
        browser.kill()
        browser.wait()
        orca.stop()


def page_turns(page):
    orca = Orca()
    ratios = []
    for _ in range(3):
        (with_orca, ticked), (without, quietly) = page_turn(page, orca, True), page_turn(page, orca, False)
        ratios.append(with_orca / max(without, 0.1))
        print(f"at 1000 TPS, five labels changing: Chromium {with_orca:.1f} % of a core with Orca "
              f"({ticked}), {without:.1f} % without ({quietly})")
    print(f"at 1000 TPS: median ratio with Orca to without {sorted(ratios)[1]:.2f}")


if __name__ == "__main__":
    if sys.argv[1] == "--page":
        page_turns(sys.argv[2])
    else:
        run(sys.argv[1], turns)

# SPDX-FileCopyrightText: 2026 Torvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What Orca costs Torvane: the CPU Torvane and Orca use at 20 and 1000
ticks a second, with five labels changing, over ten seconds each, with
Orca running and without it in alternate turns, as this machine's speed
drifts from minute to minute. Run it inside a desktop session:

    tests/run-in-desktop-session /usr/bin/python3 bench/orca_cpu.py build/app/torvane
"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))

from accessibility_journey import cpu_seconds, fill, labels, press, pump  # noqa: E402
from desktop import wait_for  # noqa: E402
from orca_journey import run  # noqa: E402


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
    press(app, "ax+1ay+1")
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


if __name__ == "__main__":
    run(sys.argv[1], turns)

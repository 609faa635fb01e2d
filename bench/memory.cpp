// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steadytimer.h"
#include "windowdriver.h"
#include "offscreenplatform.h"

#include <QApplication>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

long residentKiB()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace

// Usage: torvane-bench-memory [TICKS]
// Resident memory of the real window over many ticks, each with its full
// refresh and its paced writes, painting after every thousandth, with the point accelerating
// off the map and its numbers widening from Integer to Long to Double.
int main(int argc, char *argv[])
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    const long long ticks = argc > 1 ? std::atoll(argv[1]) : 1000000;
    const long long warmUp = std::min(ticks, 10000LL);

    WindowDriver driver;
    driver.click("Command9");
    driver.startSlowly();
    SteadyTimer &timer = driver.timer();
    long before = 0;
    for (long long n = 1; n <= ticks; ++n) {
        emit timer.timeout();
        if (n % 1000 == 0)
            QCoreApplication::processEvents();
        if (n == warmUp)
            before = residentKiB();
    }
    driver.click("Command1");
    QCoreApplication::processEvents();
    const long after = residentKiB();
    std::printf("ticks %lld (counter shows %lld)\nresident after %lld ticks: %ld KiB\n"
                "resident after %lld ticks: %ld KiB\ngrowth: %ld KiB\n",
                ticks, driver.ticks(), warmUp, before, ticks, after, after - before);
    return 0;
}

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steadytimer.h"
#include "windowdriver.h"
#include "offscreenplatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The process's CPU time where std::clock measures it (POSIX); Windows'
// C library gives wall time instead, and the CPU column then means that.
double cpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

void runFor(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void printHeader()
{
    std::printf("%6s %9s %10s %10s %7s %12s\n", "TPS", "interval", "expected", "achieved", "ratio",
                "CPU µs/tick");
}

// Runs the real window at the given rate, from a reset, and prints one line
// for each consecutive stretch: ticks counted by the window's own counter,
// over the monotonic time from the start (or the stretch's first tick) to
// the stretch's last tick, against what the timer's interval promises.
void measure(WindowDriver &driver, int rate, std::chrono::milliseconds stretch, int stretches,
             const std::function<void()> &prepare = {})
{
    driver.click("Command3");
    driver.type("Text7", QString::number(rate));
    driver.click("Command15");
    if (prepare)
        prepare();
    Clock::time_point lastTick;
    const auto stamp = QObject::connect(&driver.timer(), &SteadyTimer::timeout, [&] { lastTick = Clock::now(); });
    auto from = Clock::now();
    double cpuFrom = cpuSeconds();
    long long ticksFrom = 0;
    driver.click("Command1");
    const int interval = driver.timer().interval();
    for (int i = 0; i < stretches; ++i) {
        runFor(stretch);
        const double cpu = cpuSeconds();
        const long long ticks = driver.ticks() - ticksFrom;
        const double seconds = std::chrono::duration<double>(lastTick - from).count();
        const double expected = 1000.0 / interval;
        const double achieved = ticks / seconds;
        std::printf("%6d %9d %10.1f %10.1f %7.4f %12.1f\n", rate, interval, expected, achieved,
                    achieved / expected, 1e6 * (cpu - cpuFrom) / double(ticks));
        from = lastTick;
        cpuFrom = cpu;
        ticksFrom += ticks;
    }
    driver.click("Command1");
    QObject::disconnect(stamp);
}

} // namespace

// Usage: torvane-bench-tickrate [SECONDS-PER-RATE [SECONDS-OF-LONG-RUN]]
// The long run ticks at 1000 TPS without a pause and reports each tenth of
// it, so that a drift shows as a falling ratio.
int main(int argc, char *argv[])
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    const auto seconds = [&](int index, double fallback) {
        return std::chrono::milliseconds(std::llround(1000 * (argc > index ? std::atof(argv[index]) : fallback)));
    };

    WindowDriver driver;
    printHeader();
    for (const int rate : {20, 100, 500, 1000, 5000})
        measure(driver, rate, seconds(1, 5), 1);

    // A pasted entry of a million characters, repeated by the status on
    // every tick, and a click answered while it is shown.
    std::printf("\nat 1000 TPS with an entry of 10^6 characters in the status:\n");
    printHeader();
    measure(driver, 1000, seconds(1, 5), 1, [&] {
        driver.type("Text1", QStringLiteral("1.") + QString(1000000, QLatin1Char('0')));
        driver.click("Command12");
    });
    driver.click("Command1");
    runFor(std::chrono::milliseconds(200));
    const auto clickFrom = Clock::now();
    driver.click("Command9");
    std::printf("a click on a direction button while ticking took %.0f µs\n",
                std::chrono::duration<double, std::micro>(Clock::now() - clickFrom).count());
    driver.click("Command1");

    if (const auto longRun = seconds(2, 0); longRun.count() > 0) {
        std::printf("\nlong run at 1000 TPS, by tenths:\n");
        printHeader();
        measure(driver, 1000, longRun / 10, 10);
    }
    return 0;
}

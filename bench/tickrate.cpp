// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steadytimer.h"
#include "windowdriver.h"
#include "offscreenplatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
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
    std::printf("%6s %9s %10s %10s %7s %12s %9s %8s\n", "TPS", "interval", "expected", "achieved", "ratio",
                "CPU µs/tick", "writes/s", "names/s");
}

// With how often the tick label was rewritten, and renamed for assistive
// technology, a second.
void printRow(const char *name, int interval, double achieved, double cpuPerTick, double writes = 0, double names = 0)
{
    const double expected = 1000.0 / interval;
    std::printf("%6s %9d %10.1f %10.1f %7.4f %12.1f %9.1f %8.1f\n", name, interval, expected, achieved,
                achieved / expected, cpuPerTick, writes, names);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The floor: a precise 1 ms QTimer that does nothing, in the same process. Returns its CPU time per timeout in µs.
double measureBareTimer(std::chrono::milliseconds duration)
{
    long long timeouts = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++timeouts; });
    const auto from = Clock::now();
    const double cpuFrom = cpuSeconds();
    timer.start(1);
    runFor(duration);
    timer.stop();
    const double cpuPerTick = 1e6 * (cpuSeconds() - cpuFrom) / double(timeouts);
    printRow("bare", 1, timeouts / std::chrono::duration<double>(Clock::now() - from).count(), cpuPerTick);
    return cpuPerTick;
}

// Runs the real window at the given rate, from a reset, and prints one line
// for each consecutive stretch: the ticks the window's timer gave (the
// window's own counter, which it shows paced, must agree at the end), over
// the monotonic time from the start (or the stretch's first tick) to
// the stretch's last tick, against what the timer's interval promises.
// Returns the CPU time per tick of the last stretch in µs. What "started"
// does runs right after the start, in the first tick's interval.
double measure(WindowDriver &driver, int rate, std::chrono::milliseconds stretch, int stretches,
               const std::function<void()> &started = {})
{
    driver.click("Command3");
    driver.type("Text7", QString::number(rate));
    driver.click("Command15");
    Clock::time_point lastTick;
    long long counted = 0, writes = 0, names = 0;
    const QLabel *label = driver.window().findChild<QLabel *>(QStringLiteral("Label8"));
    QString written = label->text(), named = label->accessibleName();
    const auto stamp = QObject::connect(&driver.timer(), &SteadyTimer::timeout, [&] {
        lastTick = Clock::now();
        ++counted;
        if (label->text() != written) {
            written = label->text();
            ++writes;
        }
        if (label->accessibleName() != named) {
            named = label->accessibleName();
            ++names;
        }
    });
    auto from = Clock::now();
    long long ticksFrom = 0;
    driver.click("Command1");
    if (started)
        started();
    // The clicks' own refreshes are not the ticks'.
    double cpuFrom = cpuSeconds();
    const int interval = driver.timer().interval();
    double cpuPerTick = 0;
    for (int i = 0; i < stretches; ++i) {
        runFor(stretch);
        const double cpu = cpuSeconds();
        const long long ticks = counted - ticksFrom;
        const double seconds = std::chrono::duration<double>(lastTick - from).count();
        cpuPerTick = 1e6 * (cpu - cpuFrom) / double(ticks);
        printRow(std::to_string(rate).c_str(), interval, ticks / seconds, cpuPerTick, writes / seconds,
                 names / seconds);
        writes = names = 0;
        from = lastTick;
        cpuFrom = cpu;
        ticksFrom += ticks;
    }
    driver.click("Command1");
    QObject::disconnect(stamp);
    if (driver.ticks() != counted)
        std::printf("the window's tick counter shows %lld, not %lld\n", driver.ticks(), counted);
    return cpuPerTick;
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

    // What waking up a thousand times a second costs varies from minute to
    // minute here, so the bare timer and the window take turns.
    std::printf("\nthe bare timer and the window at 1000 TPS, in turns:\n");
    printHeader();
    std::vector<double> bare, window;
    for (int turn = 0; turn < 9; ++turn) {
        bare.push_back(measureBareTimer(seconds(1, 5) / 5));
        window.push_back(measure(driver, 1000, seconds(1, 5) / 5, 1));
    }
    std::printf("CPU per tick at 1000 TPS, median of the turns: %.1f µs, %.2f times the bare timer's %.1f µs\n",
                median(window), median(window) / median(bare), median(bare));

    // A pasted entry of a million characters, repeated by the status on
    // every tick, and a click answered while it is shown.
    std::printf("\nat 1000 TPS with an entry of 10^6 characters in the status:\n");
    printHeader();
    // The box lays its text out once, when it is first painted: before
    // the ticking, as when a user pastes it and then starts.
    driver.type("Text1", QStringLiteral("1.") + QString(1000000, QLatin1Char('0')));
    runFor(std::chrono::milliseconds(500));
    measure(driver, 1000, seconds(1, 5), 1, [&] { driver.click("Command12"); });
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

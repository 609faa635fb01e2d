// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "offscreenplatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// In the child: shows the window, and on its first paint prints its peak
// resident memory and leaves.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QMetaObject::invokeMethod(qApp, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("shown %ld\n", usage.ru_maxrss);
                std::fflush(stdout);
                QApplication::quit();
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_seen = false;
};

int child(int argc, char *argv[], bool torvane)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (torvane) {
        window = std::make_unique<Form1>();
    } else {
        window = std::make_unique<QWidget>();
        window->setWindowTitle(QStringLiteral("Torvane"));
        window->setFixedSize(737, 553);
    }
    FirstPaint filter;
    window->installEventFilter(&filter);
    window->show();
    return app.exec();
}

struct Sample
{
    double milliseconds;
    long peakKiB;
};

Sample launch(const QString &program, const QString &mode)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(program, {QStringLiteral("--child"), mode});
    while (!process.canReadLine() && process.waitForReadyRead(10000)) {
    }
    const double milliseconds = clock.nsecsElapsed() / 1e6;
    const QByteArray line = process.readLine();
    process.waitForFinished();
    return {milliseconds, line.split(' ').value(1).trimmed().toLong()};
}

template<typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

// Usage: torvane-bench-startup [RUNS]
// Time from starting the process to the window's first paint, and peak
// resident memory, for Torvane and for a bare window of the same size,
// started in turns; medians of RUNS runs each.
int main(int argc, char *argv[])
{
    useOffscreenPlatformUnlessSet();
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv, qstrcmp(argv[2], "torvane") == 0);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    std::vector<double> times[2];
    std::vector<long> peaks[2];
    const QString modes[2] = {QStringLiteral("torvane"), QStringLiteral("bare")};
    for (int run = 0; run < runs; ++run) {
        for (int m = 0; m < 2; ++m) {
            const Sample sample = launch(QCoreApplication::applicationFilePath(), modes[m]);
            times[m].push_back(sample.milliseconds);
            peaks[m].push_back(sample.peakKiB);
        }
    }
    std::printf("%-8s %14s %16s\n", "window", "first paint ms", "peak memory MiB");
    for (int m = 0; m < 2; ++m)
        std::printf("%-8s %14.1f %16.1f\n", qPrintable(modes[m]), median(times[m]), median(peaks[m]) / 1024.0);
    std::printf("%-8s %14.2f %16.2f\n", "ratio", median(times[0]) / median(times[1]),
                double(median(peaks[0])) / double(median(peaks[1])));
    return 0;
}

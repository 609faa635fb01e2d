// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startupchecks.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFontDatabase>

#include <cstdio>

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::optional<int> answerBeforeWindow(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCoreApplication::setApplicationName(QStringLiteral("torvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TORVANE_VERSION));
    QCommandLineParser parser;
    // Qt's own options (-platform, -reverse, …) are single-dash words that
    // QApplication takes later; read as letters they would mean -h or -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("显示本帮助并退出"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("显示版本并退出"));
    parser.addOption(help);
    parser.addOption(version);
    parser.parse(arguments);

    if (parser.isSet(help)) {
        // Qt's own help text says "Usage" and "Options" in English.
        print(stdout, QStringLiteral("用法：torvane [选项]\nTorvane：演示二维匀加速运动\n\n选项：\n"
                                     "  -h, --help     %1\n  -v, --version  %2\n")
                          .arg(help.description(), version.description()));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("torvane %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!displayReachable(arguments)) {
        print(stderr, QStringLiteral("torvane: 无法连接到显示器，请在图形桌面中启动（或设置 DISPLAY）\n"));
        return 1;
    }
    return std::nullopt;
}

void warnWithoutChineseFont()
{
    if (QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        print(stderr, QStringLiteral("torvane: 没有能显示中文的字体，文字将显示为方框；"
                                     "请安装 WenQuanYi Micro Hei 字体（Debian 软件包 fonts-wqy-microhei）\n"));
}

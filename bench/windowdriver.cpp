// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowdriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

WindowDriver::WindowDriver()
{
    m_window.show();
}

SteadyTimer &WindowDriver::timer() const
{
    return *m_window.findChild<SteadyTimer *>(QStringLiteral("Timer1"));
}

void WindowDriver::type(const char *box, const QString &text)
{
    m_window.findChild<QLineEdit *>(box)->setText(text);
}

void WindowDriver::click(const char *button)
{
    m_window.findChild<QPushButton *>(button)->click();
}

long long WindowDriver::ticks() const
{
    const QString text = m_window.findChild<QLabel *>(QStringLiteral("Label8"))->text();
    return text.section(QLatin1Char(':'), 1).trimmed().toLongLong();
}

void WindowDriver::startSlowly()
{
    type("Text7", QStringLiteral("1"));
    click("Command15");
    click("Command1");
}

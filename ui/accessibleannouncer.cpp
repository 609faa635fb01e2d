// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibleannouncer.h"

#include "accessiblefactory.h"

#include <QLocale>

AccessibleAnnouncer::AccessibleAnnouncer(QWidget *window)
    : QWidget(window)
{
    installAccessibleFactory();
    // The window's texts are Chinese whatever the desktop's language; typed
    // numbers still follow the desktop's locale, not the widgets'.
    window->setLocale(QLocale(QLocale::Chinese, QLocale::China));
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void AccessibleAnnouncer::announce(const QString &message, const QString &runState)
{
    if (QWidget *run = parentWidget()->findChild<QWidget *>(QStringLiteral("Command1")))
        run->setAccessibleDescription(runState);
    setAccessibleName(message);
    hide();
    show();
}

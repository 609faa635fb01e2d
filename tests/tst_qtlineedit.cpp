// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblelineedit.h"
#include "offscreenplatform.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

class TestQtLineEdit : public QObject
{
    Q_OBJECT

private slots:
    // Stock Qt's own text interface of a QLineEdit, asked for the word at
    // the end of its text, never answers: this is why AccessibleLineEdit
    // exists. The day this fails, Qt has mended it, and it can go.
    void wordAtTheEndHangs()
    {
        QLineEdit edit(QStringLiteral("20"));
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(&edit)->textInterface();
        const pid_t asking = fork();
        if (asking == 0) {
            int start = 0, end = 0;
            text->textAtOffset(2, QAccessible::WordBoundary, &start, &end);
            _exit(0);
        }
        int status = 0, waited = 0;
        while (waitpid(asking, &status, WNOHANG) == 0 && ++waited < 40)
            QTest::qSleep(50);
        const bool answered = waited < 40;
        if (!answered)
            kill(asking, SIGKILL), waitpid(asking, &status, 0);
        QVERIFY2(!answered, "Qt answers now: AccessibleLineEdit is no longer needed");
        QVERIFY(AccessibleLineEdit::needed);
    }
};

int main(int argc, char *argv[])
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    TestQtLineEdit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qtlineedit.moc"

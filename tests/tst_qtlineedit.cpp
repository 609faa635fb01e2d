// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblelineedit.h"
#include "offscreenplatform.h"

#include <QApplication>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// Stock Qt's own text interface of a QLineEdit, asked for the word at the
// end of its text, never answers: this is why AccessibleLineEdit exists.
// The day this fails, Qt has mended it, and AccessibleLineEdit can go.
class TestQtLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void wordAtTheEndHangs()
    {
        QLineEdit edit(QStringLiteral("20"));
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(&edit)->textInterface();
        int start = 0, end = 0, waited = 0;
        const pid_t asking = fork();
        if (asking == 0)
            _exit(text->textAtOffset(2, QAccessible::WordBoundary, &start, &end).size());
        while (waitpid(asking, nullptr, WNOHANG) == 0 && ++waited < 40)
            QTest::qSleep(50);
        if (waited == 40)
            kill(asking, SIGKILL), waitpid(asking, nullptr, 0);
        QVERIFY2(waited == 40, "Qt answers now: AccessibleLineEdit is no longer needed");
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

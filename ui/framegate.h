// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

// Lets something through at most once per frame of a widget's screen.
// What comes within a frame of the last pass is held; at the frame's end
// frameEnded() says that the held work is due, and that counts as the pass.
class FrameGate : public QObject
{
    Q_OBJECT

public:
    explicit FrameGate(QWidget *onScreen, QObject *parent = nullptr);

    // True when a frame has gone by since the last pass: go ahead now.
    // False: hold back; frameEnded() follows at the end of this frame.
    bool tryPass();

signals:
    void frameEnded();

private:
    qint64 frameNanoseconds() const;

    QWidget *m_onScreen;
    QElapsedTimer m_sinceLastPass;
    QTimer m_frameEnd;
};

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

class QWidget;

// Lets something through at most once per frame of a widget's screen.
// What comes within a frame of the last pass is held; at the frame's end
// frameEnded() says that the held work is due, and that counts as the pass.
// A gate may also be given a longer interval for a flood: while tries come
// faster than the screen's frames, passes are that far apart instead.
class FrameGate : public QObject
{
    Q_OBJECT

public:
    explicit FrameGate(QWidget *onScreen, QObject *parent = nullptr,
                       std::chrono::nanoseconds floodInterval = std::chrono::nanoseconds::zero());

    // True when a frame has gone by since the last pass: go ahead now.
    // False: hold back; frameEnded() follows when the held work is due.
    bool tryPass();

signals:
    void frameEnded();

private:
    qint64 frameNanoseconds() const;

    QWidget *m_onScreen;
    qint64 m_floodInterval;
    QElapsedTimer m_sinceLastPass;
    QElapsedTimer m_sinceLastTry;
    QTimer m_frameEnd;
};

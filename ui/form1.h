// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formface.h"
#include "formhandlers.h"
#include "steadytimer.h"

#include <QFontMetricsF>
#include <QTimer>
#include <QWidget>

#include <array>
#include <map>
#include <vector>

class QLineEdit;

// The program's one window: map, data and operation panels, and the tick
// timer. Its controls are made from the model's view and forward their
// events to the window's handlers, which decide what the window shows and
// when; the window only writes it.
class Form1 : public QWidget, private FormFace
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::string boxText(int box) const override;
    double textWidth(const std::string &text, int fontPixels) const override;
    void create(const ControlView &control) override;
    void update(std::size_t control, const ControlView &view, unsigned parts) override;
    void announce(const std::string &words) override;
    void wakeUpIn(double milliseconds) override;

    SteadyTimer m_tickTimer;
    QTimer m_wakeUp;
    FormHandlers m_handlers;
    mutable std::map<int, QFontMetricsF> m_metrics;

    std::vector<QWidget *> m_controls; // as the view numbers them
    std::array<QLineEdit *, 7> m_boxes{};
    QWidget *m_lastInTabOrder = nullptr;
    QWidget *m_announcer = nullptr;
};

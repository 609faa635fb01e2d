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

class AccessibleAnnouncer;
class QLabel;
class QLineEdit;

// The program's one window: map, data and operation panels, and the tick
// timer. Its controls forward their events to the window's handlers, which
// decide what the window shows and when; the window only writes it.
class Form1 : public QWidget, private FormFace
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // What the window's handlers read.
    std::string boxText(int box) const override;
    double textWidth(const std::string &text, int fontPixels) const override;

    void createControls();
    void connectHandlers();

    // What the handlers write.
    void writeMarker(const ControlLayout::Box &box) override;
    void writeLabel(std::size_t label, const std::string &shown, int fontPixels) override;
    void writeName(std::size_t label, const std::string &caption, bool shortened) override;
    void announce(const std::string &message, const std::string &runState) override;
    void writeSummary(const std::string &summary) override;

    SteadyTimer *Timer1;
    FormHandlers m_handlers;
    void wakeUpIn(double milliseconds) override;
    QTimer m_wakeUp;
    mutable std::map<int, QFontMetricsF> m_metrics;

    std::array<QLabel *, 9> m_dataLabels{}; // Label1 … Label9
    std::array<QLineEdit *, 7> m_boxes{};   // Text1 … Text7
    QLabel *Picture1 = nullptr;
    AccessibleAnnouncer *m_announcer = nullptr;
};

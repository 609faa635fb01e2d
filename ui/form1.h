// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "displaycontent.h"
#include "editingcommands.h"
#include "motionstate.h"
#include "runcontrol.h"
#include "steadytimer.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <bitset>
#include <chrono>

class AccessibleAnnouncer;
class QLabel;
class QLineEdit;

// The program's one window: map, data and operation panels, and the tick
// timer. Each handler runs one command on the motion state and ends with
// one call of UpdateDisplay, the only code that writes to the screen.
// A command's refresh is written at once; a tick's moves the marker at
// most once per frame of the screen and rewrites the labels as often, or
// ten times a second while ticks come faster than frames, as a number
// changing faster cannot be read. A write held back carries the latest.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    void UpdateDisplay();
    QPoint markerPosition() const;
    void writeMarker();
    void writeLabels();
    void writeLabel(std::size_t index);
    void writeWhenDue(QTimer &timer, std::chrono::steady_clock::time_point written,
                      std::chrono::steady_clock::duration gap, void (Form1::*write)());

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();

    MotionState m_state;
    SteadyTimer *Timer1;
    RunControl m_run;
    EditingCommands m_edit;

    DisplayContent m_shown;
    bool m_ticked = false;
    std::bitset<9> m_unwritten, m_unnamed;
    QTimer m_markerWrite, m_labelsWrite;
    std::chrono::steady_clock::time_point m_lastTick, m_markerWritten, m_labelsWritten, m_labelsNamed;

    std::array<QLabel *, 9> m_dataLabels{}; // Label1 … Label9
    QLabel *Picture1 = nullptr;
    AccessibleAnnouncer *m_announcer = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr,
              *Text5 = nullptr, *Text6 = nullptr, *Text7 = nullptr;
};

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controllayout.h"
#include "displaycontent.h"
#include "editingcommands.h"
#include "motionstate.h"
#include "refreshschedule.h"
#include "runcontrol.h"
#include "speech.h"

#include <array>
#include <bitset>
#include <functional>
#include <optional>

class FormFace;
class TickTimer;

// The main window's handlers, one for each event of the window: each runs
// one command on the motion state, reading the text boxes through the
// face, and ends with one call of UpdateDisplay, which works out what the
// screen shows and writes it through the face as the refresh schedule
// allows. Times are milliseconds of the clock given.
class FormHandlers
{
public:
    static constexpr int commandCount = 15;

    FormHandlers(FormFace &face, TickTimer &timer, NumberSymbols numbers, std::function<double()> clock);

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

    // The click handler of Command1 … Command15.
    void click(int command);
    // The window closes: ticking stops, and whatever was held is written.
    void close();
    // The face's wake-up: the held writes that have come due.
    void writeDue();
    // The screen's frame period.
    void setFrame(double milliseconds) { m_schedule.setFrame(milliseconds); }

    const MotionState &state() const { return m_state; }
    const DisplayContent &shown() const { return m_shown; }

private:
    // A command's refresh tells a screen reader what the command did; the
    // tick's only of a new status.
    void UpdateDisplay(std::optional<Speech::Changed> told = std::nullopt);
    void write(RefreshSchedule::Writes writes);
    void writeLabels();
    void writeNames();

    FormFace &m_face;
    TickTimer &m_timer;
    std::function<double()> m_clock;
    MotionState m_state;
    RunControl m_run;
    EditingCommands m_edit;

    DisplayContent m_shown;
    RefreshSchedule m_schedule;
    DisplayContent::TextWidth m_width;
    std::array<const ControlLayout *, 9> m_labels{};
    std::bitset<9> m_unwritten, m_unnamed, m_shortened;
    std::optional<ControlLayout::Box> m_marker;
    std::optional<double> m_wakeUp;
    bool m_ticking = false;
    bool m_statusTold = false;
};

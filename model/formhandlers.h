// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editingcommands.h"
#include "motionstate.h"
#include "presenter.h"
#include "runcontrol.h"

#include <functional>
#include <optional>

class FormFace;
class TickTimer;

// The main window's handlers, one for each event of the window: each runs
// one command on the motion state, reading the text boxes through the
// face, and ends with one call of UpdateDisplay, which has the presenter
// work out and write what the window shows and tells. Times are
// milliseconds of the clock given.
class FormHandlers
{
public:
    static constexpr int commandCount = 15;

    FormHandlers(FormFace &face, TickTimer &timer, NumberSymbols numbers, std::function<double()> clock);

    // The window's controls, made through the face before it loads.
    void createControls() { m_presenter.create(); }

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

    // The click handler of Command1 … Command15, after the ticks that
    // have come due.
    void click(int command);
    // The window closes: ticking stops, and whatever was held is written.
    void close();
    // The face's wake-up: the held writes that have come due.
    void writeDue() { m_presenter.writeDue(); }
    // The screen's frame period.
    void setFrame(double milliseconds) { m_presenter.setFrame(milliseconds); }

    const MotionState &state() const { return m_state; }
    const Presenter &presenter() const { return m_presenter; }

private:
    // A command's refresh tells a screen reader what the command did; a
    // tick's refresh is paced while ticking goes on.
    void UpdateDisplay(std::optional<Speech::Changed> told, bool ticking = false);

    FormFace &m_face;
    TickTimer &m_timer;
    MotionState m_state;
    RunControl m_run;
    EditingCommands m_edit;
    Presenter m_presenter;
};

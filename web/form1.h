// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "displaycontent.h"
#include "editingcommands.h"
#include "motionstate.h"
#include "runcontrol.h"
#include "tickclock.h"

#include <emscripten/val.h>

#include <array>
#include <bitset>
#include <map>
#include <string>

struct ControlLayout;

// The page's window: the controls of the layout table as elements at
// their designed places, the commands wired to their buttons, and the
// labels and the marker written at most once per animation frame.
class Form1
{
public:
    Form1();

private:
    using Handler = void (Form1::*)();
    struct Click
    {
        Form1 *form;
        Handler handler;
    };

    void createControls();
    emscripten::val createControl(const ControlLayout &control);
    void connectHandlers();
    static int clicked(int eventType, const struct EmscriptenMouseEvent *event, void *click);
    static int frame(double time, void *form);
    void writeLabel(std::size_t index);
    std::string textOf(const char *box) const;

    void UpdateDisplay();
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
    TickClock Timer1;
    RunControl m_run;
    EditingCommands m_edit;

    DisplayContent m_shown;
    std::bitset<9> m_unwritten;
    bool m_frameRequested = false;

    emscripten::val m_document;
    std::map<std::string, emscripten::val> m_controls;
    std::array<Click, 15> m_clicks{};
    emscripten::val m_measure;   // a canvas context in the labels' font
    emscripten::val m_announcer; // the polite live region of the status
};

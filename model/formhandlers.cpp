// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formhandlers.h"

#include "formface.h"
#include "ticktimer.h"

#include <array>
#include <utility>

FormHandlers::FormHandlers(FormFace &face, TickTimer &timer, NumberSymbols numbers, std::function<double()> clock)
    : m_face(face)
    , m_timer(timer)
    , m_run(m_state, timer, numbers)
    , m_edit(m_state, numbers)
    , m_presenter(face, m_state, std::move(clock))
{
}

void FormHandlers::click(int command)
{
    using Handler = void (FormHandlers::*)();
    static const std::array<Handler, commandCount> handlers = {
        &FormHandlers::Command1_Click, &FormHandlers::Command2_Click, &FormHandlers::Command3_Click,
        &FormHandlers::Command4_Click, &FormHandlers::Command5_Click, &FormHandlers::Command6_Click,
        &FormHandlers::Command7_Click, &FormHandlers::Command8_Click, &FormHandlers::Command9_Click,
        &FormHandlers::Command10_Click, &FormHandlers::Command11_Click, &FormHandlers::Command12_Click,
        &FormHandlers::Command13_Click, &FormHandlers::Command14_Click, &FormHandlers::Command15_Click,
    };
    if (command < 1 || command > commandCount)
        return;
    m_timer.catchUp();
    (this->*handlers[std::size_t(command - 1)])();
}

void FormHandlers::close()
{
    m_timer.setInterval(0);
    m_presenter.close();
}

void FormHandlers::UpdateDisplay(std::optional<Speech::Changed> told, bool ticking)
{
    m_presenter.refresh(told, ticking);
}

using Changed = Speech::Changed;

void FormHandlers::Form_Load() { m_run.initialise(); UpdateDisplay(std::nullopt); }
void FormHandlers::Timer1_Timer() { m_run.tick(); UpdateDisplay(std::nullopt, !IsZero(m_state.run)); }
void FormHandlers::Command1_Click() { m_run.startPause(); UpdateDisplay(Changed::Status); }
void FormHandlers::Command2_Click() { m_edit.returnToOrigin(); UpdateDisplay(Changed::Position); }
void FormHandlers::Command3_Click() { m_run.reset(); UpdateDisplay(Changed::Everything); }
void FormHandlers::Command4_Click() { m_edit.nudgeAcceleration(0, +1); UpdateDisplay(Changed::Acceleration); }
void FormHandlers::Command5_Click() { m_edit.nudgeAcceleration(+1, 0); UpdateDisplay(Changed::Acceleration); }
void FormHandlers::Command6_Click() { m_edit.nudgeAcceleration(-1, 0); UpdateDisplay(Changed::Acceleration); }
void FormHandlers::Command7_Click() { m_edit.nudgeAcceleration(0, -1); UpdateDisplay(Changed::Acceleration); }
void FormHandlers::Command8_Click() { m_edit.nudgeAcceleration(-1, +1); UpdateDisplay(Changed::Acceleration); }
void FormHandlers::Command9_Click() { m_edit.nudgeAcceleration(+1, +1); UpdateDisplay(Changed::Acceleration); }
void FormHandlers::Command10_Click() { m_edit.nudgeAcceleration(-1, -1); UpdateDisplay(Changed::Acceleration); }
void FormHandlers::Command11_Click() { m_edit.nudgeAcceleration(+1, -1); UpdateDisplay(Changed::Acceleration); }
void FormHandlers::Command12_Click() { m_edit.setPosition(m_face.boxText(1), m_face.boxText(2)); UpdateDisplay(Changed::Position); }
void FormHandlers::Command13_Click() { m_edit.setVelocity(m_face.boxText(3), m_face.boxText(4)); UpdateDisplay(Changed::Velocity); }
void FormHandlers::Command14_Click() { m_edit.setAcceleration(m_face.boxText(5), m_face.boxText(6)); UpdateDisplay(Changed::Acceleration); }
void FormHandlers::Command15_Click()
{
    const bool set = m_run.setTickRate(m_face.boxText(7));
    UpdateDisplay(set ? Changed::TickRate : Changed::Status);
}

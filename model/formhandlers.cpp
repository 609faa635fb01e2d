// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formhandlers.h"

#include "formface.h"
#include "ticktimer.h"

#include <string>
#include <utility>

FormHandlers::FormHandlers(FormFace &face, TickTimer &timer, NumberSymbols numbers, std::function<double()> clock)
    : m_face(face)
    , m_timer(timer)
    , m_clock(clock)
    , m_run(m_state, timer, numbers)
    , m_edit(m_state, numbers)
    , m_schedule(std::move(clock))
    , m_width([this](const std::string &text, int fontPixels) { return m_face.textWidth(text, fontPixels); })
{
    for (std::size_t i = 0; i < m_labels.size(); ++i)
        m_labels[i] = &ControlLayout::named("Label" + std::to_string(i + 1));
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
    if (command >= 1 && command <= commandCount)
        (this->*handlers[std::size_t(command - 1)])();
}

void FormHandlers::close()
{
    m_timer.setInterval(0);
    write(m_schedule.all());
}

// Every caption is worked out at each refresh; only what changed is
// fitted and written again, when the schedule allows.
void FormHandlers::UpdateDisplay(std::optional<Speech::Changed> told)
{
    m_unwritten |= m_shown.refresh(m_state);
    const bool ticking = std::exchange(m_ticking, false) && !IsZero(m_state.run);
    m_statusTold = told && m_unwritten[m_labels.size() - 1];
    write(m_schedule.refreshed(ticking));
    // Told every time, even where the status reads as before.
    if (told)
        m_face.announce(Speech::told(m_state, *told), Speech::runState(m_state));
}

void FormHandlers::writeDue()
{
    m_wakeUp.reset();
    write(m_schedule.due());
}

void FormHandlers::write(RefreshSchedule::Writes writes)
{
    if (writes.marker) {
        const ControlLayout::Box marker = ControlLayout::markerBox(m_shown.markerLeft, m_shown.markerTop);
        if (marker != m_marker) {
            m_marker = marker;
            m_face.writeMarker(marker);
        }
    }
    if (writes.labels)
        writeLabels();
    if (writes.names)
        writeNames();
    const std::optional<double> next = m_schedule.next();
    if (next && (!m_wakeUp || *next < *m_wakeUp)) {
        m_wakeUp = next;
        m_face.wakeUpIn(*next - m_clock());
    }
}

void FormHandlers::writeLabels()
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        if (!m_unwritten[i])
            continue;
        const ControlLayout &label = *m_labels[i];
        const DisplayContent::Fitted shown = DisplayContent::fitted(
            i, m_shown.labels[i], label.textWidth(), label.labelFontPixels(), label.lines(), m_width);
        m_face.writeLabel(i, shown.text, shown.fontPixels);
        m_shortened[i] = shown.shortened;
    }
    // A screen reader hears of a new status at once, and of no tick.
    if (m_unwritten[m_labels.size() - 1] && !std::exchange(m_statusTold, false))
        m_face.announce(Speech::status(m_state), Speech::runState(m_state));
    m_unnamed |= m_unwritten;
    m_unwritten.reset();
}

void FormHandlers::writeNames()
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        if (m_unnamed[i])
            m_face.writeName(i, DisplayContent::readable(m_shown.labels[i]), m_shortened[i]);
    }
    if (m_unnamed.any())
        m_face.writeSummary(Speech::summary(m_state));
    m_unnamed.reset();
}

using Changed = Speech::Changed;

void FormHandlers::Form_Load() { m_run.initialise(); UpdateDisplay(); }
void FormHandlers::Timer1_Timer() { m_run.tick(); m_ticking = true; UpdateDisplay(); }
void FormHandlers::Command1_Click() { m_run.startPause(); UpdateDisplay(Changed::Status); }
void FormHandlers::Command2_Click() { m_edit.returnToOrigin(); UpdateDisplay(Changed::Position); }
void FormHandlers::Command3_Click() { m_run.reset(); UpdateDisplay(Changed::Status); }
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

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controlview.h"
#include "displaycontent.h"
#include "mapplace.h"
#include "motionnews.h"
#include "refreshschedule.h"
#include "speech.h"

#include <array>
#include <bitset>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class FormFace;
struct MotionState;

// The whole view of the state, worked out after every event: each
// control's text, font, place, name, description and tool tip, the Tab
// order, and what a screen reader is told. It writes through the face what
// changed, as the refresh schedule allows. Times are milliseconds of the
// clock given.
class Presenter
{
public:
    Presenter(FormFace &face, const MotionState &state, std::function<double()> clock);

    // Every control as designed, made through the face in Tab order.
    void create();
    // After a command, with what it changed, or a tick while ticking goes on.
    void refresh(std::optional<Speech::Changed> told, bool ticking);
    // The held writes that have come due.
    void writeDue();
    // Whatever is held, written at once: the window closes.
    void close();
    void setFrame(double milliseconds) { m_schedule.setFrame(milliseconds); }

    const std::vector<ControlView> &view() const { return m_view; }
    const DisplayContent &shown() const { return m_shown; }

private:
    void write(RefreshSchedule::Writes writes);
    void writeLabels();
    void writeNames();
    void apply(std::size_t control, const ControlView &next);
    // The same words told again end in a full stop, which is not read out:
    // a screen reader passes over text equal to the last it was told.
    void tell(const std::string &words);

    FormFace &m_face;
    const MotionState &m_state;
    std::function<double()> m_clock;
    RefreshSchedule m_schedule;
    DisplayContent m_shown;
    DisplayContent::TextWidth m_width;
    ControlLayout::Box m_markerBox{};
    MapPlace m_place;
    MotionNews m_news;

    std::vector<ControlView> m_view;
    std::vector<const ControlLayout *> m_layout; // of each control of the view
    std::array<std::size_t, 9> m_labels{};       // Label1 … Label9 in the view
    std::size_t m_marker = 0;
    std::bitset<9> m_unwritten, m_unnamed, m_shortened;
    std::optional<double> m_wakeUp;
    bool m_statusTold = false;
    bool m_loaded = false;
    std::string m_lastTold;
};

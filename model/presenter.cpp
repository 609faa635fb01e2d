// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presenter.h"

#include "formface.h"
#include "motionstate.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

using Kind = ControlLayout::Kind;
using Role = ControlView::Role;

Role roleOf(Kind kind)
{
    switch (kind) {
    case Kind::Frame: return Role::Panel;
    case Kind::Label: return Role::Label;
    case Kind::TextBox: return Role::TextBox;
    case Kind::Button:
    case Kind::DirectionButton: return Role::Button;
    case Kind::Picture: return Role::Image;
    }
    return Role::Label;
}

// A two-axis caption such as "ax+1ay-1" is too wide for its square
// button: it shows the ax part over the ay part.
std::string shownCaption(const ControlLayout &control)
{
    std::string caption = control.caption ? control.caption : "";
    if (const auto secondAxis = caption.find("ay");
        control.kind == Kind::DirectionButton && secondAxis != std::string::npos && secondAxis > 0)
        caption.insert(secondAxis, "\n");
    return caption;
}

int numberIn(std::string_view id, std::string_view kind)
{
    return id.substr(0, kind.size()) == kind ? std::stoi(std::string(id.substr(kind.size()))) : 0;
}

} // namespace

Presenter::Presenter(FormFace &face, const MotionState &state, std::function<double()> clock)
    : m_face(face)
    , m_state(state)
    , m_clock(clock)
    , m_schedule(std::move(clock))
    , m_width([this](const std::string &text, int fontPixels) { return m_face.textWidth(text, fontPixels); })
{
    for (const ControlLayout &control : ControlLayout::table())
        m_layout.push_back(&control);
    std::stable_sort(m_layout.begin(), m_layout.end(),
                     [](const ControlLayout *a, const ControlLayout *b) { return a->tabIndex < b->tabIndex; });
    const auto indexOf = [this](std::string_view id) {
        const auto found = std::find_if(m_view.begin(), m_view.end(), [&](const ControlView &c) { return c.id == id; });
        if (found == m_view.end())
            throw std::logic_error("no control " + std::string(id) + " before it is needed");
        return std::size_t(found - m_view.begin());
    };
    for (const ControlLayout *control : m_layout) {
        ControlView view;
        view.id = control->name;
        view.role = roleOf(control->kind);
        view.number = view.role == Role::TextBox ? numberIn(view.id, "Text") : numberIn(view.id, "Command");
        view.container = control->container ? int(indexOf(control->container)) : -1;
        view.box = control->box();
        view.text = shownCaption(*control);
        view.fontPixels = control->kind == Kind::Label ? control->labelFontPixels() : ControlLayout::fontPixels;
        view.linePixels = control->linePixels();
        view.name = control->accessibleName ? control->accessibleName
            : control->kind == Kind::DirectionButton ? Speech::caption(control->caption)
            : control->caption ? control->caption : "";
        view.description = control->accessibleDescription ? control->accessibleDescription : "";
        m_view.push_back(std::move(view));
    }
    for (std::size_t i = 0; i < m_labels.size(); ++i)
        m_labels[i] = indexOf("Label" + std::to_string(i + 1));
    m_view[m_labels[DisplayContent::statusLabel]].role = Role::StatusBar;
    m_marker = indexOf("Picture1");
}

void Presenter::create()
{
    for (const ControlView &control : m_view)
        m_face.create(control);
}

// Every caption is worked out at each refresh; only what changed is
// fitted and written again, when the schedule allows.
void Presenter::refresh(std::optional<Speech::Changed> told, bool ticking)
{
    m_unwritten |= m_shown.refresh(m_state);
    m_markerBox = ControlLayout::markerBox(m_shown.markerLeft, m_shown.markerTop);
    m_place = MapPlace::of(m_markerBox);
    if (ticking)
        m_news.ticked(m_place, m_state);
    else
        m_news.settle(m_place, m_state);
    // The window's first status is read with the window, not told.
    m_statusTold = !std::exchange(m_loaded, true) || (told && m_unwritten[DisplayContent::statusLabel]);
    write(m_schedule.refreshed(ticking));
    // Told every time, even where the status reads as before.
    if (told)
        tell(Speech::told(m_state, *told, m_place));
    else if (const std::optional<std::string> news = m_news.due(m_clock()))
        tell(*news);
}

void Presenter::writeDue()
{
    m_wakeUp.reset();
    write(m_schedule.due());
}

void Presenter::close()
{
    write(m_schedule.all());
}

void Presenter::write(RefreshSchedule::Writes writes)
{
    if (writes.marker) {
        ControlView marker = m_view[m_marker];
        marker.box = m_markerBox;
        apply(m_marker, marker);
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

void Presenter::writeLabels()
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        if (!m_unwritten[i])
            continue;
        const std::size_t control = m_labels[i];
        const ControlLayout &label = *m_layout[control];
        const DisplayContent::Fitted shown = DisplayContent::fitted(
            i, m_shown.labels[i], label.textWidth(), label.labelFontPixels(), label.lines(), m_width);
        ControlView next = m_view[control];
        next.text = shown.text;
        next.fontPixels = shown.fontPixels;
        apply(control, next);
        m_shortened[i] = shown.shortened;
    }
    // A screen reader hears of a new status at once, and of no tick.
    if (m_unwritten[DisplayContent::statusLabel] && !std::exchange(m_statusTold, false))
        tell(Speech::status(m_state));
    m_unnamed |= m_unwritten;
    m_unwritten.reset();
}

// What a screen reader reads of each label is its whole caption, of the
// status bar the motion and every quantity in one sentence, and of the
// marker its place; a shortened label shows its caption as a tool tip too.
void Presenter::writeNames()
{
    ControlView marker = m_view[m_marker];
    marker.name = "运动点，" + m_place.words();
    apply(m_marker, marker);
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        if (!m_unnamed[i] && !(i == DisplayContent::statusLabel && m_unnamed.any()))
            continue;
        ControlView next = m_view[m_labels[i]];
        const std::string caption = DisplayContent::readable(m_shown.labels[i]);
        next.name = i == DisplayContent::statusLabel ? Speech::summary(m_state, m_place) : caption;
        next.toolTip = m_shortened[i] ? caption : std::string();
        apply(m_labels[i], next);
    }
    m_unnamed.reset();
}

void Presenter::apply(std::size_t control, const ControlView &next)
{
    if (const unsigned parts = m_view[control].changed(next)) {
        m_view[control] = next;
        m_face.update(control, m_view[control], parts);
    }
}

void Presenter::tell(const std::string &words)
{
    m_lastTold = words == m_lastTold ? words + "。" : words;
    m_face.announce(m_lastTold);
}

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "controllayout.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

using emscripten::val;

namespace {

// The labels' font, and the page's: the system's Chinese fonts.
constexpr const char *labelFont =
    "12px 'Microsoft YaHei', 'PingFang SC', 'Noto Sans CJK SC', 'WenQuanYi Micro Hei', sans-serif";
constexpr int markerRing = 1;

std::string pixels(int value)
{
    return std::to_string(value) + "px";
}

int toPixels(int twips)
{
    return twips / ControlLayout::twipsPerPixel;
}

// Far outside the map, yet a position any element can take.
int markerPixels(float twips)
{
    constexpr float limit = 1e6f;
    return int(std::lround(std::clamp(twips / ControlLayout::twipsPerPixel, -limit, limit)));
}

char32_t onlyCodePoint(const std::u32string &text, char32_t otherwise)
{
    return text.size() == 1 ? text.front() : otherwise;
}

std::u32string codePoints(const val &text)
{
    std::u32string points;
    const val all = val::global("Array").call<val>("from", text);
    for (int i = 0, n = all["length"].as<int>(); i < n; ++i)
        points += char32_t(all[i].call<int>("codePointAt", 0));
    return points;
}

// Typed numbers are read as the browser's language writes them: its
// decimal separator and its digits, as Intl formats 1.5 and 0.
NumberSymbols browserNumbers()
{
    const val format = val::global("Intl")["NumberFormat"].new_(val::global("navigator")["language"]);
    NumberSymbols numbers;
    const val parts = format.call<val>("formatToParts", 1.5);
    for (int i = 0, n = parts["length"].as<int>(); i < n; ++i) {
        if (parts[i]["type"].as<std::string>() == "decimal")
            numbers.decimalSeparator = onlyCodePoint(codePoints(parts[i]["value"]), U'.');
    }
    numbers.zeroDigit = onlyCodePoint(codePoints(format.call<val>("format", 0)), U'0');
    return numbers;
}

// A caption or message as a tool tip or a screen reader takes it.
val readable(const std::string &text)
{
    constexpr int longest = 1000;
    const val whole(text);
    return whole["length"].as<int>() <= longest ? whole
                                                 : whole.call<val>("slice", 0, longest).call<val>("concat", std::string("…"));
}

void setBox(val &element, int left, int top, int width, int height)
{
    val style = element["style"];
    style.set("left", pixels(left));
    style.set("top", pixels(top));
    style.set("width", pixels(width));
    style.set("height", pixels(height));
}

} // namespace

Form1::Form1()
    : Timer1([this] { Timer1_Timer(); })
    , m_run(m_state, Timer1, browserNumbers())
    , m_edit(m_state, browserNumbers())
    , m_document(val::global("document"))
    , m_measure(m_document.call<val>("createElement", std::string("canvas")).call<val>("getContext", std::string("2d")))
    , m_announcer(m_document.call<val>("getElementById", std::string("announcer")))
{
    m_measure.set("font", labelFont);
    createControls();
    connectHandlers();
    Form_Load();
}

void Form1::createControls()
{
    val window = m_document.call<val>("getElementById", std::string("Form1"));
    std::vector<const ControlLayout *> order;
    for (const ControlLayout &control : ControlLayout::table()) {
        val element = createControl(control);
        element.set("id", control.name);
        int left = toPixels(control.left), top = toPixels(control.top);
        int width = toPixels(control.width), height = toPixels(control.height);
        // The marker's ring takes a pixel left of and above its box.
        if (control.kind == ControlLayout::Kind::Picture) {
            left -= markerRing;
            top -= markerRing;
            width += markerRing;
            height += markerRing;
        }
        setBox(element, left, top, width, height);
        if (control.help)
            element.call<void>("setAttribute", std::string("aria-description"), std::string(control.help));
        m_controls.emplace(control.name, element);
        order.push_back(&control);
    }
    // Each container holds its controls in tab order, as Tab then goes.
    std::stable_sort(order.begin(), order.end(),
                     [](const ControlLayout *a, const ControlLayout *b) { return a->tabIndex < b->tabIndex; });
    for (const ControlLayout *control : order) {
        val container = control->container ? m_controls.at(control->container) : window;
        container.call<void>("appendChild", m_controls.at(control->name));
    }
}

val Form1::createControl(const ControlLayout &control)
{
    const auto element = [this](const char *tag, const char *className) {
        val created = m_document.call<val>("createElement", std::string(tag));
        created.set("className", className);
        return created;
    };
    const std::string caption = control.caption ? control.caption : "";
    switch (control.kind) {
    case ControlLayout::Kind::Frame: {
        val frame = element("div", "frame");
        frame.call<void>("setAttribute", std::string("role"), std::string("group"));
        frame.call<void>("setAttribute", std::string("aria-label"), caption);
        val title = element("span", "caption");
        title.set("textContent", caption);
        frame.call<void>("appendChild", title);
        return frame;
    }
    case ControlLayout::Kind::Label: {
        // What the box shows, and the whole caption that is read. A label
        // as tall as two lines of the 12-pixel font shows two lines.
        const bool twoLines = toPixels(control.height) >= 2 * 12;
        val label = element("div", twoLines ? "label status" : "label");
        val shown = element("span", "shown");
        shown.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
        shown.set("textContent", caption);
        val whole = element("span", "whole");
        whole.set("textContent", caption);
        label.call<void>("appendChild", shown);
        label.call<void>("appendChild", whole);
        return label;
    }
    case ControlLayout::Kind::TextBox: {
        val box = element("input", "box");
        box.set("type", "text");
        box.set("value", caption);
        box.set("spellcheck", false);
        box.set("autocomplete", "off");
        if (control.description)
            box.call<void>("setAttribute", std::string("aria-label"), std::string(control.description));
        return box;
    }
    case ControlLayout::Kind::Button: {
        val button = element("button", "button");
        button.set("type", "button");
        button.set("textContent", caption);
        return button;
    }
    case ControlLayout::Kind::DirectionButton: {
        // Two lines, one axis each; the name is the caption.
        val button = element("button", "button direction");
        button.set("type", "button");
        std::string lines = caption;
        if (const auto secondAxis = lines.find("ay"); secondAxis != std::string::npos && secondAxis > 0)
            lines.insert(secondAxis, "\n");
        button.set("textContent", lines);
        button.call<void>("setAttribute", std::string("aria-label"), caption);
        return button;
    }
    case ControlLayout::Kind::Picture: {
        val marker = element("div", "marker");
        marker.call<void>("setAttribute", std::string("role"), std::string("img"));
        if (control.description)
            marker.call<void>("setAttribute", std::string("aria-label"), std::string(control.description));
        return marker;
    }
    }
    return element("div", "");
}

void Form1::connectHandlers()
{
    const Handler handlers[] = {
        &Form1::Command1_Click, &Form1::Command2_Click, &Form1::Command3_Click,
        &Form1::Command4_Click, &Form1::Command5_Click, &Form1::Command6_Click,
        &Form1::Command7_Click, &Form1::Command8_Click, &Form1::Command9_Click,
        &Form1::Command10_Click, &Form1::Command11_Click, &Form1::Command12_Click,
        &Form1::Command13_Click, &Form1::Command14_Click, &Form1::Command15_Click,
    };
    for (std::size_t i = 0; i < m_clicks.size(); ++i) {
        m_clicks[i] = {this, handlers[i]};
        const std::string target = "#Command" + std::to_string(i + 1);
        emscripten_set_click_callback(target.c_str(), &m_clicks[i], false, &Form1::clicked);
    }
}

int Form1::clicked(int, const EmscriptenMouseEvent *, void *click)
{
    const auto *handler = static_cast<const Click *>(click);
    (handler->form->*handler->handler)();
    return 1;
}

std::string Form1::textOf(const char *box) const
{
    return m_controls.at(box)["value"].as<std::string>();
}

// The refresh works out the captions at once; the page shows them at the
// next animation frame, however many ticks come before it.
void Form1::UpdateDisplay()
{
    m_unwritten |= m_shown.refresh(m_state);
    if (!m_frameRequested) {
        m_frameRequested = true;
        emscripten_request_animation_frame(&Form1::frame, this);
    }
}

int Form1::frame(double, void *form)
{
    auto *self = static_cast<Form1 *>(form);
    self->m_frameRequested = false;
    val marker = self->m_controls.at("Picture1")["style"];
    marker.set("left", pixels(markerPixels(self->m_shown.markerLeft) - markerRing));
    marker.set("top", pixels(markerPixels(self->m_shown.markerTop) - markerRing));
    for (std::size_t i = 0; i < self->m_shown.labels.size(); ++i) {
        if (self->m_unwritten[i])
            self->writeLabel(i);
    }
    // A screen reader hears of a new status, and of no tick.
    if (self->m_unwritten[8])
        self->m_announcer.set("textContent", readable(DisplayText(self->m_state.zt)));
    self->m_unwritten.reset();
    return 0;
}

// A label shows what its box can hold of its caption, and then the whole
// caption as its tool tip; what is read is always the whole caption.
void Form1::writeLabel(std::size_t index)
{
    val label = m_controls.at("Label" + std::to_string(index + 1));
    const std::string &caption = m_shown.labels[index];
    const bool status = index == m_shown.labels.size() - 1;
    std::string shown = caption;
    if (!status) {
        const double width = label["clientWidth"].as<double>();
        shown = DisplayContent::fitted(index, caption, [this, width](const std::string &text) {
            return m_measure.call<val>("measureText", text)["width"].as<double>() <= width;
        });
    }
    label["firstChild"].set("textContent", shown);
    label["lastChild"].set("textContent", readable(caption));
    // Two lines cut by the style sheet: shortened when they overflow.
    const val shownLines = label["firstChild"];
    const bool shortened = status ? shownLines["scrollHeight"].as<int>() > shownLines["clientHeight"].as<int>()
                                  : shown != caption;
    label.set("title", shortened ? readable(caption) : val(std::string()));
}

void Form1::Form_Load() { m_run.initialise(); UpdateDisplay(); }
void Form1::Timer1_Timer() { m_run.tick(); UpdateDisplay(); }
void Form1::Command1_Click() { m_run.startPause(); UpdateDisplay(); }
void Form1::Command2_Click() { m_edit.returnToOrigin(); UpdateDisplay(); }
void Form1::Command3_Click() { m_run.reset(); UpdateDisplay(); }
void Form1::Command4_Click() { m_edit.nudgeAcceleration(0, +1); UpdateDisplay(); }
void Form1::Command5_Click() { m_edit.nudgeAcceleration(+1, 0); UpdateDisplay(); }
void Form1::Command6_Click() { m_edit.nudgeAcceleration(-1, 0); UpdateDisplay(); }
void Form1::Command7_Click() { m_edit.nudgeAcceleration(0, -1); UpdateDisplay(); }
void Form1::Command8_Click() { m_edit.nudgeAcceleration(-1, +1); UpdateDisplay(); }
void Form1::Command9_Click() { m_edit.nudgeAcceleration(+1, +1); UpdateDisplay(); }
void Form1::Command10_Click() { m_edit.nudgeAcceleration(-1, -1); UpdateDisplay(); }
void Form1::Command11_Click() { m_edit.nudgeAcceleration(+1, -1); UpdateDisplay(); }
void Form1::Command12_Click() { m_edit.setPosition(textOf("Text1"), textOf("Text2")); UpdateDisplay(); }
void Form1::Command13_Click() { m_edit.setVelocity(textOf("Text3"), textOf("Text4")); UpdateDisplay(); }
void Form1::Command14_Click() { m_edit.setAcceleration(textOf("Text5"), textOf("Text6")); UpdateDisplay(); }
void Form1::Command15_Click() { m_run.setTickRate(textOf("Text7")); UpdateDisplay(); }

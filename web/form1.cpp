// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <vector>

using emscripten::val;

namespace {

std::string pixels(int value)
{
    return std::to_string(value) + "px";
}

// The window's fonts, as CSS names them.
std::string fontFamilies()
{
    std::string families;
    for (const char *family : ControlLayout::fontFamilies)
        families += "'" + std::string(family) + "', ";
    return families + "sans-serif";
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

void setBox(val &element, const ControlLayout::Box &box)
{
    val style = element["style"];
    style.set("left", pixels(box.left));
    style.set("top", pixels(box.top));
    style.set("width", pixels(box.width));
    style.set("height", pixels(box.height));
}

} // namespace

Form1::Form1()
    : Timer1([this] { m_handlers.Timer1_Timer(); })
    , m_handlers(*this, Timer1, browserNumbers(), emscripten_get_now)
    , m_document(val::global("document"))
    , m_measure(m_document.call<val>("createElement", std::string("canvas")).call<val>("getContext", std::string("2d")))
    , m_announcer(m_document.call<val>("getElementById", std::string("announcer")))
{
    createControls();
    connectHandlers();
    fitScreen();
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, false, &Form1::resized);
    m_handlers.Form_Load();
}

void Form1::createControls()
{
    val window = m_document.call<val>("getElementById", std::string("Form1"));
    m_controls.emplace("Form1", window);
    window["style"].set("fontFamily", fontFamilies());
    window["style"].set("fontSize", pixels(ControlLayout::fontPixels));
    std::vector<const ControlLayout *> order;
    for (const ControlLayout &control : ControlLayout::table()) {
        val element = createControl(control);
        element.set("id", control.name);
        setBox(element, control.box());
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
        val frame = element("section", "frame");
        frame.call<void>("setAttribute", std::string("aria-label"), caption);
        val title = element("span", "caption");
        title.set("textContent", caption);
        frame.call<void>("appendChild", title);
        return frame;
    }
    case ControlLayout::Kind::Label: {
        // What the box shows, hidden from screen readers, which read the
        // whole caption as the label's name: a new name is cheap for them
        // to pass over where new text is not.
        val label = element("div", "label");
        label.call<void>("setAttribute", std::string("role"), std::string(control.lines() > 1 ? "status" : "group"));
        if (control.lines() > 1) // the status bar; the announcer tells of news
            label.call<void>("setAttribute", std::string("aria-live"), std::string("off"));
        label.call<void>("setAttribute", std::string("aria-label"), caption);
        label["style"].set("fontSize", pixels(control.labelFontPixels()));
        label["style"].set("lineHeight", pixels(control.linePixels()));
        val shown = element("span", "shown");
        shown.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
        shown.set("textContent", caption);
        label.call<void>("appendChild", shown);
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
        if (control.description)
            button.call<void>("setAttribute", std::string("aria-label"), std::string(control.description));
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
    for (int i = 1; i <= FormHandlers::commandCount; ++i) {
        m_clicks[std::size_t(i - 1)] = {this, i};
        const std::string target = "#Command" + std::to_string(i);
        emscripten_set_click_callback(target.c_str(), &m_clicks[std::size_t(i - 1)], false, &Form1::clicked);
    }
}

int Form1::clicked(int, const EmscriptenMouseEvent *, void *click)
{
    const auto *button = static_cast<const Click *>(click);
    button->form->m_handlers.click(button->command);
    return 1;
}

void Form1::wake(void *form)
{
    auto *self = static_cast<Form1 *>(form);
    self->m_wakeUp = 0;
    self->m_handlers.writeDue();
}

std::string Form1::boxText(int box) const
{
    return m_controls.at("Text" + std::to_string(box))["value"].as<std::string>();
}

double Form1::textWidth(const std::string &text, int fontPixels) const
{
    if (fontPixels != m_measuredPixels) {
        m_measuredPixels = fontPixels;
        val(m_measure).set("font", pixels(fontPixels) + " " + fontFamilies());
    }
    return m_measure.call<val>("measureText", text)["width"].as<double>();
}

void Form1::writeMarker(const ControlLayout::Box &box)
{
    val marker = m_controls.at("Picture1")["style"];
    marker.set("left", pixels(box.left));
    marker.set("top", pixels(box.top));
}

void Form1::writeLabel(std::size_t label, const std::string &shown, int fontPixels)
{
    val element = m_controls.at("Label" + std::to_string(label + 1));
    element["style"].set("fontSize", pixels(fontPixels));
    element["firstChild"].set("textContent", shown);
}

void Form1::writeName(std::size_t label, const std::string &caption, bool shortened)
{
    val element = m_controls.at("Label" + std::to_string(label + 1));
    // The status bar's name is the whole state, which Orca reads on demand.
    if (element.call<std::string>("getAttribute", std::string("role")) != "status")
        element.call<void>("setAttribute", std::string("aria-label"), caption);
    const std::string title = shortened ? caption : std::string();
    if (element["title"].as<std::string>() != title)
        element.set("title", title);
}

// Orca passes over text inserted into a live region that is the same as
// the last it took: the same words again end in a full stop, which is not
// read out, and come in a new element.
void Form1::announce(const std::string &message, const std::string &runState)
{
    m_lastSaid = message == m_lastSaid ? message + "。" : message;
    val said = m_document.call<val>("createElement", std::string("p"));
    said.set("textContent", m_lastSaid);
    m_announcer.call<void>("replaceChildren", said);
    m_controls.at("Command1").call<void>("setAttribute", std::string("aria-description"), runState);
}

void Form1::writeSummary(const std::string &summary)
{
    m_controls.at("Label9").call<void>("setAttribute", std::string("aria-label"), summary);
}

int Form1::resized(int, const EmscriptenUiEvent *, void *form)
{
    static_cast<Form1 *>(form)->fitScreen();
    return 0;
}

// The whole window, as large as the browser's window holds it.
void Form1::fitScreen()
{
    const val screen = m_document["documentElement"];
    const double scale = ControlLayout::scaleToFit(screen["clientWidth"].as<double>(), screen["clientHeight"].as<double>());
    m_controls.at("Form1")["style"].call<void>("setProperty", std::string("--scale"), std::to_string(scale));
}

void Form1::wakeUpIn(double milliseconds)
{
    if (m_wakeUp)
        emscripten_clear_timeout(m_wakeUp);
    m_wakeUp = emscripten_set_timeout(&Form1::wake, std::max(0.0, milliseconds), this);
}

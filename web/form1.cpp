// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include <emscripten/html5.h>

#include <algorithm>

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

char32_t onlyCodePoint(const val &text, char32_t otherwise)
{
    const val points = val::global("Array").call<val>("from", text);
    return points["length"].as<int>() == 1 ? char32_t(points[0].call<int>("codePointAt", 0)) : otherwise;
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
            numbers.decimalSeparator = onlyCodePoint(parts[i]["value"], U'.');
    }
    numbers.zeroDigit = onlyCodePoint(format.call<val>("format", 0), U'0');
    return numbers;
}

void setAttribute(val &element, const char *name, const std::string &value)
{
    if (value.empty())
        element.call<void>("removeAttribute", std::string(name));
    else
        element.call<void>("setAttribute", std::string(name), value);
}

} // namespace

Form1::Form1()
    : m_tickTimer([this] { m_handlers.Timer1_Timer(); })
    , m_handlers(*this, m_tickTimer, browserNumbers(), emscripten_get_now)
    , m_document(val::global("document"))
    , m_window(m_document.call<val>("getElementById", std::string("Form1")))
    , m_measure(m_document.call<val>("createElement", std::string("canvas")).call<val>("getContext", std::string("2d")))
    , m_announcer(m_document.call<val>("getElementById", std::string("announcer")))
{
    m_window["style"].set("fontFamily", fontFamilies());
    m_window["style"].set("fontSize", pixels(ControlLayout::fontPixels));
    m_handlers.createControls();
    fitScreen();
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, false, &Form1::resized);
    m_handlers.Form_Load();
}

// Each container holds its controls in the view's order, as Tab then goes.
void Form1::create(const ControlView &control)
{
    using Role = ControlView::Role;
    const auto element = [this](const char *tag, const char *className) {
        val created = m_document.call<val>("createElement", std::string(tag));
        created.set("className", className);
        return created;
    };
    Element made;
    switch (control.role) {
    case Role::Panel:
        made.node = element("section", "frame");
        // The section's name is its caption: the caption's text is only shown.
        made.text = element("span", "caption");
        made.text.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
        made.node.call<void>("appendChild", made.text);
        break;
    case Role::Label:
    case Role::StatusBar:
        // What the box shows is hidden from screen readers, which read the
        // label's name: a new name is cheap for them to pass over where new
        // text is not. The status bar tells no news; the announcer does.
        made.node = element("div", "label");
        made.node.call<void>("setAttribute", std::string("role"), std::string(control.role == Role::Label ? "group" : "status"));
        if (control.role == Role::StatusBar)
            made.node.call<void>("setAttribute", std::string("aria-live"), std::string("off"));
        made.node["style"].set("lineHeight", pixels(control.linePixels));
        made.text = element("span", "shown");
        made.text.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
        made.node.call<void>("appendChild", made.text);
        break;
    case Role::TextBox:
        made.node = element("input", "box");
        made.node.set("type", "text");
        made.node.set("spellcheck", false);
        made.node.set("autocomplete", "off");
        m_boxes.at(std::size_t(control.number - 1)) = made.node;
        break;
    case Role::Button:
        made.node = made.text = element("button", "button");
        made.node.set("type", "button");
        break;
    case Role::Image:
        made.node = element("div", "marker");
        made.node.call<void>("setAttribute", std::string("role"), std::string("img"));
        break;
    }
    if (control.role == Role::TextBox)
        made.text = made.node;
    made.node.set("id", control.id);
    (control.container < 0 ? m_window : m_controls.at(std::size_t(control.container)).node)
        .call<void>("appendChild", made.node);
    m_controls.push_back(made);
    update(m_controls.size() - 1, control, ~0u);
    if (control.role == Role::Button) {
        Click &click = m_clicks.at(std::size_t(control.number - 1));
        click = {this, control.number};
        emscripten_set_click_callback(("#" + control.id).c_str(), &click, false, &Form1::clicked);
    }
}

void Form1::update(std::size_t control, const ControlView &view, unsigned parts)
{
    Element &element = m_controls[control];
    val style = element.node["style"];
    if (parts & ControlView::Place) {
        style.set("left", pixels(view.box.left));
        style.set("top", pixels(view.box.top));
        style.set("width", pixels(view.box.width));
        style.set("height", pixels(view.box.height));
    }
    if ((parts & ControlView::Font) && view.role != ControlView::Role::Image)
        style.set("fontSize", pixels(view.fontPixels));
    if ((parts & ControlView::Text) && view.role != ControlView::Role::Image)
        element.text.set(view.role == ControlView::Role::TextBox ? "value" : "textContent", view.text);
    if (parts & ControlView::Name)
        setAttribute(element.node, "aria-label", view.name);
    if (parts & ControlView::Description)
        setAttribute(element.node, "aria-description", view.description);
    if (parts & ControlView::ToolTip)
        element.node.set("title", view.toolTip);
}

void Form1::announce(const std::string &words)
{
    val said = m_document.call<val>("createElement", std::string("p"));
    said.set("textContent", words);
    m_announcer.call<void>("replaceChildren", said);
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
    return m_boxes.at(std::size_t(box - 1))["value"].as<std::string>();
}

double Form1::textWidth(const std::string &text, int fontPixels) const
{
    if (fontPixels != m_measuredPixels) {
        m_measuredPixels = fontPixels;
        val(m_measure).set("font", pixels(fontPixels) + " " + fontFamilies());
    }
    return m_measure.call<val>("measureText", text)["width"].as<double>();
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
    m_window["style"].call<void>("setProperty", std::string("--scale"), std::to_string(scale));
}

void Form1::wakeUpIn(double milliseconds)
{
    if (m_wakeUp)
        emscripten_clear_timeout(m_wakeUp);
    m_wakeUp = emscripten_set_timeout(&Form1::wake, std::max(0.0, milliseconds), this);
}

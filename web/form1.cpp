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

// Typed numbers are read as the browser's language writes them: its
// decimal separator and its digits, as Intl writes 1.5 and 0.
NumberSymbols browserNumbers()
{
    const val format = val::global("Intl")["NumberFormat"].new_(val::global("navigator")["language"]);
    const auto written = [&](double n) { return val::global("Array").call<val>("from", format.call<val>("format", n)); };
    const val half = written(1.5), zero = written(0);
    NumberSymbols numbers;
    if (half["length"].as<int>() == 3)
        numbers.decimalSeparator = char32_t(half[1].call<int>("codePointAt", 0));
    if (zero["length"].as<int>() == 1)
        numbers.zeroDigit = char32_t(zero[0].call<int>("codePointAt", 0));
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
// What a panel or a label shows is hidden from screen readers, which read
// its name: a new name is cheap for them to pass over where new text is
// not. The status bar tells no news; the announcer does.
void Form1::create(const ControlView &control)
{
    struct Kind
    {
        const char *tag, *className, *role;
        bool shownApart;
    };
    static const Kind kinds[] = {{"section", "frame", nullptr, true}, {"div", "label", "group", true},
                                 {"div", "label", "status", true},    {"button", "button", nullptr, false},
                                 {"input", "box", nullptr, false},     {"div", "marker", "img", false}};
    const Kind &kind = kinds[int(control.role)];
    const auto element = [this](const char *tag, const char *className) {
        val created = m_document.call<val>("createElement", std::string(tag));
        created.set("className", className);
        return created;
    };
    Element made{element(kind.tag, kind.className)};
    made.text = made.node;
    if (kind.role)
        made.node.call<void>("setAttribute", std::string("role"), std::string(kind.role));
    if (kind.shownApart) {
        made.text = element("span", control.role == ControlView::Role::Panel ? "caption" : "shown");
        made.text.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
        made.node.call<void>("appendChild", made.text);
    }
    if (control.role == ControlView::Role::Label || control.role == ControlView::Role::StatusBar)
        made.node["style"].set("lineHeight", pixels(control.linePixels));
    if (control.role == ControlView::Role::StatusBar)
        made.node.call<void>("setAttribute", std::string("aria-live"), std::string("off"));
    if (control.role == ControlView::Role::TextBox) {
        made.node.set("spellcheck", false);
        made.node.set("autocomplete", "off");
        m_boxes.at(std::size_t(control.number - 1)) = made.node;
    }
    if (control.takesFocus())
        made.node.set("type", control.role == ControlView::Role::TextBox ? "text" : "button");
    made.node.set("id", control.id);
    (control.container < 0 ? m_window : m_controls.at(std::size_t(control.container)).node)
        .call<void>("appendChild", made.node);
    m_controls.push_back(made);
    update(m_controls.size() - 1, control, ~0u);
    if (control.role == ControlView::Role::Button) {
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
    Form1 &self = *static_cast<Form1 *>(form);
    self.m_wakeUp = 0;
    self.m_handlers.writeDue();
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

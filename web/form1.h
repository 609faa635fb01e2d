// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formface.h"
#include "formhandlers.h"
#include "steadytimer.h"

#include <emscripten/val.h>

#include <array>
#include <string>
#include <vector>

// The page's window: its elements are made from the model's view, and its
// buttons forward their clicks to the window's handlers, which decide what
// the page shows and when; the page only writes it.
class Form1 : private FormFace
{
public:
    Form1();

private:
    struct Click { Form1 *form; int command; };
    // A control's element, and the one that shows its text.
    struct Element
    {
        emscripten::val node = emscripten::val::undefined(), text = emscripten::val::undefined();
    };

    void create(const ControlView &control) override;
    void update(std::size_t control, const ControlView &view, unsigned parts) override;
    std::string boxText(int box) const override;
    double textWidth(const std::string &text, int fontPixels) const override;
    void announce(const std::string &words) override;
    void wakeUpIn(double milliseconds) override;

    static int clicked(int eventType, const struct EmscriptenMouseEvent *event, void *click);
    static void wake(void *form);
    static int resized(int eventType, const struct EmscriptenUiEvent *event, void *form);
    void fitScreen();

    SteadyTimer m_tickTimer;
    FormHandlers m_handlers;
    emscripten::val m_document, m_window;
    std::vector<Element> m_controls; // as the view numbers them
    std::vector<emscripten::val> m_boxes = std::vector(7, emscripten::val::undefined());
    std::array<Click, FormHandlers::commandCount> m_clicks{};
    emscripten::val m_measure; // a canvas context in the labels' font
    mutable int m_measuredPixels = 0;
    emscripten::val m_announcer; // the polite live region of what is told
    long m_wakeUp = 0;
};

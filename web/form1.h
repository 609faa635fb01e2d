// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formface.h"
#include "formhandlers.h"
#include "tickclock.h"

#include <emscripten/val.h>

#include <array>
#include <map>
#include <string>

// The page's window: the controls of the layout table as elements at
// their designed places. Its buttons forward their clicks to the window's
// handlers, which decide what the page shows and when; the page only
// writes it.
class Form1 : private FormFace
{
public:
    Form1();

private:
    // What the window's handlers read.
    std::string boxText(int box) const override;
    double textWidth(const std::string &text, int fontPixels) const override;

    struct Click
    {
        Form1 *form;
        int command;
    };

    void createControls();
    emscripten::val createControl(const ControlLayout &control);
    void connectHandlers();
    static int clicked(int eventType, const struct EmscriptenMouseEvent *event, void *click);
    static void wake(void *form);
    static int resized(int eventType, const struct EmscriptenUiEvent *event, void *form);
    void fitScreen();

    // What the handlers write.
    void writeMarker(const ControlLayout::Box &box) override;
    void writeLabel(std::size_t label, const std::string &shown, int fontPixels) override;
    void writeName(std::size_t label, const std::string &caption, bool shortened) override;
    void announce(const std::string &message, const std::string &runState) override;
    void writeSummary(const std::string &summary) override;

    TickClock Timer1;
    FormHandlers m_handlers;

    emscripten::val m_document;
    std::map<std::string, emscripten::val> m_controls;
    std::array<Click, FormHandlers::commandCount> m_clicks{};
    emscripten::val m_measure;   // a canvas context in the labels' font
    mutable int m_measuredPixels = 0;
    emscripten::val m_announcer; // the polite live region of what is told
    std::string m_lastSaid;
    void wakeUpIn(double milliseconds) override;
    long m_wakeUp = 0;
};

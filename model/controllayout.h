// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

// One control of the main window as designed: its place and size in twips
// (1/1440 inch, 15 to a pixel), measured from its container's top-left corner.
struct ControlLayout
{
    enum class Kind { Frame, Label, TextBox, Button, DirectionButton, Picture };

    const char *name;
    Kind kind;
    const char *container; // nullptr: the window itself
    const char *caption;   // caption, initial text, or nullptr
    int left, top, width, height;
    int tabIndex;
    const char *description = nullptr; // what a text box or the marker holds
    const char *help = nullptr;        // what a button does, in words

    static constexpr int twipsPerPixel = 15;
    static constexpr int windowWidth = 11055;
    static constexpr int windowHeight = 8295;

    // Containers come before the controls they hold.
    static std::span<const ControlLayout> table();
};

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controllayout.h"

#include <string>

// One control as the window shows it and as assistive technology takes
// it, the same on every face: its role, place, shown text and font, and
// its accessible name, description and tool tip.
struct ControlView
{
    enum class Role { Panel, Label, StatusBar, Button, TextBox, Image };
    // The parts a face writes again when they change.
    enum Part : unsigned { Text = 1, Font = 2, Place = 4, Name = 8, Description = 16, ToolTip = 32 };

    std::string id; // the control's name, such as "Command1"
    Role role = Role::Label;
    int number = 0; // of a button or a text box: 1 for Command1 or Text1
    int container = -1; // the index of the panel that holds it; -1 for the window
    ControlLayout::Box box{};
    std::string text; // lines apart by "\n"
    int fontPixels = ControlLayout::fontPixels;
    int linePixels = ControlLayout::fontPixels;
    std::string name, description, toolTip;

    bool takesFocus() const { return role == Role::Button || role == Role::TextBox; }

    // The parts in which the other differs from this one.
    unsigned changed(const ControlView &other) const
    {
        return (text != other.text ? Text : 0u) | (fontPixels != other.fontPixels ? Font : 0u)
            | (box != other.box ? Place : 0u) | (name != other.name ? Name : 0u)
            | (description != other.description ? Description : 0u) | (toolTip != other.toolTip ? ToolTip : 0u);
    }
};

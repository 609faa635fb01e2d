// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "value.h"

#include <string>
#include <string_view>

struct MotionState;

// The commands that change position, velocity and acceleration while
// ticking is on or off. None of these refresh the display; their caller does.
class EditingCommands
{
public:
    explicit EditingCommands(MotionState &state, NumberSymbols numbers = {})
        : m_state(state), m_numbers(numbers) {}

    // One unit of acceleration in each of dax and day (each -1, 0 or +1).
    void nudgeAcceleration(int dax, int day);
    void setPosition(std::string_view xText, std::string_view yText);
    void setVelocity(std::string_view xText, std::string_view yText);
    void setAcceleration(std::string_view xText, std::string_view yText);
    void returnToOrigin();

private:
    void setPair(Value &xField, Value &yField, std::string_view xText, std::string_view yText,
                 const char *quantity, const char *leadWords);

    MotionState &m_state;
    NumberSymbols m_numbers;
};

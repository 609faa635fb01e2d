// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "value.h"

#include <string_view>

struct MotionState;
class TickTimer;

// Whether and how fast the tick happens, and the way back to the
// initial state. None of these refresh the display; their caller does.
class RunControl
{
public:
    RunControl(MotionState &state, TickTimer &timer, NumberSymbols numbers = {})
        : m_state(state), m_timer(timer), m_numbers(numbers) {}

    void initialise();
    void startPause();
    // False where the text is refused, with the status saying why.
    bool setTickRate(std::string_view text);
    void reset();
    void tick();

private:
    void restart(const char *status);
    void pause(const char *status);

    MotionState &m_state;
    TickTimer &m_timer;
    NumberSymbols m_numbers;
};

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

struct MapPlace;
struct MotionState;

// What the window says to a screen reader. Screen readers drop or spell
// out signs as their punctuation setting says, so every sign is spoken in
// words: "ax+1" is said "ax 加 1", a velocity of -5 "负 5".
struct Speech
{
    // What a command changed, for its announcement to name.
    enum class Changed { Status, Position, Velocity, Acceleration, TickRate, Everything };

    // The text with each sign in words: after ax or ay a step (加, 减),
    // elsewhere before a digit the number's sign (正, 负).
    static std::string words(std::string_view text);

    // A direction button's caption as it is heard: "ax 减 1，ay 加 1".
    static std::string caption(std::string_view caption);

    // What a command is told by: its status, then the quantity it changed
    // with its new values where the status did not echo them, and the
    // point's new place after a new position or a reset; a new tick rate
    // by the rate alone, as it leaves the status as it was, and the rate
    // it runs at where that differs.
    static std::string told(const MotionState &state, Changed changed, const MapPlace &place);

    // The status as it is told, its signs in words, a typed setting's two
    // entries apart: "将速度设置为 x 负 5，y 0".
    static std::string status(const MotionState &state);

    // How the point moves: one of eight directions or 静止, then whether
    // its speed grows, shrinks or stays: "向右上运动，加速".
    static std::string motion(const MotionState &state);

    // Where the point is and how it moves, then the status and every
    // quantity with its sign, in one sentence.
    static std::string summary(const MotionState &state, const MapPlace &place);
};

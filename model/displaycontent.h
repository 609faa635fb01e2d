// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "value.h"

#include <array>
#include <bitset>
#include <functional>
#include <string>
#include <string_view>

struct MotionState;

// What the window shows of the state: the nine data label texts and the
// marker's place in the map panel, in twips from the panel's top-left corner.
struct DisplayContent
{
    static constexpr int originTwips = 4020;

    std::array<std::string, 9> labels;
    float markerLeft = originTwips;
    float markerTop = originTwips;

    static const std::array<const char *, 9> labelPrefixes;
    static DisplayContent of(const MotionState &state);

    // Brings the texts and the marker up to the state and tells which
    // labels' texts changed. A status that is still the one shown is not
    // copied again, however long the entry it repeats.
    std::bitset<9> refresh(const MotionState &state);

    // A number's display text in a shorter form that keeps its size in
    // view: the sign, the first digits, "…" and the exponent, as
    // " 3.00…E+5" for " 300000" with three digits, or " 3.00…E5" without
    // the exponent's plus sign. Empty for a text that is not a number
    // other than zero.
    static std::string shortNumber(std::string_view number, int digits, bool exponentPlus = true);

    // A number label's caption as its box can show it: whole where it
    // fits, else with its number in the shortest form that keeps its size
    // in view and fits, else its prefix and "…" alone, never some digits.
    static std::string fitted(std::size_t label, const std::string &caption,
                              const std::function<bool(const std::string &)> &fits);

private:
    Value m_shownStatus;
};

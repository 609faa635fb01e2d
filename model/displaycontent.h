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
// marker's place in the map panel, in twips from the panel's top-left
// corner; and how a text is made to fit the box that shows it.
struct DisplayContent
{
    static constexpr int originTwips = 4020;
    // The last label shows the status, on two lines.
    static constexpr std::size_t statusLabel = 8;

    std::array<std::string, 9> labels;
    float markerLeft = originTwips;
    float markerTop = originTwips;

    static const std::array<const char *, 9> labelPrefixes;

    // Brings the texts and the marker up to the state and tells which
    // labels' texts changed. A status that is still the one shown is not
    // copied again, however long the entry it repeats.
    std::bitset<9> refresh(const MotionState &state);

    // The width in pixels of a text in the window's font at a pixel size.
    using TextWidth = std::function<double(const std::string &text, int fontPixels)>;

    struct Fitted
    {
        std::string text;
        int fontPixels;
        bool shortened;
    };

    // A label's caption as a box of the given width shows it. A number
    // label shows its whole caption where it fits, in a font stepped down
    // a pixel at a time before any digit goes; else its number in
    // scientific form, with "≈" in front where digits were dropped, and
    // never fewer than two digits. The status wraps onto its second line
    // between its parts (before a setting's y, after a blank, beside a
    // Chinese character) where the rest then fits, else between any two
    // characters, and ends in "…" where it runs over.
    static Fitted fitted(std::size_t label, const std::string &caption, int width, int fontPixels, int lines,
                         const TextWidth &widthOf);

    // A number's display text in scientific form with at most the given
    // count of significant digits, correctly rounded, its exponent written
    // as the whole numbers' are: " 1.8E+12", "≈-1.2E+300". Empty for a
    // text that is not a number other than zero.
    static std::string shortNumber(std::string_view number, int digits);

    // A caption or message as a tool tip or a screen reader takes it: the
    // first thousand characters, then "…".
    static std::string readable(std::string_view text);

private:
    Value m_shownStatus;
};

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <span>
#include <string_view>

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
    // What assistive technology calls the control where its caption does
    // not say it (a text box, the marker, a caption a screen reader would
    // spell out), and what a button does, in words.
    const char *accessibleName = nullptr;
    const char *accessibleDescription = nullptr;

    static constexpr int twipsPerPixel = 15;
    static constexpr int windowWidth = 11055;
    static constexpr int windowHeight = 8295;

    // The window's font: the first of these a system has (Linux's CJK font,
    // which the Debian package depends on, then Windows', macOS's and
    // Noto's Simplified Chinese UI fonts, and Windows' older SimSun), at
    // this size.
    static constexpr std::array<const char *, 5> fontFamilies = {
        "WenQuanYi Micro Hei", "Microsoft YaHei", "PingFang SC", "Noto Sans CJK SC", "SimSun"};
    static constexpr int fontPixels = 12;

    // The marker's ring takes a pixel left of and above its 9 × 9 box, so
    // that the 8 × 8 image keeps its place inside it.
    static constexpr int markerRing = 1;

    struct Box
    {
        int left, top, width, height;
        bool operator==(const Box &) const = default;
    };

    // Containers come before the controls they hold.
    static std::span<const ControlLayout> table();
    static const ControlLayout &named(std::string_view name);
    static int toPixels(int twips) { return twips / twipsPerPixel; }

    // The largest scale at which the whole window fits a screen of the
    // given size in pixels.
    static double scaleToFit(double width, double height);

    // Where the control stands, in pixels, the marker's ring included.
    Box box() const;
    // The marker's box for the point at the given place in twips: far
    // outside the map at the most, yet a position any widget can take.
    static Box markerBox(float leftTwips, float topTwips);

    // A label at least two lines of the font tall shows two lines, half its
    // height apart, in a font a pixel smaller than that pitch at the most.
    int lines() const;
    int linePixels() const;
    int labelFontPixels() const;
    // How wide a label's text may run: its width, less a gap of three
    // pixels where another label of its row starts inside it.
    int textWidth() const;
};

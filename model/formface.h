// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controllayout.h"

#include <cstddef>
#include <string>

// What the window's handlers need of the screen they run on: the text
// boxes to read, the labels' font to measure, and the controls to write.
// The handlers decide what is written and when; a face only does it.
class FormFace
{
public:
    virtual ~FormFace() = default;

    // The text of Text1 … Text7.
    virtual std::string boxText(int box) const = 0;
    // How wide a text is in the labels' font at the given pixel size.
    virtual double textWidth(const std::string &text, int fontPixels) const = 0;

    virtual void writeMarker(const ControlLayout::Box &box) = 0;
    // What label 0 … 8 (Label1 … Label9) shows, lines apart by "\n".
    virtual void writeLabel(std::size_t label, const std::string &shown, int fontPixels) = 0;
    // What assistive technology reads of a label: its whole caption, and
    // as a tool tip too where the label shows it shortened.
    virtual void writeName(std::size_t label, const std::string &caption, bool shortened) = 0;
    // What a command did, or a new status, told to a screen reader at
    // once; and the run button's description: running or paused.
    virtual void announce(const std::string &message, const std::string &runState) = 0;
    // Every quantity in one sentence, for a screen reader to read on
    // demand as the status bar's description.
    virtual void writeSummary(const std::string &summary) = 0;

    // Calls FormHandlers::writeDue after the delay, in place of any call
    // asked for before.
    virtual void wakeUpIn(double milliseconds) = 0;
};

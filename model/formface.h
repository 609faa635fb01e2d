// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controlview.h"

#include <cstddef>
#include <string>

// What the window needs of the screen it runs on: the text boxes to read,
// the labels' font to measure, and the controls to make and write. The
// model decides what is shown, told and when; a face only does it.
class FormFace
{
public:
    virtual ~FormFace() = default;

    // The text of Text1 … Text7.
    virtual std::string boxText(int box) const = 0;
    // How wide a text is in the labels' font at the given pixel size.
    virtual double textWidth(const std::string &text, int fontPixels) const = 0;

    // Makes one control of the view, in the view's order: a panel before
    // the controls it holds, and the controls in the order Tab visits them.
    virtual void create(const ControlView &control) = 0;
    // Writes the parts of the view's control that changed.
    virtual void update(std::size_t control, const ControlView &view, unsigned parts) = 0;
    // Tells a screen reader at once.
    virtual void announce(const std::string &words) = 0;

    // Calls FormHandlers::writeDue after the delay, in place of any call
    // asked for before.
    virtual void wakeUpIn(double milliseconds) = 0;
};

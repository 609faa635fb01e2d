// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controllayout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

using Kind = ControlLayout::Kind;

constexpr ControlLayout layout[] = {
    {"Frame2", Kind::Frame, nullptr, "数据", 120, 120, 2655, 1935, 2},
    {"Frame3", Kind::Frame, nullptr, "操作", 120, 2160, 2655, 4335, 11},
    {"Frame1", Kind::Frame, nullptr, "地图", 2880, 120, 8055, 8055, 0},

    {"Label1", Kind::Label, "Frame2", "TPS:", 120, 240, 2415, 255, 3},
    {"Label2", Kind::Label, "Frame2", "坐标x:", 120, 480, 1215, 255, 4},
    {"Label3", Kind::Label, "Frame2", "坐标y:", 1320, 480, 1215, 255, 5},
    {"Label4", Kind::Label, "Frame2", "速度x:", 120, 720, 1215, 255, 6},
    {"Label5", Kind::Label, "Frame2", "速度y:", 1320, 720, 1215, 255, 7},
    {"Label6", Kind::Label, "Frame2", "加速度x:", 120, 960, 1215, 255, 8},
    {"Label7", Kind::Label, "Frame2", "加速度y:", 1320, 960, 1215, 255, 9},
    {"Label8", Kind::Label, "Frame2", "当前时间刻:", 120, 1200, 2415, 255, 10},
    {"Label9", Kind::Label, "Frame2", "当前状态:", 120, 1440, 2415, 375, 12},

    {"Command1", Kind::Button, "Frame3", "开始/暂停", 120, 240, 2415, 615, 13, "开始或暂停"},
    {"Command2", Kind::Button, "Frame3", "回原点", 120, 840, 1215, 495, 14},
    {"Command3", Kind::Button, "Frame3", "重置", 1320, 840, 1215, 495, 15},
    {"Command8", Kind::DirectionButton, "Frame3", "ax-1ay+1", 600, 1440, 495, 495, 22, nullptr, "加速度 x 减 1，y 加 1，向左上"},
    {"Command4", Kind::DirectionButton, "Frame3", "ay+1", 1080, 1440, 495, 495, 16, nullptr, "加速度 y 加 1，向上"},
    {"Command9", Kind::DirectionButton, "Frame3", "ax+1ay+1", 1560, 1440, 495, 495, 23, nullptr, "加速度 x 加 1，y 加 1，向右上"},
    {"Command6", Kind::DirectionButton, "Frame3", "ax-1", 600, 1920, 495, 495, 18, nullptr, "加速度 x 减 1，向左"},
    {"Command5", Kind::DirectionButton, "Frame3", "ax+1", 1560, 1920, 495, 495, 17, nullptr, "加速度 x 加 1，向右"},
    {"Command10", Kind::DirectionButton, "Frame3", "ax-1ay-1", 600, 2400, 495, 495, 24, nullptr, "加速度 x 减 1，y 减 1，向左下"},
    {"Command7", Kind::DirectionButton, "Frame3", "ay-1", 1080, 2400, 495, 495, 19, nullptr, "加速度 y 减 1，向下"},
    {"Command11", Kind::DirectionButton, "Frame3", "ax+1ay-1", 1560, 2400, 495, 495, 25, nullptr, "加速度 x 加 1，y 减 1，向右下"},
    {"Label12", Kind::Label, "Frame3", "x", 1320, 3000, 615, 255, 29},
    {"Label13", Kind::Label, "Frame3", "y", 1920, 3000, 615, 255, 30},
    {"Command12", Kind::Button, "Frame3", "将坐标设置为", 120, 3240, 1215, 255, 26},
    {"Text1", Kind::TextBox, "Frame3", "0", 1320, 3240, 615, 270, 27, "坐标x"},
    {"Text2", Kind::TextBox, "Frame3", "0", 1920, 3240, 615, 270, 28, "坐标y"},
    {"Command13", Kind::Button, "Frame3", "将速度设置为", 120, 3480, 1215, 255, 31},
    {"Text3", Kind::TextBox, "Frame3", "0", 1320, 3480, 615, 270, 32, "速度x"},
    {"Text4", Kind::TextBox, "Frame3", "0", 1920, 3480, 615, 270, 33, "速度y"},
    {"Command14", Kind::Button, "Frame3", "加速度设置为", 120, 3720, 1215, 255, 34},
    {"Text5", Kind::TextBox, "Frame3", "0", 1320, 3720, 615, 270, 35, "加速度x"},
    {"Text6", Kind::TextBox, "Frame3", "0", 1920, 3720, 615, 270, 36, "加速度y"},
    {"Command15", Kind::Button, "Frame3", "将TPS设为", 120, 3960, 1215, 255, 37},
    {"Text7", Kind::TextBox, "Frame3", "20", 1320, 3960, 1215, 270, 38, "TPS"},

    {"Picture1", Kind::Picture, "Frame1", nullptr, 4020, 4020, 135, 135, 1, "运动点"},
};

} // namespace

std::span<const ControlLayout> ControlLayout::table()
{
    return layout;
}

const ControlLayout &ControlLayout::named(std::string_view name)
{
    for (const ControlLayout &control : layout) {
        if (control.name == name)
            return control;
    }
    throw std::out_of_range("no control " + std::string(name));
}

double ControlLayout::scaleToFit(double width, double height)
{
    return std::max(0.0, std::min(width / toPixels(windowWidth), height / toPixels(windowHeight)));
}

ControlLayout::Box ControlLayout::box() const
{
    Box pixels{toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
    if (kind == Kind::Picture)
        pixels = {pixels.left - markerRing, pixels.top - markerRing, pixels.width + markerRing,
                  pixels.height + markerRing};
    return pixels;
}

ControlLayout::Box ControlLayout::markerBox(float leftTwips, float topTwips)
{
    const auto pixels = [](float twips) {
        constexpr float limit = 1e6f;
        return int(std::lround(std::clamp(twips / twipsPerPixel, -limit, limit))) - markerRing;
    };
    const Box marker = named("Picture1").box();
    return {pixels(leftTwips), pixels(topTwips), marker.width, marker.height};
}

int ControlLayout::lines() const
{
    return toPixels(height) >= 2 * fontPixels ? 2 : 1;
}

int ControlLayout::linePixels() const
{
    return toPixels(height) / lines();
}

int ControlLayout::labelFontPixels() const
{
    return lines() > 1 ? std::min(fontPixels, linePixels() - 1) : fontPixels;
}

int ControlLayout::textWidth() const
{
    constexpr int gap = 3;
    int right = left + width;
    for (const ControlLayout &other : layout) {
        if (other.kind == Kind::Label && container && other.container
            && std::string_view(other.container) == container && other.top == top && other.left > left
            && other.left < right)
            right = other.left;
    }
    return right == left + width ? toPixels(width) : toPixels(right - left) - gap;
}

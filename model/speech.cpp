// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech.h"

#include "displaycontent.h"
#include "mapplace.h"
#include "motionstate.h"

#include <algorithm>
#include <cmath>

namespace {

bool startsNumber(char c)
{
    return (c >= '0' && c <= '9') || c == '.';
}

std::string number(const Value &value)
{
    std::string text = Speech::words(DisplayText(value));
    return text.erase(0, text.find_first_not_of(' '));
}

std::string pair(const char *quantity, const Value &x, const Value &y)
{
    return std::string(quantity) + " x " + number(x) + "，y " + number(y);
}

std::string trimmed(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    return text.erase(text.find_last_not_of(' ') + 1);
}

// The sign of v·a, worked out on numbers scaled to at most 1 so that no
// product leaves the range of a double.
int speedChange(double vx, double vy, double ax, double ay)
{
    const double v = std::max(std::abs(vx), std::abs(vy)), a = std::max(std::abs(ax), std::abs(ay));
    if (a == 0)
        return 0;
    // At rest, or moving across the acceleration, the speed still grows.
    if (v == 0)
        return 1;
    const double dot = vx / v * (ax / a) + vy / v * (ay / a);
    return dot < 0 ? -1 : 1;
}

} // namespace

std::string Speech::words(std::string_view text)
{
    constexpr std::string_view minusSign = "\u2212";
    std::string spoken;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool minus = text[i] == '-' || text.substr(i, minusSign.size()) == minusSign;
        const std::size_t length = text[i] == '-' || text[i] == '+' ? 1 : minusSign.size();
        const bool sign = (minus || text[i] == '+') && i + length < text.size() && startsNumber(text[i + length]);
        if (!sign) {
            spoken += text[i];
            continue;
        }
        const bool step = i >= 2 && text[i - 2] == 'a' && (text[i - 1] == 'x' || text[i - 1] == 'y');
        const char *word = step ? (minus ? "减" : "加") : (minus ? "负" : "正");
        if (!spoken.empty() && spoken.back() != ' ')
            spoken += ' ';
        spoken += word;
        spoken += ' ';
        i += length - 1;
    }
    return spoken;
}

std::string Speech::caption(std::string_view caption)
{
    std::string apart(caption);
    if (const auto secondAxis = apart.find("ay"); secondAxis != std::string::npos && secondAxis > 0)
        apart.insert(secondAxis, "，");
    return words(apart);
}

std::string Speech::told(const MotionState &state, Changed changed, const MapPlace &place)
{
    if (changed == Changed::TickRate) {
        // The timer counts whole milliseconds: a rate whose interval is not
        // one is told with the rate it really runs at.
        const double real = std::round(1000000.0 / state.tickInterval()) / 1000;
        const std::string set = "TPS 设为 " + number(state.tps);
        return real == state.tps.toDouble() ? set : set + "，实际每秒 " + number(Value::real(real)) + " 刻";
    }
    const std::string status = Speech::status(state);
    const auto with = [&](const std::string &values) {
        const std::string echoed = values.substr(values.find(" x "));
        return status.ends_with(echoed) ? status : status + "，" + values;
    };
    switch (changed) {
    case Changed::Position:
        return with(pair("坐标", state.x, state.y)) + "，" + place.sentence();
    case Changed::Velocity:
        return with(pair("速度", state.vx, state.vy));
    case Changed::Acceleration:
        return with(pair("加速度", state.ax, state.ay));
    case Changed::Everything:
        return status + "，" + place.sentence();
    default:
        return status;
    }
}

std::string Speech::status(const MotionState &state)
{
    const std::string text = DisplayContent::readable(DisplayText(state.zt));
    // A setting echoes its two entries, "将速度设置为x-5y0"; a number the
    // first entry was taken as holds no y.
    constexpr std::string_view setTo = "设置为x";
    const std::size_t x = text.find(setTo), y = text.find('y', x + setTo.size());
    if (!text.starts_with("将") || x == std::string::npos || y == std::string::npos)
        return words(text);
    const std::size_t xText = x + setTo.size();
    return text.substr(0, xText - 1) + " x " + trimmed(words(text.substr(xText, y - xText))) + "，y "
        + trimmed(words(text.substr(y + 1)));
}

std::string Speech::motion(const MotionState &state)
{
    const double vx = state.vx.toDouble(), vy = state.vy.toDouble();
    const int speed = speedChange(vx, vy, state.ax.toDouble(), state.ay.toDouble());
    const char *change = speed > 0 ? "加速" : speed < 0 ? "减速" : "匀速";
    if (vx == 0 && vy == 0)
        return speed ? std::string("静止，") + change : "静止";
    // Eight directions of 45 degrees each, centred on the axes and the diagonals.
    constexpr double tan22_5 = 0.41421356237309503;
    const char *across = std::abs(vx) <= std::abs(vy) * tan22_5 ? "" : vx > 0 ? "右" : "左";
    const char *up = std::abs(vy) <= std::abs(vx) * tan22_5 ? "" : vy > 0 ? "上" : "下";
    return std::string("向") + across + up + "运动，" + change;
}

std::string Speech::summary(const MotionState &state, const MapPlace &place)
{
    return place.sentence() + "，" + motion(state) + "；当前状态 " + status(state) + "，TPS " + number(state.tps)
        + "，" + pair("坐标", state.x, state.y) + "，" + pair("速度", state.vx, state.vy) + "，"
        + pair("加速度", state.ax, state.ay) + "，当前时间刻 " + number(state.t);
}

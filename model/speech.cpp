// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech.h"

#include "displaycontent.h"
#include "motionstate.h"

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

std::string Speech::told(const MotionState &state, Changed changed)
{
    if (changed == Changed::TickRate) {
        // The timer counts whole milliseconds: a rate whose interval is not
        // one is told with the rate it really runs at.
        const double real = std::round(1000000.0 / state.tickInterval()) / 1000;
        const std::string set = "TPS 设为 " + number(state.tps);
        return real == state.tps.toDouble() ? set : set + "，实际每秒 " + number(Value::real(real)) + " 刻";
    }
    const std::string status = Speech::status(state);
    switch (changed) {
    case Changed::Position:
        return status + "，" + pair("坐标", state.x, state.y);
    case Changed::Velocity:
        return status + "，" + pair("速度", state.vx, state.vy);
    case Changed::Acceleration:
        return status + "，" + pair("加速度", state.ax, state.ay);
    default:
        return status;
    }
}

std::string Speech::status(const MotionState &state)
{
    return words(DisplayContent::readable(DisplayText(state.zt)));
}

std::string Speech::summary(const MotionState &state)
{
    return "当前状态 " + status(state) + "，TPS " + number(state.tps) + "，"
        + pair("坐标", state.x, state.y) + "，" + pair("速度", state.vx, state.vy) + "，"
        + pair("加速度", state.ax, state.ay) + "，当前时间刻 " + number(state.t);
}

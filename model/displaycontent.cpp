// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displaycontent.h"

#include "motionstate.h"

#include <cctype>
#include <cstdlib>

const std::array<const char *, 9> DisplayContent::labelPrefixes = {
    "TPS:", "坐标x:", "坐标y:", "速度x:", "速度y:", "加速度x:", "加速度y:", "当前时间刻:", "当前状态:",
};

DisplayContent DisplayContent::of(const MotionState &state)
{
    DisplayContent content;
    content.refresh(state);
    return content;
}

std::bitset<9> DisplayContent::refresh(const MotionState &state)
{
    const Value origin = Value::integer(originTwips);
    markerLeft = ToSingle(Add(origin, state.x));
    markerTop = ToSingle(Subtract(origin, state.y));

    std::bitset<9> changed;
    const auto show = [&](std::size_t i, const Value &value) {
        std::string text = labelPrefixes[i] + DisplayText(value);
        if (text != labels[i]) {
            labels[i] = std::move(text);
            changed.set(i);
        }
    };
    const Value *numbers[] = {&state.tps, &state.x, &state.y, &state.vx, &state.vy,
                              &state.ax, &state.ay, &state.t};
    for (std::size_t i = 0; i < std::size(numbers); ++i)
        show(i, *numbers[i]);
    if (!state.zt.sharesTextWith(m_shownStatus)) {
        m_shownStatus = state.zt;
        show(8, state.zt);
    }
    return changed;
}

std::string DisplayContent::shortNumber(std::string_view number, int digits, bool exponentPlus)
{
    if (number.size() < 2 || (number[0] != ' ' && number[0] != '-') || digits < 1)
        return {};
    std::string all;
    int wholeDigits = -1;
    std::size_t i = 1;
    for (; i < number.size() && (std::isdigit(static_cast<unsigned char>(number[i])) || number[i] == '.'); ++i) {
        if (number[i] == '.')
            wholeDigits = int(all.size());
        else
            all += number[i];
    }
    if (wholeDigits < 0)
        wholeDigits = int(all.size());
    const std::size_t first = all.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    long exponent = wholeDigits - 1 - long(first);
    if (i < number.size()) {
        char *end = nullptr;
        const std::string rest(number.substr(i + 1));
        exponent += std::strtol(rest.c_str(), &end, 10);
        if (number[i] != 'E' || rest.empty() || *end != '\0')
            return {};
    }
    const std::string mantissa = all.substr(first, std::size_t(digits));
    std::string text(1, number[0]);
    text += mantissa.substr(0, 1);
    if (mantissa.size() > 1)
        text += "." + mantissa.substr(1);
    return text + "…E" + (exponent < 0 ? "-" : exponentPlus ? "+" : "") + std::to_string(std::labs(exponent));
}

std::string DisplayContent::fitted(std::size_t label, const std::string &caption,
                                   const std::function<bool(const std::string &)> &fits)
{
    if (fits(caption))
        return caption;
    const std::string_view prefix = labelPrefixes[label];
    const std::string_view number = std::string_view(caption).substr(prefix.size());
    for (const bool exponentPlus : {true, false}) {
        for (int digits = 17; digits >= 1; --digits) {
            const std::string shortened = shortNumber(number, digits, exponentPlus);
            if (shortened.empty())
                break;
            if (fits(std::string(prefix) + shortened))
                return std::string(prefix) + shortened;
        }
    }
    return std::string(prefix) + "…";
}

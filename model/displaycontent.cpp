// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displaycontent.h"

#include "motionstate.h"

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

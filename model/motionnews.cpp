// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "motionnews.h"

#include "motionstate.h"

#include <utility>

namespace {

int signOf(const Value &v)
{
    const double d = v.toDouble();
    return (d > 0) - (d < 0);
}

} // namespace

void MotionNews::settle(const MapPlace &place, const MotionState &state)
{
    m_place = place;
    m_signX = signOf(state.vx);
    m_signY = signOf(state.vy);
    m_waiting.reset();
}

void MotionNews::ticked(const MapPlace &place, const MotionState &state)
{
    const int x = signOf(state.vx), y = signOf(state.vy);
    const bool turnsX = x && m_signX && x != m_signX, turnsY = y && m_signY && y != m_signY;
    if (turnsX || turnsY)
        m_waiting = std::string("开始向") + (turnsX ? x > 0 ? "右" : "左" : "") + (turnsY ? y > 0 ? "上" : "下" : "")
            + "运动";
    // The map's edge is news over a turn at the same tick.
    if (place.inside != m_place.inside)
        m_waiting = place.inside ? "点回到地图，" + place.words() : "点离开地图，在" + place.side();
    m_place = place;
    m_signX = x ? x : m_signX;
    m_signY = y ? y : m_signY;
}

std::optional<std::string> MotionNews::due(double now)
{
    if (!m_waiting || (m_lastTold && now < *m_lastTold + spacing))
        return std::nullopt;
    m_lastTold = now;
    return std::exchange(m_waiting, std::nullopt);
}

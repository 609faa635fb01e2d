// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editingcommands.h"

#include "motionstate.h"

#include <optional>

namespace {

std::string unitStep(const char *axis, int delta)
{
    return std::string(axis) + (delta > 0 ? "+1" : "-1");
}

Value stepped(const Value &v, int delta)
{
    return delta > 0 ? Add(v, Value::integer(1)) : Subtract(v, Value::integer(1));
}

} // namespace

void EditingCommands::nudgeAcceleration(int dax, int day)
{
    std::string status;
    if (day != 0) {
        m_state.ay = stepped(m_state.ay, day);
        status = unitStep("ay", day);
    }
    if (dax != 0) {
        m_state.ax = stepped(m_state.ax, dax);
        status += (status.empty() ? "" : " ") + unitStep("ax", dax);
    }
    m_state.zt = Value::text(status);
}

void EditingCommands::setPosition(std::string_view xText, std::string_view yText)
{
    setPair(m_state.x, m_state.y, xText, yText, "坐标", "将坐标设置为x");
}

void EditingCommands::setVelocity(std::string_view xText, std::string_view yText)
{
    setPair(m_state.vx, m_state.vy, xText, yText, "速度", "将速度设置为x");
}

void EditingCommands::setAcceleration(std::string_view xText, std::string_view yText)
{
    setPair(m_state.ax, m_state.ay, xText, yText, "加速度", "将加速度设置为x");
}

// Both texts are checked before either field changes, so a bad second
// entry never leaves the first one half applied.
void EditingCommands::setPair(Value &xField, Value &yField, std::string_view xText,
                              std::string_view yText, const char *quantity, const char *leadWords)
{
    const std::optional<Value> newX = FromText(xText, m_numbers);
    const std::optional<Value> newY = FromText(yText, m_numbers);
    if (!newX || !newY) {
        m_state.zt = Value::text(std::string(quantity) + (newX ? "y" : "x") + "无效");
        return;
    }
    xField = *newX;
    yField = *newY;
    m_state.zt = Value::text(leadWords + std::string(xText) + "y" + std::string(yText));
}

void EditingCommands::returnToOrigin()
{
    m_state.x = Value::integer(0);
    m_state.y = Value::integer(0);
    m_state.zt = Value::text("已回原点");
}

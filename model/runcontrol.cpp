// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runcontrol.h"

#include "motionstate.h"
#include "ticktimer.h"


void RunControl::initialise()
{
    restart("就绪");
}

void RunControl::reset()
{
    restart("已重置");
}

void RunControl::restart(const char *status)
{
    m_timer.setInterval(0);
    m_state.restart(status);
}

void RunControl::startPause()
{
    if (IsZero(m_state.run)) {
        m_state.run = Value::integer(1);
        m_timer.setInterval(m_state.tickInterval());
        m_state.zt = Value::text("运行中");
    } else {
        pause("已暂停");
    }
}

void RunControl::pause(const char *status)
{
    m_state.run = Value::integer(0);
    m_timer.setInterval(0);
    m_state.zt = Value::text(status);
}

bool RunControl::setTickRate(std::string_view text)
{
    const std::optional<Value> rate = FromText(text, m_numbers);
    if (!rate) {
        m_state.zt = Value::text("TPS无效");
        return false;
    }
    if (rate->toDouble() <= 0) {
        m_state.zt = Value::text("TPS须大于0");
        return false;
    }
    m_state.tps = *rate;
    m_state.tpst = Divide(Value::integer(1000), m_state.tps);
    return true;
}

void RunControl::tick()
{
    if (!m_state.tick())
        pause("数值溢出，已暂停");
}

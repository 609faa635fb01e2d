// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What run control needs of the tick timer: an interval in milliseconds,
// where 0 means that no tick comes; and, before a command, every tick
// whose deadline has passed, so that the command meets the state it
// would meet with a wake-up for each tick.
class TickTimer
{
public:
    virtual ~TickTimer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual void catchUp() {}
};

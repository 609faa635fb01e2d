// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controllayout.h"

#include <string>

// Where the point stands on the map, for a student who cannot see it:
// in one of the map's nine equal thirds, or outside it, beyond a side or
// a corner, once no pixel of the marker shows.
struct MapPlace
{
    bool inside = true;
    // 0, 1, 2 from the left and from the top: the third the point is in,
    // or, outside, before the map, along it or beyond it.
    int column = 1, row = 1;

    // For the marker's box in the map, in pixels, its ring included.
    static MapPlace of(const ControlLayout::Box &marker);

    // "地图右上", or outside "在地图外，右方".
    std::string words() const;
    // "点在地图右上", "点在地图外，右方".
    std::string sentence() const;
    // Outside, the side or corner it is beyond: "右方", "左上方".
    std::string side() const;

    bool operator==(const MapPlace &) const = default;
};

// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mapplace.h"

#include <algorithm>

namespace {

// The point is the image's top-left pixel, inside the ring: the origin's
// place at the map's centre.
int third(int start, int size, int map)
{
    if (start + size <= 0)
        return 0;
    if (start >= map)
        return 2;
    const int point = std::clamp(start + ControlLayout::markerRing, 0, map - 1);
    return point * 3 / map;
}

bool shows(int start, int size, int map)
{
    return start + size > 0 && start < map;
}

} // namespace

MapPlace MapPlace::of(const ControlLayout::Box &marker)
{
    static const int map = ControlLayout::named("Frame1").box().width;
    const bool across = shows(marker.left, marker.width, map), down = shows(marker.top, marker.height, map);
    MapPlace place{across && down, third(marker.left, marker.width, map), third(marker.top, marker.height, map)};
    // Outside, beyond the right side is 右方 wherever along that side.
    if (!place.inside)
        place.column = across ? 1 : place.column, place.row = down ? 1 : place.row;
    return place;
}

std::string MapPlace::words() const
{
    if (!inside)
        return "在地图外，" + side();
    static const char *const thirds[3][3] = {{"左上", "上方", "右上"}, {"左方", "中央", "右方"},
                                              {"左下", "下方", "右下"}};
    return std::string("地图") + thirds[row][column];
}

std::string MapPlace::sentence() const
{
    return inside ? "点在" + words() : "点" + words();
}

std::string MapPlace::side() const
{
    static const char *const across[] = {"左", "", "右"};
    static const char *const down[] = {"上", "", "下"};
    return std::string(across[column]) + down[row] + "方";
}

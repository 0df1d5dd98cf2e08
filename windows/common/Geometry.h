// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Points and rectangles in logical units (one screen pixel at 96 dpi, y
// downwards). A rectangle contains a point when left <= x < right and
// top <= y < bottom.
struct ZPoint
{
    int x = 0;
    int y = 0;
    friend bool operator==(const ZPoint&, const ZPoint&) = default;
};

struct ZSize
{
    int cx = 0;
    int cy = 0;
    friend bool operator==(const ZSize&, const ZSize&) = default;
};

struct ZRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    bool Contains(const ZPoint& p) const { return Contains(p.x, p.y); }
    friend bool operator==(const ZRect&, const ZRect&) = default;
};

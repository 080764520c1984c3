// A position in view coordinates (pixels, x right, y down).
#pragma once

namespace velda::gui {

using CCoord = double;

struct CPoint {
    CCoord x = 0;
    CCoord y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(CCoord x, CCoord y) : x(x), y(y) {}

    CPoint& offset(CCoord dx, CCoord dy)
    {
        x += dx;
        y += dy;
        return *this;
    }
    CPoint& operator()(CCoord nx, CCoord ny)
    {
        x = nx;
        y = ny;
        return *this;
    }
    constexpr CPoint operator+(const CPoint& o) const { return {x + o.x, y + o.y}; }
    constexpr CPoint operator-(const CPoint& o) const { return {x - o.x, y - o.y}; }
    CPoint& operator+=(const CPoint& o) { return offset(o.x, o.y); }
    CPoint& operator-=(const CPoint& o) { return offset(-o.x, -o.y); }
    constexpr bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
};

}  // namespace velda::gui

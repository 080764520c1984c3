// An axis-aligned rectangle; right and bottom are exclusive.
#pragma once
#include <algorithm>

#include "toolkit/CPoint.h"

namespace velda::gui {

struct CRect {
    CCoord left = 0;
    CCoord top = 0;
    CCoord right = 0;
    CCoord bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(CCoord l, CCoord t, CCoord r, CCoord b) : left(l), top(t), right(r), bottom(b) {}
    constexpr CRect(const CPoint& origin, const CPoint& size)
        : left(origin.x), top(origin.y), right(origin.x + size.x), bottom(origin.y + size.y)
    {
    }

    CRect& operator()(CCoord l, CCoord t, CCoord r, CCoord b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
        return *this;
    }

    constexpr CCoord width() const { return right - left; }
    constexpr CCoord height() const { return bottom - top; }
    CCoord getWidth() const { return width(); }
    CCoord getHeight() const { return height(); }
    CPoint getTopLeft() const { return {left, top}; }
    CPoint getSize() const { return {width(), height()}; }
    CPoint getCenter() const { return {left + width() * 0.5, top + height() * 0.5}; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }

    CRect& setWidth(CCoord w)
    {
        right = left + w;
        return *this;
    }
    CRect& setHeight(CCoord h)
    {
        bottom = top + h;
        return *this;
    }
    CRect& offset(CCoord dx, CCoord dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    CRect& offset(const CPoint& p) { return offset(p.x, p.y); }
    CRect& moveTo(CCoord x, CCoord y) { return offset(x - left, y - top); }
    CRect& moveTo(const CPoint& p) { return moveTo(p.x, p.y); }
    CRect& inset(CCoord dx, CCoord dy)
    {
        left += dx;
        right -= dx;
        top += dy;
        bottom -= dy;
        return *this;
    }
    // Intersection with r (may become empty).
    CRect& bound(const CRect& r)
    {
        left = std::max(left, r.left);
        top = std::max(top, r.top);
        right = std::max(left, std::min(right, r.right));
        bottom = std::max(top, std::min(bottom, r.bottom));
        return *this;
    }
    CRect& unite(const CRect& r)
    {
        if (r.isEmpty()) return *this;
        if (isEmpty()) return *this = r;
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.right);
        bottom = std::max(bottom, r.bottom);
        return *this;
    }
    constexpr bool pointInside(const CPoint& p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr bool rectOverlap(const CRect& r) const
    {
        return r.left < right && r.right > left && r.top < bottom && r.bottom > top;
    }
    constexpr bool operator==(const CRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

}  // namespace velda::gui

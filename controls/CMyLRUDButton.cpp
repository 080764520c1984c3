#include "controls/CMyLRUDButton.h"

#include "toolkit/CBitmap.h"

namespace velda::gui {

CMyLRUDButton::CMyLRUDButton(const CRect& r, CControlListener* l, int32_t t, CBitmap* bitmap)
    : COnOffButton(r, l, t, bitmap, 0)
{
}

CMyLRUDButton::~CMyLRUDButton() = default;

int32_t CMyLRUDButton::imageIndex() const
{
    if (value >= 0.75f) return 3;
    if (value >= 0.5f) return 2;
    if (value >= 0.25f) return 1;
    return 0;
}

void CMyLRUDButton::draw(CDrawContext* context)
{
    if (background) background->draw(context, size, CPoint(0, imageIndex() * (background->getHeight() / 4)));
    setDirty(false);
}

CMouseEventResult CMyLRUDButton::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    savedValue = value;
    beginEdit();
    return onMouseMoved(where, buttons);
}

CMouseEventResult CMyLRUDButton::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    const CCoord l = size.left, t = size.top, r = size.right, b = size.bottom;
    const CCoord qw = (r - l) * 0.25, qh = (b - t) * 0.25, hh = (b - t) * 0.5;
    const CCoord x = where.x, y = where.y;
    const float before = value;
    const bool middleRows = y >= t + qh && y <= b - qh;
    const bool middleColumns = x >= l + qw && x <= r - qw;
    if (x >= l && x <= l + qw && middleRows)
        value = 0.33f;
    else if (x >= r - qw && x <= r && middleRows)
        value = 0.67f;
    else if (middleColumns && y >= b - hh && y <= b)
        value = 1.0f;
    else if (middleColumns && y >= t && y <= t + hh)
        value = 0.0f;
    else
        value = savedValue;
    // A return to the value last drawn is a change too when no redraw came between.
    if ((value != before || isDirty()) && listener) valueChanged();
    return kMouseEventHandled;
}

CMouseEventResult CMyLRUDButton::onMouseUp(CPoint&, const CButtonState&)
{
    endEdit();
    return kMouseEventHandled;
}

}  // namespace velda::gui

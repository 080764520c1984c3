#include "presets/CPSRockerSwitch.h"

#include "toolkit/CBitmap.h"

using namespace velda::gui;

CPSRockerSwitch::CPSRockerSwitch(const CRect& r, CControlListener* l, int32_t t, CCoord imageHeight, CBitmap* bitmap)
    : CRockerSwitch(r, l, t, imageHeight, bitmap)
{
}

int32_t CPSRockerSwitch::sideOf(const CPoint& where) const
{
    return where.x < size.left + size.width() * 0.5 ? -1 : 1;
}

int32_t CPSRockerSwitch::imageIndex() const
{
    if (value == -1.0f) return 3;
    if (value == 1.0f) return 4;
    return hoverSide == -1 ? 1 : hoverSide == 1 ? 2 : 0;
}

void CPSRockerSwitch::draw(CDrawContext* context)
{
    if (background) background->draw(context, size, CPoint(offset.x, offset.y + imageIndex() * heightOfOneImage));
    setDirty(false);
}

CMouseEventResult CPSRockerSwitch::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    value = float(sideOf(where));
    invalid();
    remember();
    valueChanged();
    forget();
    return kMouseEventHandled;
}

CMouseEventResult CPSRockerSwitch::onMouseUp(CPoint&, const CButtonState&)
{
    value = 0.0f;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CPSRockerSwitch::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (buttons & kLButton) return kMouseEventHandled;
    return onMouseEntered(where, buttons);
}

CMouseEventResult CPSRockerSwitch::onMouseEntered(CPoint& where, const CButtonState&)
{
    hoverSide = sideOf(where);
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CPSRockerSwitch::onMouseExited(CPoint&, const CButtonState&)
{
    hoverSide = 0;
    invalid();
    return kMouseEventHandled;
}

#include "toolkit/CKickButton.h"

#include <cstring>

#include "toolkit/CBitmap.h"

namespace velda::gui {

CKickButton::CKickButton(const CRect& r, CControlListener* l, int32_t t, CBitmap* bitmap, const CPoint& o)
    : CKickButton(r, l, t, r.height(), bitmap, o)
{
}

CKickButton::CKickButton(const CRect& r, CControlListener* l, int32_t t, CCoord imageHeight, CBitmap* bitmap,
                         const CPoint& o)
    : CControl(r, l, t, bitmap), heightOfOneImage(imageHeight), offset(o)
{
}

bool CKickButton::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CKickButton") == 0 || CControl::isTypeOf(name);
}

void CKickButton::draw(CDrawContext* context)
{
    if (background)
        background->draw(context, size, CPoint(offset.x, offset.y + (value == vmax ? heightOfOneImage : 0)));
    setDirty(false);
}

CMouseEventResult CKickButton::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    beginEdit();
    return onMouseMoved(where, buttons);
}

CMouseEventResult CKickButton::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    value = size.pointInside(where) ? vmax : vmin;
    if (isDirty()) {
        valueChanged();
        invalid();
    }
    return kMouseEventHandled;
}

CMouseEventResult CKickButton::onMouseUp(CPoint&, const CButtonState&)
{
    if (value != vmin) {
        value = vmin;
        valueChanged();
        invalid();
    }
    endEdit();
    return kMouseEventHandled;
}

}  // namespace velda::gui

#include "toolkit/CRockerSwitch.h"

#include <cstring>

#include "toolkit/CBitmap.h"

namespace velda::gui {

CRockerSwitch::CRockerSwitch(const CRect& r, CControlListener* l, int32_t t, CBitmap* bitmap, const CPoint& o,
                             int32_t s)
    : CRockerSwitch(r, l, t, r.height(), bitmap, o, s)
{
}

CRockerSwitch::CRockerSwitch(const CRect& r, CControlListener* l, int32_t t, CCoord imageHeight, CBitmap* bitmap,
                             const CPoint& o, int32_t s)
    : CControl(r, l, t, bitmap), heightOfOneImage(imageHeight), offset(o), style(s)
{
    vmin = -1.0f;
    vmax = 1.0f;
    value = 0.0f;
    defaultValue = 0.0f;
}

bool CRockerSwitch::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CRockerSwitch") == 0 || CControl::isTypeOf(name);
}

void CRockerSwitch::draw(CDrawContext* context)
{
    if (background) {
        const int32_t image = value == vmin ? 0 : value == vmax ? 2 : 1;
        background->draw(context, size, CPoint(offset.x, offset.y + image * heightOfOneImage));
    }
    setDirty(false);
}

float CRockerSwitch::valueAt(const CPoint& where) const
{
    if (style & kVertical) return where.y < size.top + size.height() * 0.5 ? vmax : vmin;
    return where.x < size.left + size.width() * 0.5 ? vmin : vmax;
}

CMouseEventResult CRockerSwitch::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    beginEdit();
    return onMouseMoved(where, buttons);
}

CMouseEventResult CRockerSwitch::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    value = size.pointInside(where) ? valueAt(where) : 0.0f;
    if (isDirty()) {
        valueChanged();
        invalid();
    }
    return kMouseEventHandled;
}

CMouseEventResult CRockerSwitch::onMouseUp(CPoint&, const CButtonState&)
{
    if (value != 0.0f) {
        value = 0.0f;
        valueChanged();
        invalid();
    }
    endEdit();
    return kMouseEventHandled;
}

}  // namespace velda::gui

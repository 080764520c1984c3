#include "toolkit/COnOffButton.h"

#include <cstring>

#include "toolkit/CBitmap.h"

namespace velda::gui {

COnOffButton::COnOffButton(const CRect& r, CControlListener* l, int32_t t, CBitmap* bitmap, int32_t s)
    : CControl(r, l, t, bitmap), style(s)
{
}

bool COnOffButton::isTypeOf(const char* name) const
{
    return std::strcmp(name, "COnOffButton") == 0 || CControl::isTypeOf(name);
}

void COnOffButton::draw(CDrawContext* context)
{
    if (background) {
        const bool on = value >= vmin + (vmax - vmin) * 0.5f;
        background->draw(context, size, CPoint(0, on ? background->getHeight() / 2 : 0));
    }
    setDirty(false);
}

CMouseEventResult COnOffButton::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    value = value >= vmin + (vmax - vmin) * 0.5f ? vmin : vmax;
    invalid();
    beginEdit();
    valueChanged();
    endEdit();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

}  // namespace velda::gui

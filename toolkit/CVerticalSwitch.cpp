#include "toolkit/CVerticalSwitch.h"

#include <cmath>
#include <cstring>

#include "toolkit/CBitmap.h"

namespace velda::gui {

CVerticalSwitch::CVerticalSwitch(const CRect& r, CControlListener* l, int32_t t, int32_t images,
                                 CCoord imageHeight, int32_t positions, CBitmap* bitmap, const CPoint& o)
    : CControl(r, l, t, bitmap), subPixmaps(images), heightOfOneImage(imageHeight), maxPositions(positions), offset(o)
{
}

bool CVerticalSwitch::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CVerticalSwitch") == 0 || CControl::isTypeOf(name);
}

void CVerticalSwitch::draw(CDrawContext* context)
{
    if (background && subPixmaps > 0) {
        const float v = vmax != vmin ? (value - vmin) / (vmax - vmin) : 0.0f;
        const int32_t image = int32_t(v * float(subPixmaps - 1) + 0.5f);
        background->draw(context, size, CPoint(offset.x, offset.y + image * heightOfOneImage));
    }
    setDirty(false);
}

CMouseEventResult CVerticalSwitch::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    beginEdit();
    return onMouseMoved(where, buttons);
}

CMouseEventResult CVerticalSwitch::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    const int32_t bands = subPixmaps > 1 ? subPixmaps : 2;
    int32_t band = int32_t(std::floor((where.y - size.top) / (size.height() / bands)));
    band = std::max(0, std::min(bands - 1, band));
    value = vmin + (vmax - vmin) * float(band) / float(bands - 1);
    if (isDirty()) {
        valueChanged();
        invalid();
    }
    return kMouseEventHandled;
}

CMouseEventResult CVerticalSwitch::onMouseUp(CPoint&, const CButtonState&)
{
    endEdit();
    return kMouseEventHandled;
}

}  // namespace velda::gui

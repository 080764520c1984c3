#include "controls/CAnimKnob2.h"

namespace velda::gui {

CAnimKnob2::CAnimKnob2(const CRect& r, CControlListener* l, int32_t t, int32_t images, int32_t imageHeight,
                       CBitmap* bitmap, const CPoint& o)
    : CAnimKnob(r, l, t, images, CCoord(imageHeight), bitmap, o)
{
}

CAnimKnob2::~CAnimKnob2() = default;

CMouseEventResult CAnimKnob2::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    return feel.onMouseDown(*this, where, buttons);
}

CMouseEventResult CAnimKnob2::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    return feel.onMouseMoved(*this, where, buttons);
}

bool CAnimKnob2::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    return feel.onWheel(*this, where, distance, buttons);
}

}  // namespace velda::gui

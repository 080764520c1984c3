#include "controls/CViewContainerSwitch.h"

#include <cstring>

#include "controls/ControlCopy.h"

namespace velda::gui {

CViewContainerSwitch::CViewContainerSwitch(const CRect& r, CControlListener* l, int32_t t)
    : CControl(r, l, t, nullptr)
{
}

CViewContainerSwitch::~CViewContainerSwitch() = default;

bool CViewContainerSwitch::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CViewContainerSwitch") == 0 || CControl::isTypeOf(name);
}

CView* CViewContainerSwitch::newCopy() const
{
    auto* copy = new CViewContainerSwitch(size, listener, tag);
    copyControlState(*this, *copy);
    return copy;
}

void CViewContainerSwitch::draw(CDrawContext*) { setDirty(false); }

CMouseEventResult CViewContainerSwitch::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    value = value == 0.0f ? 1.0f : 0.0f;
    // The editors always give it a listener; without one the click only flips the value.
    valueChanged();
    return kMouseEventHandled;
}

}  // namespace velda::gui

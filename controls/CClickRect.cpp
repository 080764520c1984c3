#include "controls/CClickRect.h"

#include <cstring>

#include "controls/ControlCopy.h"

namespace velda::gui {

CClickRect::CClickRect(const CRect& r, CControlListener* l, int32_t t) : CControl(r, l, t, nullptr) {}

CClickRect::~CClickRect() = default;

bool CClickRect::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CClickRect") == 0 || CControl::isTypeOf(name);
}

CView* CClickRect::newCopy() const
{
    auto* copy = new CClickRect(size, listener, tag);
    copyControlState(*this, *copy);
    return copy;
}

void CClickRect::draw(CDrawContext*) { setDirty(false); }

CMouseEventResult CClickRect::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    if (listener) valueChanged();
    return kMouseEventHandled;
}

}  // namespace velda::gui

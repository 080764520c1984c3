#include "toolkit/CControl.h"

#include <cstring>

#include "toolkit/CFrame.h"

namespace velda::gui {

CControl::CControl(const CRect& r, CControlListener* l, int32_t t, CBitmap* bitmap) : CView(r), tag(t), listener(l)
{
    if (bitmap) setBackground(bitmap);
}

void CControl::setValue(float v)
{
    if (v < vmin) v = vmin;
    if (v > vmax) v = vmax;
    value = v;
}

void CControl::bounceValue()
{
    if (value > vmax) value = vmax;
    if (value < vmin) value = vmin;
}

void CControl::valueChanged()
{
    if (listener) listener->valueChanged(this);
}

void CControl::beginEdit()
{
    ++editing;
    if (listener) listener->controlBeginEdit(this);
    if (parentFrame && parentFrame->getEditor()) parentFrame->getEditor()->beginEdit(tag);
}

void CControl::endEdit()
{
    if (editing > 0) --editing;
    if (parentFrame && parentFrame->getEditor()) parentFrame->getEditor()->endEdit(tag);
    if (listener) listener->controlEndEdit(this);
}

void CControl::setDirty(bool state)
{
    CView::setDirty(state);
    if (!state) oldValue = value;
}

bool CControl::isDirty() const { return CView::isDirty() || oldValue != value; }

bool CControl::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CControl") == 0 || CView::isTypeOf(name);
}

}  // namespace velda::gui

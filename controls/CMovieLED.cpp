#include "controls/CMovieLED.h"

#include <cstring>

#include "controls/ControlCopy.h"
#include "toolkit/CBitmap.h"

namespace velda::gui {

CMovieLED::CMovieLED(const CRect& r, CControlListener* l, int32_t t, int32_t n, int32_t h, CBitmap* bitmap,
                     const CPoint& o)
    : CControl(r, l, t, bitmap), offset(o), images(n), imageHeight(h),
      decayStep(n > 1 ? float(1.0 / double(n - 1)) : 1.0f)
{
    value = 0;
    oldValue = 0;
    setMouseEnabled(true);
}

CMovieLED::~CMovieLED() = default;

bool CMovieLED::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CMovieLED") == 0 || CControl::isTypeOf(name);
}

CView* CMovieLED::newCopy() const
{
    auto* copy = new CMovieLED(size, listener, tag, images, imageHeight, background, offset);
    copyControlState(*this, *copy);
    copy->shownImage = shownImage;
    return copy;
}

void CMovieLED::reset()
{
    oldValue = 0;
    setValue(0);
    setDirty(true);
}

void CMovieLED::draw(CDrawContext* context)
{
    float held = oldValue;
    if (held > 0.45f) held -= decayStep;
    if (held < 0) held = 0;
    if (held > value) value = held;
    oldValue = value;
    if (value > 1.0f) value = 1.0f;
    shownImage = value > 0 ? int32_t(double(float(images - 1) * value) + 0.5) : 0;
    if (background)
        background->draw(context, size, CPoint(offset.x, offset.y + shownImage * imageHeight), 1.0f);
    // The held level lives in the old value, so only the flag is cleared.
    CView::setDirty(false);
}

CMouseEventResult CMovieLED::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    oldValue = 0;
    setValue(0);
    setDirty(true);
    invalid();
    return kMouseEventHandled;
}

}  // namespace velda::gui

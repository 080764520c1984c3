#include "controls/CMovieMeter.h"

#include <cmath>
#include <cstring>

#include "controls/ControlCopy.h"
#include "toolkit/CBitmap.h"

namespace velda::gui {

CMovieMeter::CMovieMeter(const CRect& r, CControlListener* l, int32_t t, int32_t n, int32_t h, CBitmap* bitmap,
                         CBitmap* alt, const CPoint& o, int32_t scale)
    : CControl(r, l, t, bitmap), offset(o), images(n), imageHeight(h), altBitmap(alt), altScale(scale)
{
    if (altBitmap) altBitmap->remember();
}

CMovieMeter::~CMovieMeter()
{
    if (altBitmap) altBitmap->forget();
}

bool CMovieMeter::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CMovieMeter") == 0 || CControl::isTypeOf(name);
}

CView* CMovieMeter::newCopy() const
{
    auto* copy = new CMovieMeter(size, listener, tag, images, imageHeight, background, altBitmap, offset, altScale);
    copyControlState(*this, *copy);
    return copy;
}

int32_t CMovieMeter::setAltScale(int32_t scale)
{
    altScale = scale;
    setDirty(true);
    return scale;
}

int32_t CMovieMeter::imageFor(float v) const
{
    if (v < 0) v = 0;
    float p = float(std::pow(double(v), 1.2));
    if (altScale != 0) p = std::sqrt(p);
    float e = p * 0.617f + 0.018f;
    if (e > 1.0f) e = 1.0f;
    // The product stays a 32-bit float: 100 x 0.635f must round to image 64.
    const float position = float(images - 1) * e;
    return int32_t(double(position) + 0.5);
}

void CMovieMeter::draw(CDrawContext* context)
{
    if (value < 0) value = 0;
    CBitmap* strip = altScale != 0 ? altBitmap : background;
    if (strip) strip->draw(context, size, CPoint(offset.x, offset.y + imageFor(value) * imageHeight), 1.0f);
    setDirty(false);
}

CMouseEventResult CMovieMeter::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    altScale = altScale <= 0 ? 1 : 0;
    setValue(float(altScale));
    invalid();
    valueChanged();
    return kMouseEventHandled;
}

}  // namespace velda::gui

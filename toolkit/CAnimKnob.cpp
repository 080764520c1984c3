#include "toolkit/CAnimKnob.h"

#include <cstring>

#include "toolkit/CBitmap.h"

namespace velda::gui {

CAnimKnob::CAnimKnob(const CRect& r, CControlListener* l, int32_t t, int32_t images, CCoord imageHeight,
                     CBitmap* bitmap, const CPoint& o)
    : CKnob(r, l, t, bitmap, nullptr, o), subPixmaps(images), heightOfOneImage(imageHeight)
{
}

CAnimKnob::CAnimKnob(const CRect& r, CControlListener* l, int32_t t, CBitmap* bitmap, const CPoint& o)
    : CKnob(r, l, t, bitmap, nullptr, o), subPixmaps(0), heightOfOneImage(r.height())
{
    if (bitmap && heightOfOneImage > 0) subPixmaps = int32_t(bitmap->getHeight() / heightOfOneImage);
}

bool CAnimKnob::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CAnimKnob") == 0 || CKnob::isTypeOf(name);
}

void CAnimKnob::draw(CDrawContext* context)
{
    if (background && subPixmaps > 0) {
        const int32_t h = int32_t(heightOfOneImage);
        float v = vmax != vmin ? (value - vmin) / (vmax - vmin) : 0.0f;
        if (inverseBitmap) v = 1.0f - v;
        int32_t y = 0;
        if (v > 0 && h > 0) {
            y = int32_t(float(subPixmaps - 1) * float(h) * v);
            y = (y / h) * h;
        }
        background->draw(context, size, CPoint(offset.x, offset.y + y));
    }
    setDirty(false);
}

}  // namespace velda::gui

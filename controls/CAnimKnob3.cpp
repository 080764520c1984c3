#include "controls/CAnimKnob3.h"

#include "toolkit/CBitmap.h"

namespace velda::gui {

CAnimKnob3::CAnimKnob3(const CRect& r, CControlListener* l, int32_t t, int32_t images, int32_t width,
                       int32_t imageHeight, CBitmap* bitmap, const CPoint& o)
    : CAnimKnob(r, l, t, images, CCoord(imageHeight), bitmap, o), columnWidth(width),
      columnHeight(bitmap ? int32_t(bitmap->getHeight()) : 0),
      imagesPerColumn(imageHeight > 0 ? columnHeight / imageHeight : 0)
{
}

CAnimKnob3::~CAnimKnob3() = default;

CPoint CAnimKnob3::imageSource() const
{
    const int32_t h = int32_t(heightOfOneImage);
    int32_t y = 0;
    if (value > 0 && h > 0) {
        const float t = float(subPixmaps - 1) * float(h);
        y = int32_t(t * value);
        y -= y % h;
    }
    if (columnHeight <= 0) return CPoint(0, y);
    return CPoint(CCoord((y / columnHeight) * columnWidth), CCoord(y % columnHeight));
}

void CAnimKnob3::draw(CDrawContext* context)
{
    if (background) background->draw(context, size, imageSource(), 1.0f);
    setDirty(false);
}

CMouseEventResult CAnimKnob3::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    return feel.onMouseDown(*this, where, buttons);
}

CMouseEventResult CAnimKnob3::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    return feel.onMouseMoved(*this, where, buttons);
}

bool CAnimKnob3::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    return feel.onWheel(*this, where, distance, buttons);
}

}  // namespace velda::gui

#include "controls/CMyVerticalSwitch.h"

#include "toolkit/CBitmap.h"

namespace velda::gui {

CMyVerticalSwitch::CMyVerticalSwitch(const CRect& r, CControlListener* l, int32_t t, int32_t images,
                                     CCoord imageHeight, int32_t p, CBitmap* bitmap, const CPoint& o)
    : CVerticalSwitch(r, l, t, images, imageHeight, p, bitmap, o), positions(p)
{
}

CMyVerticalSwitch::~CMyVerticalSwitch() = default;

int32_t CMyVerticalSwitch::imageIndex() const
{
    const float scaled = float(positions) * value;
    // Two and above show the last image, whatever the number of positions.
    return scaled >= 2.0f ? 2 : scaled > 0.0f ? int32_t(scaled) : 0;
}

void CMyVerticalSwitch::draw(CDrawContext* context)
{
    if (background) background->draw(context, size, CPoint(0, imageIndex() * heightOfOneImage));
    setDirty(false);
}

}  // namespace velda::gui

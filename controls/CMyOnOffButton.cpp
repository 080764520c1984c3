#include "controls/CMyOnOffButton.h"

#include "toolkit/CBitmap.h"

namespace velda::gui {

CMyOnOffButton::CMyOnOffButton(const CRect& r, CControlListener* l, int32_t t, CBitmap* bitmap)
    : COnOffButton(r, l, t, bitmap, 0)
{
}

CMyOnOffButton::~CMyOnOffButton() = default;

void CMyOnOffButton::draw(CDrawContext* context)
{
    if (background) {
        const int32_t image = value >= 0.5f ? 1 : 0;
        background->draw(context, size, CPoint(0, image * (background->getHeight() / 2)));
    }
    setDirty(false);
}

}  // namespace velda::gui

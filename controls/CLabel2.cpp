#include "controls/CLabel2.h"

namespace velda::gui {

CLabel2::CLabel2(const CRect& r, const char* t) : CParamDisplay(r, nullptr, 0), text(t) { setDirty(true); }

void CLabel2::draw(CDrawContext* context)
{
    context->setFont(kNormalFontVerySmall, kNormalFontVerySmall->getSize(), kNormalFontVerySmall->getStyle());
    context->setFontColor(kBlackCColor);
    if (text) context->drawString(text, size, kCenterText, true);
    setDirty(false);
}

}  // namespace velda::gui

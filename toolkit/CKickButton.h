// A momentary button: maximum while pressed (reported), minimum on release (reported).
#pragma once

#include "toolkit/CControl.h"

namespace velda::gui {

class CKickButton : public CControl {
public:
    CKickButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                const CPoint& offset = CPoint());
    CKickButton(const CRect& size, CControlListener* listener, int32_t tag, CCoord heightOfOneImage,
                CBitmap* background, const CPoint& offset = CPoint());

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    bool isTypeOf(const char* name) const override;

    CCoord getHeightOfOneImage() const { return heightOfOneImage; }

protected:
    CCoord heightOfOneImage;
    CPoint offset;
};

}  // namespace velda::gui

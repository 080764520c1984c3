// A three-way rocker: -1 while one side is pressed, +1 the other side, 0 at rest. Images 0, 1 and 2
// (stacked) show -1, 0 and +1.
#pragma once

#include "toolkit/CControl.h"
#include "toolkit/ControlStyles.h"

namespace velda::gui {

class CRockerSwitch : public CControl {
public:
    CRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                  const CPoint& offset = CPoint(), int32_t style = kHorizontal);
    CRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag, CCoord heightOfOneImage,
                  CBitmap* background, const CPoint& offset = CPoint(), int32_t style = kHorizontal);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    bool isTypeOf(const char* name) const override;

    int32_t getStyle() const { return style; }

protected:
    float valueAt(const CPoint& where) const;

    CCoord heightOfOneImage;
    CPoint offset;
    int32_t style;
};

}  // namespace velda::gui

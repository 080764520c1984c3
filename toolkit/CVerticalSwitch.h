// A switch of several positions drawn from a film strip; the view's height is divided into one band
// per image and a press or drag in band k selects position k.
#pragma once

#include "toolkit/CControl.h"

namespace velda::gui {

class CVerticalSwitch : public CControl {
public:
    CVerticalSwitch(const CRect& size, CControlListener* listener, int32_t tag, int32_t subPixmaps,
                    CCoord heightOfOneImage, int32_t maxPositions, CBitmap* background,
                    const CPoint& offset = CPoint());

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    bool isTypeOf(const char* name) const override;

    int32_t getNumSubPixmaps() const { return subPixmaps; }
    CCoord getHeightOfOneImage() const { return heightOfOneImage; }
    int32_t getMaxPositions() const { return maxPositions; }

protected:
    int32_t subPixmaps;
    CCoord heightOfOneImage;
    int32_t maxPositions;
    CPoint offset;
};

}  // namespace velda::gui

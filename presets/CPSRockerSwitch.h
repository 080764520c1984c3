// The panel's program rocker: -1 on a press left of the middle, +1 right of it, back to 0 on
// release (not reported). Five images: rest, hover left, hover right, pressed left, pressed right.
#pragma once

#include "toolkit/CRockerSwitch.h"

class CPSRockerSwitch : public velda::gui::CRockerSwitch {
public:
    CPSRockerSwitch(const velda::gui::CRect& size, velda::gui::CControlListener* listener, int32_t tag,
                    velda::gui::CCoord heightOfOneImage, velda::gui::CBitmap* background);

    void draw(velda::gui::CDrawContext* context) override;
    velda::gui::CMouseEventResult onMouseDown(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;
    velda::gui::CMouseEventResult onMouseUp(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;
    velda::gui::CMouseEventResult onMouseMoved(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;
    velda::gui::CMouseEventResult onMouseEntered(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;
    velda::gui::CMouseEventResult onMouseExited(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;

    int32_t getHoverSide() const { return hoverSide; }
    int32_t imageIndex() const;

protected:
    int32_t sideOf(const velda::gui::CPoint& where) const;

    int32_t hoverSide = 0;
};

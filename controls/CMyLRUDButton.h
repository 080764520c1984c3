// A button with four click zones (left 0.33, right 0.67, bottom 1.0, top 0.0) that shows one of four
// images; a press outside every zone keeps the value the button had when the press began.
#pragma once

#include "toolkit/COnOffButton.h"

namespace velda::gui {

class CMyLRUDButton : public COnOffButton {
public:
    CMyLRUDButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background);
    ~CMyLRUDButton() override;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;

    // The image shown for the current value.
    int32_t imageIndex() const;

protected:
    float savedValue = 0;
};

}  // namespace velda::gui

// A two-state button: a left click flips the value between minimum and maximum. Image 0 (top half)
// shows off, image 1 (bottom half) on.
#pragma once

#include "toolkit/CControl.h"

namespace velda::gui {

class COnOffButton : public CControl {
public:
    COnOffButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                 int32_t style = 0);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    bool isTypeOf(const char* name) const override;

    int32_t getStyle() const { return style; }

protected:
    int32_t style;
};

}  // namespace velda::gui

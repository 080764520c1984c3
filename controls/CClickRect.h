// An invisible area that only reports a left click to its listener; its value stays 0.
#pragma once

#include "toolkit/CControl.h"

namespace velda::gui {

class CClickRect : public CControl {
public:
    CClickRect(const CRect& size, CControlListener* listener, int32_t tag);
    ~CClickRect() override;

    bool isTypeOf(const char* name) const override;
    CView* newCopy() const override;
    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
};

}  // namespace velda::gui

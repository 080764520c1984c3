// An invisible area that flips its value between 0 and 1 on each left click and reports it; the
// editors switch pages with it.
#pragma once

#include "toolkit/CControl.h"

namespace velda::gui {

class CViewContainerSwitch : public CControl {
public:
    CViewContainerSwitch(const CRect& size, CControlListener* listener, int32_t tag);
    ~CViewContainerSwitch() override;

    bool isTypeOf(const char* name) const override;
    CView* newCopy() const override;
    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
};

}  // namespace velda::gui

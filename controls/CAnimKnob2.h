// A large film-strip knob (single column, drawn by the toolkit) with the editors' own mouse feel.
#pragma once

#include "controls/KnobMouseFeel.h"
#include "toolkit/CAnimKnob.h"

namespace velda::gui {

class CAnimKnob2 : public CAnimKnob {
public:
    CAnimKnob2(const CRect& size, CControlListener* listener, int32_t tag, int32_t images, int32_t imageHeight,
               CBitmap* background, const CPoint& offset = CPoint());
    ~CAnimKnob2() override;

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;

    const KnobMouseFeel& mouseFeel() const { return feel; }

protected:
    KnobMouseFeel feel;
};

}  // namespace velda::gui

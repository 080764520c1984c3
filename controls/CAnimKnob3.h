// A large film-strip knob whose strip wraps into several columns of images; same mouse feel as
// CAnimKnob2.
#pragma once

#include "controls/KnobMouseFeel.h"
#include "toolkit/CAnimKnob.h"

namespace velda::gui {

class CAnimKnob3 : public CAnimKnob {
public:
    CAnimKnob3(const CRect& size, CControlListener* listener, int32_t tag, int32_t images, int32_t columnWidth,
               int32_t imageHeight, CBitmap* background, const CPoint& offset = CPoint());
    ~CAnimKnob3() override;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;

    const KnobMouseFeel& mouseFeel() const { return feel; }
    // The source point of the image shown for the current value.
    CPoint imageSource() const;

protected:
    KnobMouseFeel feel;
    int32_t columnWidth;
    int32_t columnHeight;
    int32_t imagesPerColumn;
};

}  // namespace velda::gui

// A rotary control. Circular mode follows the pointer's angle around the centre (start at the lower
// left, 270 degrees clockwise to the lower right); linear mode follows vertical and horizontal drags.
#pragma once

#include "toolkit/CControl.h"

namespace velda::gui {

class CKnob : public CControl {
public:
    CKnob(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background, CBitmap* handle,
          const CPoint& offset = CPoint());
    ~CKnob() override;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;

    // The value at `point`, given relative to the knob's top-left corner.
    virtual float valueFromPoint(const CPoint& point) const;

    void setStartAngle(float radians) { startAngle = radians; }
    float getStartAngle() const { return startAngle; }
    void setRangeAngle(float radians) { rangeAngle = radians; }
    float getRangeAngle() const { return rangeAngle; }
    void setColorHandle(const CColor& c) { colorHandle = c; }
    void setInsetValue(CCoord v) { inset = v; }
    void setZoomFactor(float f) { zoomFactor = f; }

    bool isTypeOf(const char* name) const override;

protected:
    int32_t knobMode() const;

    CBitmap* handle;
    CPoint offset;
    float startAngle;
    float rangeAngle;
    float zoomFactor = 10.0f;
    CCoord inset = 3;
    CColor colorHandle = kWhiteCColor;

    // Drag state.
    CPoint firstPoint;
    float entryValue = 0;
    float range = 200;
    bool linear = false;
    CButtonState dragButtons = 0;
};

}  // namespace velda::gui

// A needle meter: a face bitmap, a needle drawn as an anti-aliased line with a soft shadow (150 degrees
// at rest, 30 degrees at 1.44), an optional overlay over the needle and a three-state over indicator
// (over now, over happened, none).
#pragma once

#include "toolkit/CControl.h"

namespace velda::gui {

class COldVuMeter : public CControl {
public:
    static constexpr float kFullScale = 1.44f;

    COldVuMeter(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* face, CBitmap* overlay,
                const CPoint& indicatorPoint, const CPoint& overlayPoint, CBitmap* indicator, const CPoint& pivot,
                float r1, float r2, float unused1 = 0, float unused2 = 0);
    ~COldVuMeter() override;

    bool isTypeOf(const char* name) const override;
    CView* newCopy() const override;
    void draw(CDrawContext* context) override;
    // The face, overlay, indicator and needle may lie outside the view's rectangle.
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    bool checkUpdate(const CRect& updateRect) const override { return updateRect.rectOverlap(paintedArea()); }
    void invalid() override { invalidRect(paintedArea()); }
    CRect paintedArea() const;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    // Feeds the level and the channel's over state of one idle.
    void setMeter(float v, float overInput);
    void setIndicatorState(float x);
    void resetIndicator();
    float getIndicatorState() const { return indicatorState; }
    // The indicator image for the current state: 0 over, 1 over happened, 2 none.
    int32_t indicatorImage() const;
    // The needle angle in radians (counter-clockwise from the right) for `value`.
    static double needleAngle(float value);

protected:
    CBitmap* face;
    CRect faceRect;
    CBitmap* overlay;
    CPoint overlayPoint;
    CPoint pivot;
    float r1;
    float r2;
    CBitmap* indicator;
    CRect indicatorRect;
    float indicatorState;
    float unused1;
    float unused2;
    CPoint indicatorPoint;
};

}  // namespace velda::gui

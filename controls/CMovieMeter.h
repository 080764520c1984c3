// A needle meter drawn from a film strip: image = round((n - 1) x (0.617 x value^1.2 + 0.018)), with a
// second scale (its own strip, square root of the first scale's shaping). A click swaps the scales and
// reports the new scale (1 or 0) to the listener.
#pragma once

#include "toolkit/CControl.h"

namespace velda::gui {

class CMovieMeter : public CControl {
public:
    CMovieMeter(const CRect& size, CControlListener* listener, int32_t tag, int32_t images, int32_t imageHeight,
                CBitmap* background, CBitmap* altBitmap, const CPoint& offset, int32_t altScale);
    ~CMovieMeter() override;

    bool isTypeOf(const char* name) const override;
    CView* newCopy() const override;
    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    int32_t setAltScale(int32_t scale);
    int32_t getAltScale() const { return altScale; }
    // The image shown for `value` on the current scale.
    int32_t imageFor(float value) const;

protected:
    CPoint offset;
    int32_t images;
    int32_t imageHeight;
    CBitmap* altBitmap;
    int32_t altScale;
};

}  // namespace velda::gui

// A knob drawn from a film strip: images of equal height stacked vertically in one bitmap.
#pragma once

#include "toolkit/CKnob.h"

namespace velda::gui {

class CAnimKnob : public CKnob {
public:
    CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, int32_t subPixmaps,
              CCoord heightOfOneImage, CBitmap* background, const CPoint& offset = CPoint());
    // The image count follows from the bitmap's height and the view's height.
    CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
              const CPoint& offset = CPoint());

    void draw(CDrawContext* context) override;

    int32_t getNumSubPixmaps() const { return subPixmaps; }
    CCoord getHeightOfOneImage() const { return heightOfOneImage; }
    void setInverseBitmap(bool state) { inverseBitmap = state; }

    bool isTypeOf(const char* name) const override;

protected:
    int32_t subPixmaps;
    CCoord heightOfOneImage;
    bool inverseBitmap = false;
};

}  // namespace velda::gui

// A latching over indicator drawn from a film strip. The displayed level (held in the old value)
// follows any higher input at once and otherwise falls by one image per redraw until it is half lit
// (0.45 or less), where it stays until reset or clicked.
#pragma once

#include "toolkit/CControl.h"

namespace velda::gui {

class CMovieLED : public CControl {
public:
    CMovieLED(const CRect& size, CControlListener* listener, int32_t tag, int32_t images, int32_t imageHeight,
              CBitmap* background, const CPoint& offset = CPoint());
    ~CMovieLED() override;

    bool isTypeOf(const char* name) const override;
    CView* newCopy() const override;
    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    void reset();
    // The image drawn last.
    int32_t getShownImage() const { return shownImage; }

protected:
    CPoint offset;
    int32_t images;
    int32_t imageHeight;
    float decayStep;
    int32_t shownImage = 0;
};

}  // namespace velda::gui

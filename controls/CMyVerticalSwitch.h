// The three-position switch: the toolkit's vertical switch drawn as position = positions x value,
// held at image 2.
#pragma once

#include "toolkit/CVerticalSwitch.h"

namespace velda::gui {

class CMyVerticalSwitch : public CVerticalSwitch {
public:
    CMyVerticalSwitch(const CRect& size, CControlListener* listener, int32_t tag, int32_t images,
                      CCoord imageHeight, int32_t positions, CBitmap* background, const CPoint& offset = CPoint());
    ~CMyVerticalSwitch() override;

    void draw(CDrawContext* context) override;
    // The image shown for the current value.
    int32_t imageIndex() const;

protected:
    int32_t positions;
};

}  // namespace velda::gui

// A two-state button: image 0 (upper half) off, image 1 (lower half) from 0.5 up.
#pragma once

#include "toolkit/COnOffButton.h"

namespace velda::gui {

class CMyOnOffButton : public COnOffButton {
public:
    CMyOnOffButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background);
    ~CMyOnOffButton() override;

    void draw(CDrawContext* context) override;
};

}  // namespace velda::gui

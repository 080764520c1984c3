// A file button of the panel: a left click reports 1, a right click alone 0.5 (the byte-reversed
// load), then the value drops back to 0 at once. Three images: rest, hovered, pressed.
#pragma once

#include "toolkit/CKickButton.h"

class CSaveLoadButton : public velda::gui::CKickButton {
public:
    CSaveLoadButton(const velda::gui::CRect& size, velda::gui::CControlListener* listener, int32_t tag,
                    velda::gui::CCoord heightOfOneImage, velda::gui::CBitmap* background);

    void draw(velda::gui::CDrawContext* context) override;
    velda::gui::CMouseEventResult onMouseDown(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;
    velda::gui::CMouseEventResult onMouseUp(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;
    velda::gui::CMouseEventResult onMouseMoved(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;
    velda::gui::CMouseEventResult onMouseEntered(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;
    velda::gui::CMouseEventResult onMouseExited(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;

    bool isHovered() const { return hover; }
    int32_t imageIndex() const { return value != 0.0f ? 2 : hover ? 1 : 0; }

protected:
    bool hover = false;
};

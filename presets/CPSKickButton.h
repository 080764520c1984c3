// A panel button with three images (rest, hovered, pressed). It acts on the press only; a button
// that needs a double click ignores single clicks and reports 0.5 instead of 1 with Control held.
#pragma once

#include "toolkit/CKickButton.h"

class CPSKickButton : public velda::gui::CKickButton {
public:
    CPSKickButton(const velda::gui::CRect& size, velda::gui::CControlListener* listener, int32_t tag,
                  velda::gui::CCoord heightOfOneImage, velda::gui::CBitmap* background, bool needsDoubleClick);

    void draw(velda::gui::CDrawContext* context) override;
    velda::gui::CMouseEventResult onMouseDown(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;
    velda::gui::CMouseEventResult onMouseUp(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;
    velda::gui::CMouseEventResult onMouseMoved(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;
    velda::gui::CMouseEventResult onMouseEntered(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;
    velda::gui::CMouseEventResult onMouseExited(velda::gui::CPoint& where, const velda::gui::CButtonState& buttons) override;

    bool isHovered() const { return hover; }
    bool isPressed() const { return pressed; }
    int32_t imageIndex() const { return pressed ? 2 : hover ? 1 : 0; }

protected:
    bool hover = false;
    bool pressed = false;
    bool needsDoubleClick;
};

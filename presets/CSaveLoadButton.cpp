#include "presets/CSaveLoadButton.h"

#include "toolkit/CBitmap.h"

using namespace velda::gui;

CSaveLoadButton::CSaveLoadButton(const CRect& r, CControlListener* l, int32_t t, CCoord imageHeight, CBitmap* bitmap)
    : CKickButton(r, l, t, imageHeight, bitmap)
{
}

void CSaveLoadButton::draw(CDrawContext* context)
{
    if (background) background->draw(context, size, CPoint(offset.x, offset.y + imageIndex() * heightOfOneImage));
    setDirty(false);
}

CMouseEventResult CSaveLoadButton::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!(buttons & (kLButton | kRButton)) || !listener) return kMouseEventNotHandled;
    const bool rightAlone = (buttons & (kButtonMask | kModifierMask)) == kRButton;
    value = rightAlone ? 0.5f : 1.0f;
    // The listener runs a modal file selector and may close the editor meanwhile.
    remember();
    valueChanged();
    value = 0.0f;
    invalid();
    forget();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

CMouseEventResult CSaveLoadButton::onMouseUp(CPoint&, const CButtonState&) { return kMouseEventHandled; }

CMouseEventResult CSaveLoadButton::onMouseMoved(CPoint&, const CButtonState&) { return kMouseEventHandled; }

CMouseEventResult CSaveLoadButton::onMouseEntered(CPoint&, const CButtonState&)
{
    hover = true;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CSaveLoadButton::onMouseExited(CPoint&, const CButtonState&)
{
    hover = false;
    invalid();
    return kMouseEventHandled;
}

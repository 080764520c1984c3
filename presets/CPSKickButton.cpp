#include "presets/CPSKickButton.h"

#include "toolkit/CBitmap.h"

using namespace velda::gui;

CPSKickButton::CPSKickButton(const CRect& r, CControlListener* l, int32_t t, CCoord imageHeight, CBitmap* bitmap,
                             bool doubleClick)
    : CKickButton(r, l, t, imageHeight, bitmap), needsDoubleClick(doubleClick)
{
}

void CPSKickButton::draw(CDrawContext* context)
{
    if (background) background->draw(context, size, CPoint(offset.x, offset.y + imageIndex() * heightOfOneImage));
    setDirty(false);
}

// No begin/end edit: the panel's tags are commands, not parameters the host records.
CMouseEventResult CPSKickButton::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    if (needsDoubleClick && !(buttons & kDoubleClick)) return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    pressed = true;
    value = needsDoubleClick && (buttons & kControl) ? 0.5f : 1.0f;
    remember();
    valueChanged();
    invalid();
    forget();
    return kMouseEventHandled;
}

// The release is not reported: a default button would read 0 as "delete".
CMouseEventResult CPSKickButton::onMouseUp(CPoint&, const CButtonState&)
{
    value = 0.0f;
    pressed = false;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CPSKickButton::onMouseMoved(CPoint&, const CButtonState&) { return kMouseEventHandled; }

CMouseEventResult CPSKickButton::onMouseEntered(CPoint&, const CButtonState&)
{
    hover = true;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CPSKickButton::onMouseExited(CPoint&, const CButtonState&)
{
    hover = false;
    invalid();
    return kMouseEventHandled;
}

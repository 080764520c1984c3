// The mouse and wheel feel of the large film-strip knobs: a linear drag over 300 pixels (1500 with
// Shift, switchable mid-drag without a jump), a circular drag that holds at the end it left instead of
// jumping across the gap at the bottom, Ctrl-click to the default, double-click to typed entry and
// fine wheel steps. Both knob classes hold one and forward their handlers to it.
#pragma once

#include "toolkit/CKnob.h"

namespace velda::gui {

class KnobMouseFeel {
public:
    static constexpr float kLinearPixels = 300.0f;
    static constexpr float kFineLinearPixels = 1500.0f;

    CMouseEventResult onMouseDown(CKnob& knob, CPoint& where, const CButtonState& buttons);
    CMouseEventResult onMouseMoved(CKnob& knob, CPoint& where, const CButtonState& buttons);
    bool onWheel(CKnob& knob, const CPoint& where, float distance, const CButtonState& buttons);

    float entryValue = 0;         // value at the start of the drag, corrected on a change of speed
    int32_t dragButtons = 0;      // buttons and modifiers last seen by the drag
    int32_t dragMode = 0;         // kLinearMode or 0 (circular)
    CPoint firstPoint;            // where a linear drag started
    float dragRange = 0;          // pixels for the whole range
    bool linearDrag = false;
    float lastCircularValue = 0;  // last value a circular drag accepted
    float coef = 0;               // value change per pixel
    float halfRange = 0;          // largest step a circular drag accepts

private:
    static int32_t knobMode(const CKnob& knob);
};

}  // namespace velda::gui

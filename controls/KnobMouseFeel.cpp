#include "controls/KnobMouseFeel.h"

#include "controls/TypedEntryEditor.h"
#include "toolkit/CFrame.h"

namespace velda::gui {

int32_t KnobMouseFeel::knobMode(const CKnob& knob)
{
    CFrame* frame = knob.getFrame();
    return frame && frame->getEditor() ? frame->getEditor()->getKnobMode() : int32_t(kCircularMode);
}

CMouseEventResult KnobMouseFeel::onMouseDown(CKnob& knob, CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton) || !knob.getListener()) return kMouseEventNotHandled;
    knob.beginEdit();
    if (buttons & kControl) {
        knob.setValue(knob.getDefaultValue());
        if (knob.isDirty()) knob.valueChanged();
        knob.endEdit();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    if (buttons & kDoubleClick) {
        if (TypedEntryEditor* editor = TypedEntryEditor::of(knob.getListener())) editor->startTypedEntry(knob.getTag());
        knob.endEdit();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }

    const float span = knob.getMax() - knob.getMin();
    lastCircularValue = knob.getOldValue();
    linearDrag = false;
    dragRange = kLinearPixels;
    entryValue = knob.getValue();
    dragButtons = buttons;
    dragMode = 0;
    coef = span / dragRange;
    halfRange = span * 0.5f;

    // Alt selects the other way of dragging than the editor's knob mode.
    const bool alt = (buttons & kAlt) != 0;
    const bool linear = knobMode(knob) == kLinearMode ? !alt : alt;
    if (linear) {
        if (buttons & kShift) dragRange = kFineLinearPixels;
        firstPoint = where;
        linearDrag = true;
        dragMode = kLinearMode;
        coef = span / dragRange;
    } else {
        lastCircularValue = knob.valueFromPoint(where - knob.getViewSize().getTopLeft());
    }
    return onMouseMoved(knob, where, buttons);
}

CMouseEventResult KnobMouseFeel::onMouseMoved(CKnob& knob, CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    const float before = knob.getValue();
    if (linearDrag) {
        // Up and right increase; horizontal movement counts half.
        const float delta = float(0.5 * (where.x - firstPoint.x) + (firstPoint.y - where.y));
        if (buttons != dragButtons) {
            // Continue from the current value at the new speed.
            dragRange = (buttons & kShift) ? kFineLinearPixels : kLinearPixels;
            const float c = (knob.getMax() - knob.getMin()) / dragRange;
            entryValue += (coef - c) * delta;
            coef = c;
            dragButtons = buttons;
        }
        knob.setValue(delta * coef + entryValue);
    } else {
        const float v = knob.valueFromPoint(where - knob.getViewSize().getTopLeft());
        if (lastCircularValue - v > halfRange) {
            knob.setValue(knob.getMax());
        } else if (v - lastCircularValue > halfRange) {
            knob.setValue(knob.getMin());
        } else {
            knob.setValue(v);
            lastCircularValue = v;
        }
    }
    // A return to the value last drawn is a change too when no redraw came between.
    if (knob.getValue() != before || knob.isDirty()) {
        knob.invalid();
        knob.valueChanged();
    }
    return kMouseEventHandled;
}

bool KnobMouseFeel::onWheel(CKnob& knob, const CPoint&, float distance, const CButtonState& buttons)
{
    knob.setValue(knob.getValue() + distance * ((buttons & kShift) ? 0.001f : 0.01f));
    if (knob.isDirty() && knob.getListener()) {
        knob.invalid();
        knob.beginEdit();
        knob.valueChanged();
        knob.endEdit();
    }
    return true;
}

}  // namespace velda::gui

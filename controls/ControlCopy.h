// Copies the toolkit control state (value model, back offset, mouse and visibility) into a copy.
#pragma once

#include "toolkit/CControl.h"

namespace velda::gui {

inline void copyControlState(const CControl& from, CControl& to)
{
    to.setMin(from.getMin());
    to.setMax(from.getMax());
    to.setDefaultValue(from.getDefaultValue());
    to.setValueUnbounded(from.getValue());
    to.setOldValue(from.getOldValue());
    to.setWheelInc(from.getWheelInc());
    to.setBackOffset(from.getBackOffset());
    to.setMouseEnabled(from.getMouseEnabled());
    to.setVisible(from.isVisible());
    to.setTransparency(from.getTransparency());
    to.setBackground(from.getBackground());
}

}  // namespace velda::gui

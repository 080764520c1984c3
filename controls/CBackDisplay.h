// The editors' value displays: a parameter display with a type of its own. It paints the piece of the
// page under it (background bitmap from the back offset) and the text of its conversion function.
#pragma once

#include "toolkit/CParamDisplay.h"

namespace velda::gui {

class CBackDisplay : public CParamDisplay {
public:
    using CParamDisplay::CParamDisplay;
};

}  // namespace velda::gui

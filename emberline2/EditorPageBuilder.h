// Builds the two pages of a product editor from its layout table: every control in table order,
// parameter controls set from the effect before they join their page.
#pragma once

#include "controls/EditorLayoutTypes.h"
#include "emberline2/EditorControls.h"

class Emberline;

namespace velda {

// Fills `controls` with new pages (each holding one reference for the caller) and their views.
// The typed-entry field is created but left outside the pages.
void buildEditorPages(const layout::EditorLayout& layout, Emberline& effect, gui::CControlListener* listener,
                      EditorControls& controls);

// The display text function of a layout formatter (null for none).
gui::CParamDisplay::StringConvert stringConvertFor(layout::Formatter formatter);

}  // namespace velda

#pragma once
#include "controls/EditorLayoutTypes.h"

namespace velda::emberline {

// Window, pages, bitmaps and controls of the editor, in creation order.
const layout::EditorLayout& editorLayout();

}  // namespace velda::emberline

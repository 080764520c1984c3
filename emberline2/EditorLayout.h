#pragma once
#include "controls/EditorLayoutTypes.h"

namespace velda::emberline2 {

// Window, pages, bitmaps and controls of the editor, in creation order.
const layout::EditorLayout& editorLayout();

}  // namespace velda::emberline2

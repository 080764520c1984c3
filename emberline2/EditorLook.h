// The size and main background picture of each product's editor window, and the table of its
// pages and controls (none: the window shows its background only).
#pragma once
#include <cstdint>

#include "controls/EditorLayoutTypes.h"
#include "emberline/EditorLayout.h"
#include "emberline2/EditorLayout.h"

namespace velda {

struct EditorLook {
    int16_t width;
    int16_t height;
    int32_t backgroundBitmap;
    const layout::EditorLayout& (*layout)() = nullptr;
};

inline constexpr EditorLook kEmberline2Look{450, 460, 19000, emberline2::editorLayout};
inline constexpr EditorLook kEmberlineLook{450, 460, 19100, emberline::editorLayout};
inline constexpr EditorLook kCindermoteLook{450, 376, 19100};

}  // namespace velda

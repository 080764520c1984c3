// The size and main background picture of each product's editor window.
#pragma once
#include <cstdint>

namespace velda {

struct EditorLook {
    int16_t width;
    int16_t height;
    int32_t backgroundBitmap;
};

inline constexpr EditorLook kEmberline2Look{450, 460, 19000};
inline constexpr EditorLook kEmberlineLook{450, 460, 19100};
inline constexpr EditorLook kCindermoteLook{450, 376, 19100};

}  // namespace velda

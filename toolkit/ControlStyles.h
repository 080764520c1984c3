// Style bits of the toolkit's displays, switches and menus.
#pragma once
#include <cstdint>

namespace velda::gui {

enum CControlStyle : int32_t {
    kHorizontal = 1 << 0,
    kVertical = 1 << 1,
    kShadowText = 1 << 2,
    k3DIn = 1 << 3,
    k3DOut = 1 << 4,
    kPopupStyle = 1 << 5,
    kCheckStyle = 1 << 6,
    kMultipleCheckStyle = 1 << 7,
    kNoTextStyle = 1 << 11,
    kNoDrawStyle = 1 << 12,
    kNoFrame = 1 << 13,
};

}  // namespace velda::gui

// Mouse button and modifier flags, mouse results, knob modes and text alignment.
#pragma once
#include <cstdint>

namespace velda::gui {

// Button state: buttons, modifier keys and the double-click mark in one word.
enum CButton : int32_t {
    kLButton = 1 << 0,
    kMButton = 1 << 1,
    kRButton = 1 << 2,
    kShift = 1 << 3,
    kControl = 1 << 4,
    kAlt = 1 << 5,
    kApple = 1 << 6,
    kDoubleClick = 1 << 7,
};
constexpr int32_t kButtonMask = kLButton | kMButton | kRButton;
constexpr int32_t kModifierMask = kShift | kControl | kAlt | kApple;

using CButtonState = int32_t;

enum CMouseEventResult : int32_t {
    kMouseEventNotImplemented = 0,
    kMouseEventHandled,
    kMouseEventNotHandled,
    kMouseDownEventHandledButDontNeedMovedOrUpEvents,
};

enum CKnobMode : int32_t {
    kCircularMode = 0,
    kRelativCircularMode = 1,
    kLinearMode = 2,
};

enum CHoriTxtAlign : int32_t {
    kLeftText = 0,
    kCenterText,
    kRightText,
};

}  // namespace velda::gui

#include "presets/PresetPanelLayout.h"

#include <array>

namespace velda::layout {
namespace {

using K = PanelControlKind;
using R = PanelRow;

// Creation order of the panel: name field, menu, rocker, then the buttons.
constexpr std::array<PanelControlSpec, 13> kControls{{
    {"program name", K::nameField, 0, 175, 292, R::small, 0, 1, nullptr},
    {"program menu", K::programMenu, 12, 293, 305, R::small, 0, 1, nullptr},
    {"program rocker", K::rocker, 1, 313, 344, R::small, 19997, 5, nullptr},
    {"load bank", K::saveLoadButton, 2, 70, 82, R::small, 19993, 3, "load"},
    {"save bank", K::saveLoadButton, 3, 20, 32, R::small, 19994, 3, "save"},
    {"default bank", K::doubleClickButton, 13, 32, 69, R::wide, 19990, 3, "BANK"},
    {"load preset", K::saveLoadButton, 4, 150, 162, R::small, 19998, 3, "load"},
    {"save preset", K::saveLoadButton, 5, 91, 103, R::small, 19999, 3, "save"},
    {"default preset", K::doubleClickButton, 14, 103, 150, R::wide, 19899, 3, "PRESET"},
    {"recall A", K::kickButton, 17, 374, 386, R::small, 19991, 3, "A"},
    {"store A", K::kickButton, 15, 352, 364, R::small, 19995, 3, "A"},
    {"recall B", K::kickButton, 18, 417, 429, R::small, 19992, 3, "B"},
    {"store B", K::kickButton, 16, 395, 407, R::small, 19996, 3, "B"},
}};

// Button rows are 14 pixels high (small) and 10 pixels high (wide) in every product.
constexpr int kSmallRowHeight = 14;
constexpr int kWideRowHeight = 10;

constexpr BitmapSpec bitmapOf(const PanelControlSpec& c) {
  const int rowHeight = c.row == R::small ? kSmallRowHeight : kWideRowHeight;
  return {c.bitmap, nullptr, c.right - c.left, rowHeight * c.images, c.images};
}

constexpr std::array<BitmapSpec, 11> kBitmaps{{
    bitmapOf(kControls[5]), bitmapOf(kControls[8]), bitmapOf(kControls[2]), bitmapOf(kControls[3]),
    bitmapOf(kControls[4]), bitmapOf(kControls[6]), bitmapOf(kControls[7]), bitmapOf(kControls[9]),
    bitmapOf(kControls[10]), bitmapOf(kControls[11]), bitmapOf(kControls[12]),
}};

}  // namespace

std::span<const PanelControlSpec> presetPanelControls() { return kControls; }

Rect panelControlRect(const PanelControlSpec& control, const PanelPlacement& placement) {
  if (control.row == R::wide) return {control.left, placement.wideRowTop, control.right, placement.wideRowBottom};
  return {control.left, placement.smallRowTop, control.right, placement.smallRowBottom};
}

std::span<const BitmapSpec> presetPanelBitmaps() { return kBitmaps; }

}  // namespace velda::layout

#pragma once
// The preset panel along the bottom edge of every editor: horizontal positions, tags and bitmaps.
#include "controls/EditorLayoutTypes.h"

#include <span>

namespace velda::layout {

enum class PanelControlKind { nameField, programMenu, rocker, saveLoadButton, kickButton, doubleClickButton };
enum class PanelRow { small, wide };

struct PanelControlSpec {
  const char* name;
  PanelControlKind kind;
  int tagOffset;
  int left, right;
  PanelRow row;
  int bitmap;       // 0: draws no bitmap
  int images;
  const char* engraving;  // legend on the button
};

std::span<const PanelControlSpec> presetPanelControls();

// The control's rectangle in a product's panel rows.
Rect panelControlRect(const PanelControlSpec& control, const PanelPlacement& placement);

// The panel's bitmaps with the sizes their controls give them.
std::span<const BitmapSpec> presetPanelBitmaps();

}  // namespace velda::layout

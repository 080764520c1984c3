#pragma once
// The page backgrounds: faceplate, engraved names and scales, bezels, the preset panel strip.
#include "controls/EditorLayoutTypes.h"
#include "resources/generator/Image.h"
#include "resources/generator/Theme.h"

namespace velda::artwork {

// The frame background: main page faceplate with the preset panel strip along the bottom.
Image paintMainPlate(const layout::EditorLayout& layout, const Theme& theme);

// The settings page background.
Image paintSettingsPlate(const layout::EditorLayout& layout, const Theme& theme, int width, int height);

}  // namespace velda::artwork

#pragma once
// Pictures for people: every bitmap labelled with its number, and each page as the editor opens it.
#include "controls/EditorLayoutTypes.h"
#include "resources/generator/Artwork.h"

namespace velda::artwork {

Image contactSheet(const layout::EditorLayout& layout, const Artwork& art, const Theme& theme);

// The page with every control at its default value and the preset panel below it.
Image pagePreview(const layout::EditorLayout& layout, const Artwork& art, layout::Page page);

}  // namespace velda::artwork

#pragma once
// Every bitmap of one product, drawn from its layout and theme.
#include "controls/EditorLayoutTypes.h"
#include "resources/generator/Image.h"
#include "resources/generator/Theme.h"

#include <map>
#include <string>
#include <vector>

namespace velda::artwork {

struct Bitmap {
  layout::BitmapSpec spec;
  Image image;
};

struct Artwork {
  std::vector<Bitmap> bitmaps;        // in resource order
  std::vector<std::string> problems;  // size mismatches and seams; empty when all is well
  const Image* find(int id) const;
  const Image* findNamed(const char* name) const;
};

Artwork drawArtwork(const layout::EditorLayout& layout, const Theme& theme);

// The image of a film strip shown for a value, as the control classes pick it.
int knobImage(int images, float value);

}  // namespace velda::artwork

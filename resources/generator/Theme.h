#pragma once
// The family look and each product's accent.
#include <cairo.h>

namespace velda::artwork {

struct Colour {
  double r, g, b, a = 1.0;
};

struct Theme {
  const char* brand;       // engraved top left
  const char* model;       // engraved after the brand
  const char* tagline;     // small line under the name
  Colour accent;           // lit lenses, pointers, title
  Colour accentDim;        // unlit lenses
  Colour plate;            // main faceplate
  Colour plateInk;         // engraving on the main faceplate
  Colour darkPlate;        // settings page and panel strip
  Colour darkInk;          // engraving on dark plates
  Colour meterFace;        // meter paper
  Colour readout;          // read-out glyph colour
};

// nullptr for an unknown product.
const Theme* themeFor(const char* shortName);

void setColour(cairo_t* cr, const Colour& c);
Colour mix(const Colour& a, const Colour& b, double t);

}  // namespace velda::artwork

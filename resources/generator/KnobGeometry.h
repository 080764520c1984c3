#pragma once
// Where a knob's cap, ticks and numbers sit inside its rectangle, and the angle of a value.
#include "controls/EditorLayoutTypes.h"

#include <vector>

namespace velda::artwork {

struct KnobGeometry {
  double cx, cy;          // centre, relative to the rectangle
  double capRadius;
  double tickInner, tickOuter;
  double numberRadius;
};

KnobGeometry knobGeometry(int width, int height);

// Radians clockwise from twelve o'clock: -135 degrees at 0, +135 degrees at 1.
double knobAngle(double value);

std::vector<const char*> scaleNumbers(layout::KnobScale scale);

}  // namespace velda::artwork

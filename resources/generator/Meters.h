#pragma once
// Meter faces: the film-strip meters (needle at a given deflection) and the faces and glass of the
// line-drawn needle meters.
#include "resources/generator/Theme.h"

#include <cairo.h>

namespace velda::artwork {

// Deflection 0..1 of the film-strip meter's needle for a linear level, as the meter class maps it.
double movieMeterDeflection(double level, bool secondScale);

// One film-strip image: face, scale (-20..+3 dB or, second scale, -40..+6 dB) and needle at deflection e.
void paintMovieMeter(cairo_t* cr, int w, int h, double e, bool secondScale, const Theme& theme);

// Needle-meter face without needle; the pivot is at (pivotX, pivotY) relative to the face.
void paintNeedleFace(cairo_t* cr, int w, int h, double pivotX, double pivotY, double needleLength,
                     const char* channel, const Theme& theme);

// Glass over the face and the cover plate that hides the needle's foot. Transparent only where it lies
// over the face (which the meter redraws each time), opaque elsewhere or clear.
void paintNeedleOverlay(cairo_t* cr, int w, int h, int faceBottom, int faceRight, double pivotX, double pivotY,
                        const Theme& theme);

}  // namespace velda::artwork

#pragma once
// Engraving and legend text in the Liberation faces.
#include <cairo.h>

namespace velda::artwork {

enum class Face { sans, sansBold, narrowBold, monoBold };
enum class Align { left, centre, right };

// Loads the faces once; false when a font file is missing.
bool loadFonts();

void setFace(cairo_t* cr, Face face, double size);
double textWidth(cairo_t* cr, const char* text);
// Draws text with its baseline at y, aligned on x.
void drawText(cairo_t* cr, const char* text, double x, double y, Align align = Align::centre);
// Text squeezed horizontally to fit maxWidth when wider.
void drawTextFitted(cairo_t* cr, const char* text, double x, double y, double maxWidth);

}  // namespace velda::artwork

#pragma once
// The moving parts: each function draws one image of a control over the faceplate already in cr,
// in a w x h area at the origin.
#include "resources/generator/Theme.h"

#include <cairo.h>

namespace velda::artwork {

enum class KnobStyle { large, small };
void paintKnob(cairo_t* cr, int w, int h, double value, KnobStyle style, const Theme& theme);

// An illuminated push button; lit when on.
void paintPushButton(cairo_t* cr, int w, int h, bool on, const char* legend, const Theme& theme);
// A button whose lens shows "off" and "on" names, lighting the one selected.
void paintTwoLegendButton(cairo_t* cr, int w, int h, bool on, const char* offName, const char* onName,
                          const Theme& theme);
// A small round lamp button without legend.
void paintLampButton(cairo_t* cr, int w, int h, bool on, const Theme& theme);

// A toggle lever at one of `positions` positions (0 = top); the lever sits in the right part of the area.
void paintLever(cairo_t* cr, int w, int h, int position, int positions, double leverX, const Theme& theme);

// Four-zone channel-mode cap: 0 mono, 1 L, 2 R, 3 stereo lit; drawn inside the leftmost capWidth pixels.
void paintChannelMode(cairo_t* cr, int capWidth, int h, int selected, const Theme& theme);

// A round lamp at brightness 0..1; red for overs.
void paintLamp(cairo_t* cr, int w, int h, double level, const Colour& colour);

// Read-out glyph 0..17 (digits, point, k, +, -, %, dB, ms, blank).
void paintGlyph(cairo_t* cr, int w, int h, int glyph, const Theme& theme);

enum class PanelState { normal, hover, pressed };
enum class PanelIcon { save, load, text, storeLetter, recallLetter, arrowLeft, arrowRight };
void paintPanelKey(cairo_t* cr, double x, double w, int h, PanelIcon icon, const char* text, PanelState state,
                   const Theme& theme);

}  // namespace velda::artwork

#include "resources/generator/Controls.h"

#include "resources/generator/KnobGeometry.h"
#include "resources/generator/Text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velda::artwork {
namespace {

constexpr double kPi = std::numbers::pi;

void circle(cairo_t* cr, double x, double y, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
  cairo_close_path(cr);
}

void shadow(cairo_t* cr, double x, double y, double r, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x + 1, y + 2, r * 0.6, x + 1, y + 2, r + 2.5);
  cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0);
  cairo_set_source(cr, p);
  circle(cr, x + 1, y + 2, r + 2.5);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// The lens of a lit or unlit lamp, with a glow when lit.
void lens(cairo_t* cr, double x, double y, double w, double h, double level, const Theme& theme) {
  const Colour off = theme.accentDim, on = theme.accent;
  const Colour face = mix(off, on, level);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(p, 0, face.r * 0.85 + 0.15 * level, face.g * 0.85 + 0.15 * level,
                                   face.b * 0.85 + 0.15 * level);
  cairo_pattern_add_color_stop_rgb(p, 1, face.r * 0.7, face.g * 0.7, face.b * 0.7);
  roundedRect(cr, x, y, w, h, 2);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  if (level > 0) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h / 2, 0, x + w / 2, y + h / 2, std::max(w, h) / 2);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.9, 0.55 * level);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 0.9, 0);
    roundedRect(cr, x, y, w, h, 2);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  roundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 2);
  cairo_set_line_width(cr, 1.0);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
  cairo_stroke(cr);
}

// The square cap of a push button.
void cap(cairo_t* cr, double x, double y, double w, double h, bool pressed) {
  roundedRect(cr, x + 1, y + 2, w, h, 3);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  const double top = pressed ? 0.26 : 0.34, bottom = pressed ? 0.12 : 0.14;
  cairo_pattern_add_color_stop_rgb(p, 0, top, top, top + 0.01);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom, bottom, bottom + 0.01);
  roundedRect(cr, x, y, w, h, 3);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  roundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 3);
  cairo_set_line_width(cr, 1.0);
  cairo_set_source_rgba(cr, 1, 1, 1, pressed ? 0.08 : 0.18);
  cairo_stroke(cr);
}

void legendColour(cairo_t* cr, bool lit, const Theme& theme) {
  if (lit)
    cairo_set_source_rgb(cr, 0.12, 0.07, 0.03);
  else
    setColour(cr, mix(theme.accentDim, {0, 0, 0}, 0.45));
}

}  // namespace

void paintKnob(cairo_t* cr, int w, int h, double value, KnobStyle style, const Theme& theme) {
  const KnobGeometry g = knobGeometry(w, h);
  const double r = g.capRadius, cx = g.cx, cy = g.cy;
  shadow(cr, cx, cy, r, 0.45);
  // Skirt with knurled edge.
  cairo_pattern_t* skirt = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  cairo_pattern_add_color_stop_rgb(skirt, 0, 0.30, 0.30, 0.31);
  cairo_pattern_add_color_stop_rgb(skirt, 1, 0.06, 0.06, 0.07);
  circle(cr, cx, cy, r);
  cairo_set_source(cr, skirt);
  cairo_fill(cr);
  cairo_pattern_destroy(skirt);
  const int ridges = style == KnobStyle::large ? 48 : 24;
  cairo_set_line_width(cr, 0.6);
  for (int i = 0; i < ridges; ++i) {
    const double a = 2 * kPi * i / ridges;
    const double shade = 0.5 + 0.5 * std::cos(a + kPi / 4);
    cairo_set_source_rgba(cr, shade, shade, shade, 0.16);
    cairo_move_to(cr, cx + (r - 2.2) * std::cos(a), cy + (r - 2.2) * std::sin(a));
    cairo_line_to(cr, cx + (r - 0.4) * std::cos(a), cy + (r - 0.4) * std::sin(a));
    cairo_stroke(cr);
  }
  // Brushed metal top, lit from above.
  const double top = style == KnobStyle::large ? r * 0.72 : r * 0.66;
  cairo_pattern_t* face = cairo_pattern_create_radial(cx - top * 0.3, cy - top * 0.5, top * 0.1, cx, cy, top * 1.1);
  cairo_pattern_add_color_stop_rgb(face, 0, 0.86, 0.86, 0.85);
  cairo_pattern_add_color_stop_rgb(face, 0.7, 0.62, 0.62, 0.61);
  cairo_pattern_add_color_stop_rgb(face, 1, 0.45, 0.45, 0.45);
  circle(cr, cx, cy, top);
  cairo_set_source(cr, face);
  cairo_fill(cr);
  cairo_pattern_destroy(face);
  circle(cr, cx, cy, top);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  // Pointer: a line across skirt and top in the accent colour.
  const double a = knobAngle(value), s = std::sin(a), c = -std::cos(a);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, std::max(1.6, r * 0.13));
  cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
  cairo_move_to(cr, cx + 0.5 + s * r * 0.25, cy + 0.7 + c * r * 0.25);
  cairo_line_to(cr, cx + 0.5 + s * (r - 1.8), cy + 0.7 + c * (r - 1.8));
  cairo_stroke(cr);
  setColour(cr, theme.accent);
  cairo_move_to(cr, cx + s * r * 0.25, cy + c * r * 0.25);
  cairo_line_to(cr, cx + s * (r - 1.8), cy + c * (r - 1.8));
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void paintPushButton(cairo_t* cr, int w, int h, bool on, const char* legend, const Theme& theme) {
  const double side = std::min(w, h) - 8;
  const double x = (w - side) / 2.0, y = (h - side) / 2.0 - 1;
  cap(cr, x, y, side, side, on);
  const double inset = side * 0.2;
  lens(cr, x + inset, y + inset, side - 2 * inset, side - 2 * inset, on ? 1.0 : 0.0, theme);
  if (legend && *legend) {
    setFace(cr, Face::narrowBold, 7.0);
    legendColour(cr, on, theme);
    drawTextFitted(cr, legend, w / 2.0, y + side / 2 + 2.5, side - 2 * inset - 2);
  }
}

void paintTwoLegendButton(cairo_t* cr, int w, int h, bool on, const char* offName, const char* onName,
                          const Theme& theme) {
  const double bw = w - 8, bh = h - 8;
  const double x = 4, y = 3;
  cap(cr, x, y, bw, bh, false);
  const double lw = bw - 8, lh = (bh - 10) / 2;
  lens(cr, x + 4, y + 4, lw, lh, on ? 0.0 : 1.0, theme);
  lens(cr, x + 4, y + 6 + lh, lw, lh, on ? 1.0 : 0.0, theme);
  setFace(cr, Face::narrowBold, 7.5);
  legendColour(cr, !on, theme);
  drawTextFitted(cr, offName, w / 2.0, y + 4 + lh / 2 + 2.7, lw - 2);
  legendColour(cr, on, theme);
  drawTextFitted(cr, onName, w / 2.0, y + 6 + lh + lh / 2 + 2.7, lw - 2);
}

void paintLampButton(cairo_t* cr, int w, int h, bool on, const Theme& theme) {
  const double cx = w / 2.0, cy = h / 2.0 - 1, r = std::min(w, h) / 2.0 - 4.5;
  shadow(cr, cx, cy, r, 0.4);
  circle(cr, cx, cy, r);
  cairo_set_source_rgb(cr, 0.12, 0.12, 0.13);
  cairo_fill(cr);
  const double lr = r * 0.62;
  const Colour c = on ? theme.accent : theme.accentDim;
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - lr * 0.3, cy - lr * 0.3, 0, cx, cy, lr);
  const Colour hi = mix(c, {1, 1, 0.9}, on ? 0.5 : 0.1);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 1, c.r * 0.8, c.g * 0.8, c.b * 0.8);
  circle(cr, cx, cy, lr);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void paintLever(cairo_t* cr, int w, int h, int position, int positions, double leverX, const Theme& theme) {
  const double slotTop = 4, slotBottom = h - 4;
  const double slotHalf = std::min(3.5, w / 2.0 - 4);
  roundedRect(cr, leverX - slotHalf, slotTop, 2 * slotHalf, slotBottom - slotTop, slotHalf);
  cairo_set_source_rgb(cr, 0.08, 0.08, 0.09);
  cairo_fill(cr);
  // The lever keeps two pixels clear of every edge, shadow included.
  const double halfWidth = std::min(6.0, w / 2.0 - 3), half = std::min(5.0, h / 6.0);
  const double top = 2 + half, bottom = h - 3.5 - half;
  const double y = positions > 1 ? top + (bottom - top) * position / (positions - 1) : h / 2.0;
  roundedRect(cr, leverX - halfWidth + 1, y - half + 1.5, 2 * halfWidth, 2 * half, 2);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_fill(cr);
  roundedRect(cr, leverX - halfWidth, y - half, 2 * halfWidth, 2 * half, 2);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y - half, 0, y + half);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.92, 0.92, 0.9);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.5, 0.5, 0.5);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  setColour(cr, theme.accent);
  cairo_rectangle(cr, leverX - halfWidth + 2, y - 0.6, 2 * halfWidth - 4, 1.2);
  cairo_fill(cr);
}

void paintChannelMode(cairo_t* cr, int capWidth, int h, int selected, const Theme& theme) {
  const double cx = capWidth / 2.0, cy = h / 2.0 - 1, r = std::min(capWidth, h) / 2.0 - 4.5;
  shadow(cr, cx, cy, r, 0.45);
  circle(cr, cx, cy, r);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - r, 0, cy + r);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.34, 0.34, 0.35);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.12, 0.12, 0.13);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Cross-shaped seams between the four zones.
  cairo_set_line_width(cr, 0.8);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
  cairo_move_to(cr, cx - r * 0.7, cy - r * 0.7);
  cairo_line_to(cr, cx + r * 0.7, cy + r * 0.7);
  cairo_move_to(cr, cx + r * 0.7, cy - r * 0.7);
  cairo_line_to(cr, cx - r * 0.7, cy + r * 0.7);
  cairo_stroke(cr);
  struct Zone {
    const char* text;
    double x, y;
  };
  const Zone zones[] = {{"MONO", cx, cy - r * 0.52}, {"L", cx - r * 0.6, cy}, {"R", cx + r * 0.6, cy},
                        {"ST", cx, cy + r * 0.58}};
  setFace(cr, Face::narrowBold, 7.0);
  for (int i = 0; i < 4; ++i) {
    const bool lit = i == selected;
    if (lit) {
      cairo_pattern_t* g = cairo_pattern_create_radial(zones[i].x, zones[i].y - 2, 0, zones[i].x, zones[i].y - 2, 9);
      cairo_pattern_add_color_stop_rgba(g, 0, theme.accent.r, theme.accent.g, theme.accent.b, 0.7);
      cairo_pattern_add_color_stop_rgba(g, 1, theme.accent.r, theme.accent.g, theme.accent.b, 0);
      cairo_set_source(cr, g);
      circle(cr, zones[i].x, zones[i].y - 2, 9);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
      cairo_set_source_rgb(cr, 1, 0.97, 0.88);
    } else {
      setColour(cr, mix(theme.accentDim, {0.6, 0.6, 0.6}, 0.4));
    }
    drawText(cr, zones[i].text, zones[i].x, zones[i].y + 0.5);
  }
}

void paintLamp(cairo_t* cr, int w, int h, double level, const Colour& colour) {
  const double cx = w / 2.0, cy = h / 2.0, r = std::min(w, h) / 2.0 - 2;
  circle(cr, cx, cy, r + 1);
  cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
  cairo_fill(cr);
  circle(cr, cx, cy, r + 0.5);
  cairo_set_source_rgb(cr, 0.55, 0.55, 0.56);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  const Colour dark = mix(colour, {0, 0, 0}, 0.75), bright = mix(colour, {1, 1, 0.85}, 0.35 * level);
  const Colour c = mix(dark, bright, level);
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, 0, cx, cy, r);
  const Colour hi = mix(c, {1, 1, 1}, 0.25 + 0.35 * level);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 1, c.r * 0.75, c.g * 0.75, c.b * 0.75);
  circle(cr, cx, cy, r - 0.5);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void paintGlyph(cairo_t* cr, int w, int h, int glyph, const Theme& theme) {
  static const char* const kText[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                      ".", "k", "+", "-", "%", "dB", "ms", ""};
  const char* text = kText[glyph];
  if (!*text) return;
  setColour(cr, theme.readout);
  const bool pair = text[1] != 0;
  setFace(cr, pair ? Face::narrowBold : Face::monoBold, pair ? 7.5 : 14.5);
  const double baseline = pair ? h - 4.0 : h - 3.0;
  drawTextFitted(cr, text, w / 2.0, baseline, w - 0.5);
}

void paintPanelKey(cairo_t* cr, double x, double w, int h, PanelIcon icon, const char* text, PanelState state,
                   const Theme& theme) {
  const bool pressed = state == PanelState::pressed, hover = state == PanelState::hover;
  const double y = pressed ? 1.5 : 1.0, kh = h - 2.5;
  roundedRect(cr, x + 0.5, y, w - 1, kh, 2);
  const double top = pressed ? 0.22 : hover ? 0.46 : 0.38, bottom = pressed ? 0.12 : hover ? 0.26 : 0.2;
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + kh);
  cairo_pattern_add_color_stop_rgb(p, 0, top, top, top + 0.01);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom, bottom, bottom + 0.01);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  roundedRect(cr, x + 0.5, y, w - 1, kh, 2);
  cairo_set_line_width(cr, 1.0);
  if (hover || pressed)
    setColour(cr, theme.accent);
  else
    cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
  cairo_stroke(cr);
  const Colour ink = pressed ? theme.accent : hover ? Colour{1, 0.97, 0.9} : theme.darkInk;
  setColour(cr, ink);
  const double cx = x + w / 2.0, cy = y + kh / 2.0;
  switch (icon) {
    case PanelIcon::save:  // arrow into a tray
    case PanelIcon::load:  // arrow out of a tray
      cairo_rectangle(cr, cx - 3.5, cy + 3, 7, 1);
      cairo_fill(cr);
      if (icon == PanelIcon::save) {
        cairo_move_to(cr, cx - 3, cy - 0.5);
        cairo_line_to(cr, cx + 3, cy - 0.5);
        cairo_line_to(cr, cx, cy + 2.5);
      } else {
        cairo_move_to(cr, cx - 3, cy + 0.5);
        cairo_line_to(cr, cx + 3, cy + 0.5);
        cairo_line_to(cr, cx, cy - 3.5);
      }
      cairo_close_path(cr);
      cairo_fill(cr);
      if (icon == PanelIcon::save)
        cairo_rectangle(cr, cx - 1, cy - 4, 2, 3.5);
      else
        cairo_rectangle(cr, cx - 1, cy + 0.5, 2, 2);
      cairo_fill(cr);
      break;
    case PanelIcon::arrowLeft:
    case PanelIcon::arrowRight: {
      const double d = icon == PanelIcon::arrowLeft ? -1 : 1;
      cairo_move_to(cr, cx - d * 2, cy - 3);
      cairo_line_to(cr, cx + d * 2.5, cy);
      cairo_line_to(cr, cx - d * 2, cy + 3);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    }
    case PanelIcon::storeLetter:
    case PanelIcon::recallLetter:
    case PanelIcon::text:
      setFace(cr, Face::narrowBold, icon == PanelIcon::text ? 7.0 : 8.0);
      drawTextFitted(cr, text, cx, cy + (icon == PanelIcon::text ? 2.5 : 3.0), w - 3);
      if (icon == PanelIcon::storeLetter) {
        cairo_set_source_rgb(cr, 0.85, 0.15, 0.1);
        circle(cr, x + w - 2.6, y + 2.4, 1.1);
        cairo_fill(cr);
      }
      break;
  }
}

}  // namespace velda::artwork

#include "resources/generator/Meters.h"

#include "resources/generator/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <numbers>

namespace velda::artwork {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kSweep = 42.0 * kPi / 180.0;  // film-strip needle: +-42 degrees about vertical

struct Mark {
  double db;
  const char* text;  // nullptr: tick only
};

const Mark kNormal[] = {{-20, "20"}, {-10, "10"}, {-7, "7"}, {-5, "5"}, {-3, "3"}, {-2, nullptr}, {-1, nullptr},
                        {0, "0"},    {1, nullptr}, {2, nullptr}, {3, "+3"}};
const Mark kWide[] = {{-40, "40"}, {-30, "30"}, {-20, "20"}, {-10, "10"}, {-6, "6"}, {-3, nullptr},
                      {0, "0"},    {3, nullptr}, {6, "+6"}};

double level(double db) { return std::pow(10.0, db / 20.0); }

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
  cairo_close_path(cr);
}

void paper(cairo_t* cr, double x, double y, double w, double h, const Theme& theme) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x + w / 2, y + h * 0.9, h * 0.2, x + w / 2, y + h * 0.6, w * 0.75);
  const Colour c = theme.meterFace, edge = mix(theme.meterFace, {0.55, 0.45, 0.3}, 0.35);
  cairo_pattern_add_color_stop_rgb(p, 0, c.r, c.g, c.b);
  cairo_pattern_add_color_stop_rgb(p, 1, edge.r, edge.g, edge.b);
  roundedRect(cr, x, y, w, h, 3);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// Angle measured clockwise from vertical, for a scale position 0..1 sweeping +-sweep.
void polar(double cx, double cy, double r, double angle, double& x, double& y) {
  x = cx + r * std::sin(angle);
  y = cy - r * std::cos(angle);
}

void scaleArc(cairo_t* cr, double cx, double cy, double r, const Mark* marks, int count, double (*position)(double),
              double sweep, double redFrom, const Theme& theme) {
  const double a0 = -sweep, a1 = sweep;
  const double aRed = -sweep + 2 * sweep * position(redFrom);
  cairo_set_line_width(cr, 1.0);
  cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
  cairo_arc(cr, cx, cy, r, a0 - kPi / 2, aRed - kPi / 2);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 3.0);
  cairo_set_source_rgb(cr, 0.78, 0.12, 0.08);
  cairo_arc(cr, cx, cy, r + 1.5, aRed - kPi / 2, a1 - kPi / 2);
  cairo_stroke(cr);
  setFace(cr, Face::narrowBold, 7.0);
  for (int i = 0; i < count; ++i) {
    const double a = -sweep + 2 * sweep * position(marks[i].db);
    double x0, y0, x1, y1;
    polar(cx, cy, r, a, x0, y0);
    polar(cx, cy, r + (marks[i].text ? 6 : 4), a, x1, y1);
    cairo_set_line_width(cr, marks[i].text ? 1.2 : 0.8);
    if (marks[i].db > redFrom - 1e-9)
      cairo_set_source_rgb(cr, 0.72, 0.1, 0.06);
    else
      cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
    if (marks[i].text) {
      double tx, ty;
      polar(cx, cy, r + 11, a, tx, ty);
      drawText(cr, marks[i].text, tx, ty + 2.5);
    }
  }
  (void)theme;
}

double normalPosition(double db) { return movieMeterDeflection(level(db), false); }
double widePosition(double db) { return movieMeterDeflection(level(db), true); }

// The needle meter's value-to-angle rule, as a 0..1 position across 150..30 degrees.
double needlePosition(double db) {
  const double v = std::min(level(db), 1.44);
  return std::pow(v / 1.44, 1.2);
}

}  // namespace

double movieMeterDeflection(double value, bool secondScale) {
  double p = std::pow(value, 1.2);
  if (secondScale) p = std::sqrt(p);
  return std::min(1.0, p * 0.617 + 0.018);
}

void paintMovieMeter(cairo_t* cr, int w, int h, double e, bool secondScale, const Theme& theme) {
  const double x = 2, y = 2, fw = w - 4, fh = h - 4;
  paper(cr, x, y, fw, fh, theme);
  const double cx = w / 2.0, cy = h + 40.0, r = 78.0;
  cairo_save(cr);
  roundedRect(cr, x, y, fw, fh, 3);
  cairo_clip(cr);
  if (secondScale)
    scaleArc(cr, cx, cy, r, kWide, std::size(kWide), widePosition, kSweep, 0.0, theme);
  else
    scaleArc(cr, cx, cy, r, kNormal, std::size(kNormal), normalPosition, kSweep, 0.0, theme);
  setFace(cr, Face::sansBold, 8.0);
  cairo_set_source_rgb(cr, 0.15, 0.15, 0.15);
  drawText(cr, "dB", cx, h - 9.0);
  setFace(cr, Face::sans, 5.5);
  drawText(cr, secondScale ? "-40 .. +6" : "-20 .. +3", cx, h - 3.5);
  // Needle with its shadow.
  const double a = -kSweep + 2 * kSweep * e;
  double tx, ty;
  polar(cx, cy, r + 9, a, tx, ty);
  cairo_set_line_width(cr, 1.2);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
  cairo_move_to(cr, cx + 2.5, cy + 2);
  cairo_line_to(cr, tx + 2.5, ty + 2);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1.1);
  cairo_set_source_rgb(cr, 0.08, 0.08, 0.08);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, tx, ty);
  cairo_stroke(cr);
  // Glass reflection.
  cairo_pattern_t* glass = cairo_pattern_create_linear(0, y, 0, y + fh);
  cairo_pattern_add_color_stop_rgba(glass, 0, 1, 1, 1, 0.22);
  cairo_pattern_add_color_stop_rgba(glass, 0.45, 1, 1, 1, 0.04);
  cairo_pattern_add_color_stop_rgba(glass, 1, 0, 0, 0, 0.12);
  cairo_rectangle(cr, x, y, fw, fh);
  cairo_set_source(cr, glass);
  cairo_fill(cr);
  cairo_pattern_destroy(glass);
  cairo_restore(cr);
  roundedRect(cr, x + 0.5, y + 0.5, fw - 1, fh - 1, 3);
  cairo_set_line_width(cr, 1.0);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
  cairo_stroke(cr);
}

void paintNeedleFace(cairo_t* cr, int w, int h, double pivotX, double pivotY, double needleLength,
                     const char* channel, const Theme& theme) {
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
  cairo_fill(cr);
  paper(cr, 1, 1, w - 2, h - 2, theme);
  // The needle sweeps 150 .. 30 degrees counter-clockwise from the right; as a clockwise angle from
  // vertical that is -60 .. +60 degrees.
  const double sweep = kPi / 3;
  const double r = needleLength - 5;
  cairo_save(cr);
  cairo_rectangle(cr, 1, 1, w - 2, h - 2);
  cairo_clip(cr);
  scaleArc(cr, pivotX, pivotY, r, kNormal, std::size(kNormal), needlePosition, sweep, 0.0, theme);
  setFace(cr, Face::sansBold, 10.0);
  cairo_set_source_rgb(cr, 0.15, 0.15, 0.15);
  drawText(cr, "VU", pivotX, pivotY - 36);
  setFace(cr, Face::sansBold, 7.0);
  setColour(cr, mix(theme.accent, {0, 0, 0}, 0.35));
  drawText(cr, channel, 10, 12, Align::left);
  cairo_restore(cr);
}

void paintNeedleOverlay(cairo_t* cr, int w, int h, int faceBottom, int faceRight, double pivotX, double pivotY,
                        const Theme& theme) {
  // Glass: a faint sheen over the face part of the overlay.
  cairo_rectangle(cr, 1, 0, faceRight - 2, faceBottom);
  cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 0, 0, faceBottom);
  cairo_pattern_add_color_stop_rgba(sheen, 0, 0, 0, 0, 0.0);
  cairo_pattern_add_color_stop_rgba(sheen, 1, 0, 0, 0, 0.10);
  cairo_set_source(cr, sheen);
  cairo_fill(cr);
  cairo_pattern_destroy(sheen);
  // Cover plate over the needle's foot: an arch around the pivot, opaque down to the bottom edge.
  const double plateTop = pivotY - 20;
  cairo_new_path(cr);
  cairo_move_to(cr, 0, h);
  cairo_line_to(cr, 0, plateTop + 8);
  cairo_curve_to(cr, w * 0.3, plateTop, w * 0.7, plateTop, w, plateTop + 8);
  cairo_line_to(cr, w, h);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, plateTop, 0, h);
  const Colour top = mix(theme.darkPlate, {1, 1, 1}, 0.18), bottom = theme.darkPlate;
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_set_line_width(cr, 1.0);
  setColour(cr, theme.accent);
  cairo_move_to(cr, 0, plateTop + 8.5);
  cairo_curve_to(cr, w * 0.3, plateTop + 0.5, w * 0.7, plateTop + 0.5, w, plateTop + 8.5);
  cairo_stroke(cr);
  // Hub over the pivot.
  cairo_arc(cr, pivotX, pivotY, 5, 0, 2 * kPi);
  cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
  cairo_fill(cr);
  setFace(cr, Face::sansBold, 6.5);
  setColour(cr, theme.darkInk);
  drawText(cr, theme.model, pivotX - 40, h - 5.0);
}

}  // namespace velda::artwork

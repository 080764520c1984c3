#include "resources/generator/Theme.h"

#include <cairo.h>

#include <cstring>

namespace velda::artwork {
namespace {

const Theme kEmberline2{"VELDA", "EMBERLINE2", "ANALOG SATURATION  ·  MULTIBAND COMPRESSION",
                        {0.96, 0.45, 0.12},   {0.35, 0.17, 0.08},   {0.80, 0.79, 0.76}, {0.16, 0.15, 0.14},
                        {0.17, 0.17, 0.18},   {0.78, 0.76, 0.72},   {0.95, 0.90, 0.76}, {1.00, 0.55, 0.18}};
const Theme kEmberline{"VELDA", "EMBERLINE", "ANALOG SATURATION  ·  COMPRESSION",
                       {0.86, 0.63, 0.20},  {0.32, 0.24, 0.10},  {0.76, 0.73, 0.66}, {0.17, 0.14, 0.11},
                       {0.19, 0.17, 0.15},  {0.78, 0.75, 0.68},  {0.94, 0.89, 0.74}, {1.00, 0.76, 0.28}};
const Theme kCindermote{"VELDA", "CINDERMOTE", "TRACK SATURATOR",
                        {0.20, 0.72, 0.78},  {0.08, 0.26, 0.30},  {0.76, 0.78, 0.79}, {0.14, 0.16, 0.17},
                        {0.15, 0.17, 0.19},  {0.72, 0.77, 0.79},  {0.93, 0.91, 0.84}, {0.35, 0.90, 0.95}};

}  // namespace

const Theme* themeFor(const char* shortName) {
  if (std::strcmp(shortName, "Emberline2") == 0) return &kEmberline2;
  if (std::strcmp(shortName, "Emberline") == 0) return &kEmberline;
  if (std::strcmp(shortName, "Cindermote") == 0) return &kCindermote;
  return nullptr;
}

void setColour(cairo_t* cr, const Colour& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

Colour mix(const Colour& a, const Colour& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

}  // namespace velda::artwork

#include "resources/generator/Text.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>

namespace velda::artwork {
namespace {

FT_Library library = nullptr;
std::array<cairo_font_face_t*, 4> faces{};

// The narrow face is the bold face drawn condensed (see setFace).
const char* const kFiles[] = {
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationMono-Bold.ttf",
};

constexpr double kNarrowWidth = 0.84;

}  // namespace

bool loadFonts() {
  if (FT_Init_FreeType(&library) != 0) return false;
  for (std::size_t i = 0; i < faces.size(); ++i) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, kFiles[i], 0, &face) != 0) return false;
    faces[i] = cairo_ft_font_face_create_for_ft_face(face, 0);
  }
  return true;
}

void setFace(cairo_t* cr, Face face, double size) {
  cairo_set_font_face(cr, faces[static_cast<int>(face)]);
  cairo_matrix_t matrix;
  cairo_matrix_init_scale(&matrix, face == Face::narrowBold ? size * kNarrowWidth : size, size);
  cairo_set_font_matrix(cr, &matrix);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

double textWidth(cairo_t* cr, const char* text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  return e.x_advance;
}

void drawText(cairo_t* cr, const char* text, double x, double y, Align align) {
  const double w = textWidth(cr, text);
  const double left = align == Align::left ? x : align == Align::centre ? x - w / 2 : x - w;
  cairo_move_to(cr, left, y);
  cairo_show_text(cr, text);
  cairo_new_path(cr);
}

void drawTextFitted(cairo_t* cr, const char* text, double x, double y, double maxWidth) {
  const double w = textWidth(cr, text);
  if (w <= maxWidth) {
    drawText(cr, text, x, y);
    return;
  }
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, maxWidth / w, 1.0);
  drawText(cr, text, 0, 0);
  cairo_restore(cr);
}

}  // namespace velda::artwork

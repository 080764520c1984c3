#include "resources/generator/Image.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace velda::artwork {

Image::Image(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), width_(width), height_(height) {
  cairo_surface_flush(surface_);
}

Image::~Image() {
  if (surface_) cairo_surface_destroy(surface_);
}

Image::Image(const Image& other) : Image(other.width_, other.height_) { draw(other, 0, 0); }

Image& Image::operator=(const Image& other) {
  if (this != &other) *this = Image(other);
  return *this;
}

Image::Image(Image&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)), width_(other.width_), height_(other.height_) {}

Image& Image::operator=(Image&& other) noexcept {
  std::swap(surface_, other.surface_);
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
  return *this;
}

cairo_t* Image::context() const { return cairo_create(surface_); }

Image Image::crop(const layout::Rect& r) const {
  Image out(r.width(), r.height());
  Pen cr(out);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, surface_, -r.left, -r.top);
  cairo_paint(cr);
  return out;
}

void Image::draw(const Image& source, int x, int y) {
  Pen cr(*this);
  cairo_set_source_surface(cr, source.surface_, x, y);
  cairo_paint(cr);
}

void Image::drawScaled(const Image& source, double x, double y, double scale) {
  Pen cr(*this);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, source.surface_, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
}

unsigned Image::pixel(int x, int y) const {
  const unsigned char* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
  unsigned value;
  std::memcpy(&value, row + 4 * x, 4);
  return value;
}

bool Image::regionEquals(const Image& other, int ox, int oy) const {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (pixel(x, y) != other.pixel(ox + x, oy + y)) return false;
  return true;
}

namespace {
cairo_status_t writeToFile(void* closure, const unsigned char* data, unsigned int length) {
  return std::fwrite(data, 1, length, static_cast<std::FILE*>(closure)) == length ? CAIRO_STATUS_SUCCESS
                                                                                 : CAIRO_STATUS_WRITE_ERROR;
}
}  // namespace

bool Image::writePng(const std::string& path) const {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = cairo_surface_write_to_png_stream(surface_, writeToFile, f) == CAIRO_STATUS_SUCCESS;
  return std::fclose(f) == 0 && ok;
}

}  // namespace velda::artwork

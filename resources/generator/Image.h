#pragma once
// An ARGB image backed by a Cairo surface, with the few operations the artwork needs.
#include "controls/EditorLayoutTypes.h"

#include <cairo.h>

#include <string>

namespace velda::artwork {

class Image {
public:
  Image() = default;
  Image(int width, int height);
  ~Image();
  Image(const Image& other);
  Image& operator=(const Image& other);
  Image(Image&& other) noexcept;
  Image& operator=(Image&& other) noexcept;

  int width() const { return width_; }
  int height() const { return height_; }
  bool valid() const { return surface_ != nullptr; }
  cairo_surface_t* surface() const { return surface_; }

  // A new drawing context; the caller destroys it (see Pen).
  cairo_t* context() const;

  Image crop(const layout::Rect& r) const;
  void draw(const Image& source, int x, int y);
  void drawScaled(const Image& source, double x, double y, double scale);
  unsigned pixel(int x, int y) const;  // 0xAARRGGBB
  bool regionEquals(const Image& other, int ox, int oy) const;  // this == other's region at (ox, oy)

  bool writePng(const std::string& path) const;

private:
  cairo_surface_t* surface_ = nullptr;
  int width_ = 0, height_ = 0;
};

// A drawing context that destroys itself.
class Pen {
public:
  explicit Pen(const Image& image) : cr_(image.context()) {}
  ~Pen() {
    cairo_surface_flush(cairo_get_target(cr_));
    cairo_destroy(cr_);
  }
  Pen(const Pen&) = delete;
  Pen& operator=(const Pen&) = delete;
  operator cairo_t*() const { return cr_; }

private:
  cairo_t* cr_;
};

}  // namespace velda::artwork

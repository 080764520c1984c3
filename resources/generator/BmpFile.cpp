#include "resources/generator/BmpFile.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace velda::artwork {
namespace {

void put16(std::vector<unsigned char>& out, std::uint16_t v) {
  out.push_back(v & 0xff);
  out.push_back(v >> 8);
}

void put32(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xff);
}

}  // namespace

bool writeBmp(const std::string& path, const Image& image) {
  const int w = image.width(), h = image.height();
  const std::uint32_t stride = (3 * w + 3) & ~3u;
  const std::uint32_t pixelBytes = stride * h;
  std::vector<unsigned char> out;
  out.reserve(54 + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, 54 + pixelBytes);
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);  // BITMAPINFOHEADER
  put32(out, w);
  put32(out, h);   // positive: bottom-up
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);   // BI_RGB
  put32(out, pixelBytes);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const unsigned p = image.pixel(x, y);  // premultiplied, so transparency darkens to black
      out.push_back(p & 0xff);
      out.push_back((p >> 8) & 0xff);
      out.push_back((p >> 16) & 0xff);
    }
    for (std::uint32_t pad = 3 * w; pad < stride; ++pad) out.push_back(0);
  }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace velda::artwork

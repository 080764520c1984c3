#include "tools/Canvas.h"

#include <algorithm>
#include <cmath>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"
#include "stb_easy_font.h"

namespace velda::tool {

Canvas::Canvas(int width, int height, Colour background) : w(width), h(height), pixels((size_t)width * height * 3)
{
    for (size_t i = 0; i < pixels.size(); i += 3) {
        pixels[i] = background.r;
        pixels[i + 1] = background.g;
        pixels[i + 2] = background.b;
    }
}

void Canvas::blend(int x, int y, Colour c, double alpha)
{
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    uint8_t* p = &pixels[((size_t)y * w + x) * 3];
    auto mix = [alpha](uint8_t under, uint8_t over) { return (uint8_t)std::lround(under + (over - under) * alpha); };
    p[0] = mix(p[0], c.r);
    p[1] = mix(p[1], c.g);
    p[2] = mix(p[2], c.b);
}

void Canvas::fillRect(int x0, int y0, int x1, int y1, Colour colour, double alpha)
{
    for (int y = std::max(y0, 0); y < std::min(y1, h); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, w); ++x) blend(x, y, colour, alpha);
}

void Canvas::line(double x0, double y0, double x1, double y1, Colour colour, double alpha)
{
    int steps = (int)std::ceil(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0))) + 1;
    for (int i = 0; i <= steps; ++i) {
        double t = (double)i / steps;
        blend((int)std::lround(x0 + (x1 - x0) * t), (int)std::lround(y0 + (y1 - y0) * t), colour, alpha);
    }
}

void Canvas::dashedHorizontal(int x0, int x1, int y, Colour colour, int dash)
{
    for (int x = x0; x < x1; ++x)
        if ((x - x0) / dash % 2 == 0) blend(x, y, colour);
}

void Canvas::text(int x, int y, const std::string& text, Colour colour, int scale)
{
    std::vector<char> buffer(text.size() * 300 + 64);
    std::string copy = text;
    int quads = stb_easy_font_print(0.0f, 0.0f, copy.data(), nullptr, buffer.data(), (int)buffer.size());
    struct Vertex {
        float x, y, z;
        uint8_t colour[4];
    };
    const Vertex* v = (const Vertex*)buffer.data();
    for (int q = 0; q < quads; ++q) {
        const Vertex& a = v[q * 4];
        const Vertex& b = v[q * 4 + 2];
        fillRect(x + (int)std::lround(a.x * scale), y + (int)std::lround(a.y * scale), x + (int)std::lround(b.x * scale),
                 y + (int)std::lround(b.y * scale), colour);
    }
}

int Canvas::textWidth(const std::string& text, int scale)
{
    std::string copy = text;
    return stb_easy_font_width(copy.data()) * scale;
}

int Canvas::textHeight(int scale) { return 7 * scale; }

std::vector<uint8_t> Canvas::encodePng() const
{
    std::vector<uint8_t> png;
    stbi_write_png_to_func(
        [](void* context, void* data, int size) {
            auto* out = (std::vector<uint8_t>*)context;
            out->insert(out->end(), (uint8_t*)data, (uint8_t*)data + size);
        },
        &png, w, h, 3, pixels.data(), w * 3);
    return png;
}

}  // namespace velda::tool

// The embedded sans faces (regular and bold) and glyph rasterisation for the draw context.
#pragma once
#include <cstdint>
#include <vector>

namespace velda::gui {

struct GlyphImage {
    int32_t left = 0;  // pixel offset of the image from the pen position
    int32_t top = 0;   // pixel offset from the baseline (negative is above)
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> coverage;
};

class FontFace {
public:
    static const FontFace& get(bool bold);

    double scaleForSize(double pixelSize) const;
    double ascent(double scale) const { return ascentUnits * scale; }
    double descent(double scale) const { return -descentUnits * scale; }
    double advance(int codepoint, int nextCodepoint, double scale) const;
    // The coverage of one glyph drawn with its pen at a fractional x position `shiftX` (0 to 1).
    void render(int codepoint, double scale, double shiftX, GlyphImage& out) const;

private:
    FontFace(const unsigned char* data);
    struct Impl;
    Impl* impl;
    int ascentUnits = 0;
    int descentUnits = 0;
};

}  // namespace velda::gui

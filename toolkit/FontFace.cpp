#include "toolkit/FontFace.h"

#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif
#include <stb/stb_truetype.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

extern "C" const unsigned char velda_font_sans_regular[];
extern "C" const unsigned char velda_font_sans_bold[];

namespace velda::gui {

struct FontFace::Impl {
    stbtt_fontinfo info;
};

FontFace::FontFace(const unsigned char* data) : impl(new Impl())
{
    stbtt_InitFont(&impl->info, data, stbtt_GetFontOffsetForIndex(data, 0));
    int lineGap = 0;
    stbtt_GetFontVMetrics(&impl->info, &ascentUnits, &descentUnits, &lineGap);
}

const FontFace& FontFace::get(bool bold)
{
    // Never destroyed: views may draw during static destruction of a host.
    static const FontFace* regular = new FontFace(velda_font_sans_regular);
    static const FontFace* boldFace = new FontFace(velda_font_sans_bold);
    return bold ? *boldFace : *regular;
}

double FontFace::scaleForSize(double pixelSize) const
{
    return stbtt_ScaleForMappingEmToPixels(&impl->info, float(pixelSize));
}

double FontFace::advance(int codepoint, int nextCodepoint, double scale) const
{
    int advanceUnits = 0, bearing = 0;
    stbtt_GetCodepointHMetrics(&impl->info, codepoint, &advanceUnits, &bearing);
    int kern = nextCodepoint ? stbtt_GetCodepointKernAdvance(&impl->info, codepoint, nextCodepoint) : 0;
    return (advanceUnits + kern) * scale;
}

void FontFace::render(int codepoint, double scale, double shiftX, GlyphImage& out) const
{
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    const float s = float(scale);
    stbtt_GetCodepointBitmapBoxSubpixel(&impl->info, codepoint, s, s, float(shiftX), 0.0f, &x0, &y0, &x1, &y1);
    out.left = x0;
    out.top = y0;
    out.width = x1 > x0 ? x1 - x0 : 0;
    out.height = y1 > y0 ? y1 - y0 : 0;
    out.coverage.assign(size_t(out.width) * out.height, 0);
    if (out.width == 0 || out.height == 0) return;
    stbtt_MakeCodepointBitmapSubpixel(&impl->info, out.coverage.data(), out.width, out.height, out.width, s, s,
                                      float(shiftX), 0.0f, codepoint);
}

}  // namespace velda::gui

#include "toolkit/CBitmap.h"

#include <cstring>

#include "platform/ModuleResources.h"
#include "toolkit/CDrawContext.h"

#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_HDR
#define STBI_NO_LINEAR
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace velda::gui {

namespace {
uint32_t readU32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t readU16(const unsigned char* p) { return uint16_t(p[0] | (p[1] << 8)); }
}  // namespace

CBitmap::CBitmap(int32_t id) : resourceId(id)
{
    platform::ResourceBytes bytes{};
    if (platform::findBitmapResource(id, bytes)) decodeDib(bytes.data, bytes.size);
}

CBitmap::CBitmap(const char* name)
{
    platform::ResourceBytes bytes{};
    if (name && platform::findNamedResource("PNG", name, bytes)) decodePng(bytes.data, bytes.size);
}

CBitmap::CBitmap(int32_t w, int32_t h)
{
    if (w > 0 && h > 0) {
        width = w;
        height = h;
        pixels.assign(size_t(w) * h * 4, 0);
    }
}

CBitmap* CBitmap::fromDib(const unsigned char* data, size_t size)
{
    auto* bitmap = new CBitmap();
    bitmap->decodeDib(data, size);
    return bitmap;
}

CBitmap* CBitmap::fromPng(const unsigned char* data, size_t size)
{
    auto* bitmap = new CBitmap();
    bitmap->decodePng(data, size);
    return bitmap;
}

bool CBitmap::decodeDib(const unsigned char* data, size_t size)
{
    if (!data || size < 40) return false;
    const uint32_t headerSize = readU32(data);
    const int32_t w = int32_t(readU32(data + 4));
    const int32_t rawHeight = int32_t(readU32(data + 8));
    const uint16_t bits = readU16(data + 14);
    const uint32_t compression = readU32(data + 16);
    if (headerSize < 40 || headerSize > size || w <= 0 || rawHeight == 0 || compression != 0) return false;
    if (bits != 24 && bits != 32) return false;
    const bool bottomUp = rawHeight > 0;
    const int32_t h = bottomUp ? rawHeight : -rawHeight;
    if (w > 16384 || h > 16384) return false;
    const size_t bytesPerPixel = bits / 8;
    const size_t stride = (size_t(w) * bytesPerPixel + 3) & ~size_t(3);
    const unsigned char* rows = data + headerSize;
    if (size - headerSize < stride * size_t(h)) return false;

    width = w;
    height = h;
    pixels.assign(size_t(w) * h * 4, 0);
    bool anyAlpha = false;
    for (int32_t y = 0; y < h; ++y) {
        const unsigned char* src = rows + stride * size_t(bottomUp ? h - 1 - y : y);
        uint8_t* dst = pixel(0, y);
        for (int32_t x = 0; x < w; ++x, src += bytesPerPixel, dst += 4) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
            dst[3] = bytesPerPixel == 4 ? src[3] : 255;
            anyAlpha = anyAlpha || dst[3] != 0;
        }
    }
    // 32-bit pictures written without an alpha channel leave it zero: they are opaque.
    if (bytesPerPixel == 4 && !anyAlpha)
        for (size_t i = 3; i < pixels.size(); i += 4) pixels[i] = 255;
    return true;
}

bool CBitmap::decodePng(const unsigned char* data, size_t size)
{
    if (!data || size == 0 || size > 0x7fffffff) return false;
    int w = 0, h = 0, channels = 0;
    unsigned char* decoded = stbi_load_from_memory(data, int(size), &w, &h, &channels, 4);
    if (!decoded) return false;
    width = w;
    height = h;
    pixels.assign(decoded, decoded + size_t(w) * h * 4);
    stbi_image_free(decoded);
    return true;
}

void CBitmap::draw(CDrawContext* context, const CRect& dest, const CPoint& offset, float alpha)
{
    if (context && isLoaded()) context->drawBitmap(*this, dest, offset, alpha);
}

}  // namespace velda::gui

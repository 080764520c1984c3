// A picture held as straight-alpha RGBA pixels, loaded from the library's resources or from memory.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/CBaseObject.h"
#include "toolkit/CRect.h"

namespace velda::gui {

class CDrawContext;

class CBitmap : public CBaseObject {
public:
    // A resource of type RT_BITMAP with this number.
    explicit CBitmap(int32_t resourceId);
    // A resource of type "PNG" with this name.
    explicit CBitmap(const char* pngResourceName);
    // A blank, fully transparent picture.
    CBitmap(int32_t width, int32_t height);

    // Decoders for data in memory: a packed DIB (BITMAPINFOHEADER then pixels) or a PNG file image.
    static CBitmap* fromDib(const unsigned char* data, size_t size);
    static CBitmap* fromPng(const unsigned char* data, size_t size);

    bool isLoaded() const { return width > 0 && height > 0; }
    CCoord getWidth() const { return width; }
    CCoord getHeight() const { return height; }
    int32_t getResourceId() const { return resourceId; }

    // Pixel (x, y) as bytes R, G, B, A.
    const uint8_t* pixel(int32_t x, int32_t y) const { return &pixels[(size_t(y) * width + x) * 4]; }
    uint8_t* pixel(int32_t x, int32_t y) { return &pixels[(size_t(y) * width + x) * 4]; }

    // Copies the part starting at `offset` into `dest`, blended with `alpha` times each pixel's alpha.
    virtual void draw(CDrawContext* context, const CRect& dest, const CPoint& offset = CPoint(), float alpha = 1.0f);

private:
    CBitmap() = default;
    bool decodeDib(const unsigned char* data, size_t size);
    bool decodePng(const unsigned char* data, size_t size);

    int32_t width = 0;
    int32_t height = 0;
    int32_t resourceId = -1;
    std::vector<uint8_t> pixels;
};

}  // namespace velda::gui

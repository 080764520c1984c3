#include "toolkit/CDrawContext.h"

#include <cmath>
#include <cstring>

#include "toolkit/CBitmap.h"
#include "toolkit/FontFace.h"

namespace velda::gui {

namespace {
int32_t toPixel(double v) { return int32_t(std::floor(v + 0.5)); }
constexpr int kSubSamples = 4;  // per axis, for anti-aliased shapes
}  // namespace

CDrawContext::CDrawContext(uint8_t* pixels, int32_t width, int32_t height, int32_t stride)
    : pixels(pixels), bufferWidth(width), bufferHeight(height), stride(stride), font(kNormalFont),
      fontSize(kNormalFont->getSize()), fontStyle(kNormalFont->getStyle())
{
    resetClipRect();
}

void CDrawContext::resetClipRect() { clip = CRect(0, 0, bufferWidth, bufferHeight); }

void CDrawContext::setClipRect(const CRect& r)
{
    CRect c(toPixel(r.left + offset.x), toPixel(r.top + offset.y), toPixel(r.right + offset.x),
            toPixel(r.bottom + offset.y));
    c.bound(CRect(0, 0, bufferWidth, bufferHeight));
    clip = c;
}

CRect CDrawContext::getClipRect() const
{
    CRect r = clip;
    r.offset(-offset.x, -offset.y);
    return r;
}

void CDrawContext::setFont(CFontRef f, double size, int32_t style)
{
    font = f ? f : kNormalFont;
    fontSize = size > 0 ? size : font->getSize();
    fontStyle = style >= 0 ? style : font->getStyle();
}

uint32_t CDrawContext::getPixel(int32_t x, int32_t y) const
{
    if (x < 0 || y < 0 || x >= bufferWidth || y >= bufferHeight) return 0;
    const uint8_t* p = pixels + size_t(y) * stride + size_t(x) * 4;
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

void CDrawContext::setGlobalAlpha(float a)
{
    globalAlpha = a;
    globalAlpha255 = uint32_t(std::lround(std::fmin(std::fmax(a, 0.0f), 1.0f) * 255.0f));
}

void CDrawContext::blendPixel(int32_t x, int32_t y, const CColor& c, uint32_t coverage256)
{
    if (x < clip.left || x >= clip.right || y < clip.top || y >= clip.bottom) return;
    uint32_t a = (c.alpha * coverage256 + 128) >> 8;
    if (globalAlpha255 != 255) a = (a * globalAlpha255 + 127) / 255;
    if (a == 0) return;
    uint8_t* p = pixels + size_t(y) * stride + size_t(x) * 4;
    if (a == 255) {
        p[0] = c.red;
        p[1] = c.green;
        p[2] = c.blue;
        p[3] = 255;
        return;
    }
    const uint32_t inv = 255 - a;
    p[0] = uint8_t((c.red * a + p[0] * inv + 127) / 255);
    p[1] = uint8_t((c.green * a + p[1] * inv + 127) / 255);
    p[2] = uint8_t((c.blue * a + p[2] * inv + 127) / 255);
    p[3] = uint8_t(a + (p[3] * inv + 127) / 255);
}

void CDrawContext::fillPixelRect(int32_t l, int32_t t, int32_t r, int32_t b, const CColor& c)
{
    for (int32_t y = t; y < b; ++y)
        for (int32_t x = l; x < r; ++x) blendPixel(x, y, c, 256);
}

void CDrawContext::drawPoint(const CPoint& p, const CColor& color)
{
    blendPixel(int32_t(std::floor(p.x + offset.x)), int32_t(std::floor(p.y + offset.y)), color, 256);
}

void CDrawContext::drawRect(const CRect& r, int32_t style)
{
    const int32_t l = toPixel(r.left + offset.x), t = toPixel(r.top + offset.y);
    const int32_t rr = toPixel(r.right + offset.x), b = toPixel(r.bottom + offset.y);
    if (rr <= l || b <= t) return;
    if (style == kDrawFilled || style == kDrawFilledAndStroked) fillPixelRect(l, t, rr, b, fillColor);
    if (style == kDrawStroked || style == kDrawFilledAndStroked) {
        const int32_t w = std::max(1, toPixel(lineWidth));
        fillPixelRect(l, t, rr, std::min(b, t + w), frameColor);
        fillPixelRect(l, std::max(t, b - w), rr, b, frameColor);
        fillPixelRect(l, t + w, std::min(rr, l + w), b - w, frameColor);
        fillPixelRect(std::max(l, rr - w), t + w, rr, b - w, frameColor);
    }
}

void CDrawContext::drawEllipse(const CRect& r, int32_t style)
{
    const double cx = (r.left + r.right) * 0.5 + offset.x, cy = (r.top + r.bottom) * 0.5 + offset.y;
    const double rx = r.width() * 0.5, ry = r.height() * 0.5;
    if (rx <= 0 || ry <= 0) return;
    const double w = std::max(1.0, lineWidth);
    const int samples = drawMode == kAntialias ? kSubSamples : 1;
    auto inside = [](double dx, double dy, double ex, double ey) {
        return ex > 0 && ey > 0 && (dx * dx) / (ex * ex) + (dy * dy) / (ey * ey) <= 1.0;
    };
    const int32_t x0 = int32_t(std::floor(cx - rx)), x1 = int32_t(std::ceil(cx + rx));
    const int32_t y0 = int32_t(std::floor(cy - ry)), y1 = int32_t(std::ceil(cy + ry));
    for (int pass = 0; pass < 2; ++pass) {
        const bool fill = pass == 0;
        if (fill && style == kDrawStroked) continue;
        if (!fill && style == kDrawFilled) continue;
        const CColor& color = fill ? fillColor : frameColor;
        for (int32_t y = y0; y < y1; ++y)
            for (int32_t x = x0; x < x1; ++x) {
                int hits = 0;
                for (int sy = 0; sy < samples; ++sy)
                    for (int sx = 0; sx < samples; ++sx) {
                        const double dx = x + (sx + 0.5) / samples - cx, dy = y + (sy + 0.5) / samples - cy;
                        const bool in = inside(dx, dy, rx, ry);
                        hits += fill ? in : (in && !inside(dx, dy, rx - w, ry - w));
                    }
                if (hits) blendPixel(x, y, color, uint32_t(hits * 256 / (samples * samples)));
            }
    }
}

void CDrawContext::lineTo(const CPoint& p)
{
    strokeSegment(penPosition + offset, p + offset);
    penPosition = p;
}

void CDrawContext::drawLine(const CPoint& from, const CPoint& to)
{
    strokeSegment(from + offset, to + offset);
    penPosition = to;
}

// a and b are in buffer pixels; pixel (x, y) covers [x, x + 1) x [y, y + 1).
void CDrawContext::strokeSegment(const CPoint& a, const CPoint& b)
{
    if (drawMode != kAntialias && lineWidth <= 1.0) {
        int32_t x = int32_t(std::floor(a.x)), y = int32_t(std::floor(a.y));
        const int32_t xe = int32_t(std::floor(b.x)), ye = int32_t(std::floor(b.y));
        const int32_t dx = std::abs(xe - x), dy = -std::abs(ye - y);
        const int32_t sx = x < xe ? 1 : -1, sy = y < ye ? 1 : -1;
        int32_t err = dx + dy;
        for (;;) {
            blendPixel(x, y, frameColor, 256);
            if (x == xe && y == ye) break;
            const int32_t e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
        return;
    }
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length <= 0.0) return;
    const double half = std::max(lineWidth, 1.0) * 0.5;
    const double ux = dx / length, uy = dy / length;
    const int samples = drawMode == kAntialias ? kSubSamples : 1;
    const int32_t x0 = int32_t(std::floor(std::min(a.x, b.x) - half)) - 1;
    const int32_t x1 = int32_t(std::ceil(std::max(a.x, b.x) + half)) + 1;
    const int32_t y0 = int32_t(std::floor(std::min(a.y, b.y) - half)) - 1;
    const int32_t y1 = int32_t(std::ceil(std::max(a.y, b.y) + half)) + 1;
    for (int32_t y = std::max(y0, int32_t(clip.top)); y < std::min(y1, int32_t(clip.bottom)); ++y)
        for (int32_t x = std::max(x0, int32_t(clip.left)); x < std::min(x1, int32_t(clip.right)); ++x) {
            int hits = 0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const double qx = x + (sx + 0.5) / samples - a.x, qy = y + (sy + 0.5) / samples - a.y;
                    const double along = qx * ux + qy * uy;
                    const double across = qx * uy - qy * ux;
                    hits += along >= 0.0 && along <= length && std::fabs(across) <= half;
                }
            if (hits) blendPixel(x, y, frameColor, uint32_t(hits * 256 / (samples * samples)));
        }
}

CCoord CDrawContext::getStringWidth(const char* text)
{
    if (!text) return 0;
    const FontFace& face = FontFace::get((fontStyle & kBoldFace) != 0);
    const double scale = face.scaleForSize(fontSize);
    double width = 0;
    for (const unsigned char* c = (const unsigned char*)text; *c; ++c) width += face.advance(c[0], c[1], scale);
    return width;
}

void CDrawContext::drawString(const char* text, const CRect& r, int32_t align, bool antialias)
{
    if (!text || !*text) return;
    const FontFace& face = FontFace::get((fontStyle & kBoldFace) != 0);
    const double scale = face.scaleForSize(fontSize);
    const double textWidth = getStringWidth(text);
    double x = r.left;
    if (align == kCenterText)
        x = r.left + (r.width() - textWidth) * 0.5;
    else if (align == kRightText)
        x = r.right - textWidth;
    const double textHeight = face.ascent(scale) + face.descent(scale);
    const double baseline = std::floor(r.top + (r.height() - textHeight) * 0.5 + face.ascent(scale) + 0.5);
    const CRect savedClip = clip;
    CRect bounded(toPixel(r.left + offset.x), toPixel(r.top + offset.y), toPixel(r.right + offset.x),
                  toPixel(r.bottom + offset.y));
    clip.bound(bounded);
    drawText(text, x + offset.x, baseline + offset.y, antialias);
    clip = savedClip;
}

void CDrawContext::drawString(const char* text, const CPoint& p, bool antialias)
{
    if (text) drawText(text, p.x + offset.x, std::floor(p.y + offset.y + 0.5), antialias);
}

void CDrawContext::drawText(const char* text, double x, double baseline, bool antialias)
{
    const FontFace& face = FontFace::get((fontStyle & kBoldFace) != 0);
    const double scale = face.scaleForSize(fontSize);
    const int32_t base = int32_t(baseline);
    GlyphImage glyph;
    for (const unsigned char* c = (const unsigned char*)text; *c; ++c) {
        const double penFloor = std::floor(x);
        face.render(c[0], scale, x - penFloor, glyph);
        const int32_t gx = int32_t(penFloor) + glyph.left, gy = base + glyph.top;
        for (int32_t j = 0; j < glyph.height; ++j)
            for (int32_t i = 0; i < glyph.width; ++i) {
                uint32_t cover = glyph.coverage[size_t(j) * glyph.width + i];
                if (!antialias) cover = cover >= 128 ? 255 : 0;
                if (cover) blendPixel(gx + i, gy + j, fontColor, cover + (cover >> 7));
            }
        if (fontStyle & kUnderlineFace) {
            const double next = x + face.advance(c[0], c[1], scale);
            for (int32_t px = int32_t(penFloor); px < int32_t(std::floor(next)); ++px)
                blendPixel(px, base + 1, fontColor, 256);
        }
        x += face.advance(c[0], c[1], scale);
    }
}

void CDrawContext::drawBitmap(const CBitmap& bitmap, const CRect& dest, const CPoint& source, float alpha)
{
    if (!bitmap.isLoaded()) return;
    const int32_t l = toPixel(dest.left + offset.x), t = toPixel(dest.top + offset.y);
    const int32_t r = toPixel(dest.right + offset.x), b = toPixel(dest.bottom + offset.y);
    const int32_t sx = toPixel(source.x), sy = toPixel(source.y);
    const int32_t bw = int32_t(bitmap.getWidth()), bh = int32_t(bitmap.getHeight());
    const uint32_t a256 = uint32_t(std::lround(std::fmin(std::fmax(alpha, 0.0f), 1.0f) * 256.0f));
    const int32_t y0 = std::max({t, int32_t(clip.top), t - sy}), y1 = std::min({b, int32_t(clip.bottom), t - sy + bh});
    const int32_t x0 = std::max({l, int32_t(clip.left), l - sx}), x1 = std::min({r, int32_t(clip.right), l - sx + bw});
    const bool opaqueCopy = a256 == 256 && globalAlpha255 == 255;
    for (int32_t y = y0; y < y1; ++y) {
        uint8_t* row = pixels + size_t(y) * stride;
        for (int32_t x = x0; x < x1; ++x) {
            const uint8_t* s = bitmap.pixel(sx + x - l, sy + y - t);
            if (opaqueCopy && s[3] == 255)
                std::memcpy(row + size_t(x) * 4, s, 4);
            else
                blendPixel(x, y, CColor{s[0], s[1], s[2], s[3]}, a256);
        }
    }
}

}  // namespace velda::gui

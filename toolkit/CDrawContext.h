// Software drawing into an RGBA pixel buffer. Views draw in their parent's coordinates; the
// context's offset maps them to buffer pixels and its clip rectangle limits every operation.
// Every operation uses plain IEEE arithmetic only, so all platforms produce the same pixels.
#pragma once
#include <cstdint>

#include "toolkit/CColor.h"
#include "toolkit/CFontDesc.h"
#include "toolkit/CRect.h"
#include "toolkit/MouseEvents.h"

namespace velda::gui {

class CBitmap;

enum CDrawMode : int32_t {
    kAliasing = 0,
    kAntialias = 1,
};

enum CLineStyle : int32_t {
    kLineSolid = 0,
    kLineOnOffDash = 1,
};

enum CDrawStyle : int32_t {
    kDrawStroked = 0,
    kDrawFilled,
    kDrawFilledAndStroked,
};

class CDrawContext {
public:
    // The buffer holds `height` rows of `stride` bytes, 4 bytes (R, G, B, A) per pixel; it is not owned.
    CDrawContext(uint8_t* pixels, int32_t width, int32_t height, int32_t stride);

    int32_t getWidth() const { return bufferWidth; }
    int32_t getHeight() const { return bufferHeight; }

    // Translation from the current drawing coordinates to buffer pixels.
    void setOffset(const CPoint& o) { offset = o; }
    const CPoint& getOffset() const { return offset; }
    // The clip rectangle, in the current drawing coordinates.
    void setClipRect(const CRect& r);
    CRect getClipRect() const;
    void resetClipRect();

    void setLineWidth(CCoord width) { lineWidth = width; }
    CCoord getLineWidth() const { return lineWidth; }
    void setLineStyle(int32_t style) { lineStyle = style; }
    int32_t getLineStyle() const { return lineStyle; }
    void setDrawMode(int32_t mode) { drawMode = mode; }
    int32_t getDrawMode() const { return drawMode; }
    void setFrameColor(const CColor& c) { frameColor = c; }
    const CColor& getFrameColor() const { return frameColor; }
    void setFillColor(const CColor& c) { fillColor = c; }
    const CColor& getFillColor() const { return fillColor; }
    void setFontColor(const CColor& c) { fontColor = c; }
    const CColor& getFontColor() const { return fontColor; }
    void setGlobalAlpha(float a);
    float getGlobalAlpha() const { return globalAlpha; }
    // size 0 keeps the descriptor's size, style -1 its style.
    void setFont(CFontRef font, double size = 0, int32_t style = -1);
    CFontRef getFont() const { return font; }
    double getFontSize() const { return fontSize; }
    int32_t getFontStyle() const { return fontStyle; }

    void moveTo(const CPoint& p) { penPosition = p; }
    void lineTo(const CPoint& p);
    void drawLine(const CPoint& from, const CPoint& to);
    void drawPoint(const CPoint& p, const CColor& color);
    void drawRect(const CRect& r, int32_t style = kDrawStroked);
    void fillRect(const CRect& r) { drawRect(r, kDrawFilled); }
    void frameRect(const CRect& r) { drawRect(r, kDrawStroked); }
    void drawEllipse(const CRect& r, int32_t style = kDrawStroked);

    void drawString(const char* text, const CRect& r, int32_t align = kCenterText, bool antialias = true);
    // Text with its baseline starting at p.
    void drawString(const char* text, const CPoint& p, bool antialias = true);
    CCoord getStringWidth(const char* text);

    void drawBitmap(const CBitmap& bitmap, const CRect& dest, const CPoint& source, float alpha = 1.0f);

    // The buffer pixel at (x, y) as 0xAABBGGRR.
    uint32_t getPixel(int32_t x, int32_t y) const;

private:
    void blendPixel(int32_t x, int32_t y, const CColor& c, uint32_t coverage256);
    void fillPixelRect(int32_t l, int32_t t, int32_t r, int32_t b, const CColor& c);
    void strokeSegment(const CPoint& a, const CPoint& b);
    void drawText(const char* text, double x, double baseline, bool antialias);

    uint8_t* pixels;
    int32_t bufferWidth;
    int32_t bufferHeight;
    int32_t stride;
    CPoint offset;
    CRect clip;  // in buffer pixels
    CPoint penPosition;
    CCoord lineWidth = 1;
    int32_t lineStyle = kLineSolid;
    int32_t drawMode = kAliasing;
    CColor frameColor = kBlackCColor;
    CColor fillColor = kWhiteCColor;
    CColor fontColor = kWhiteCColor;
    float globalAlpha = 1.0f;
    uint32_t globalAlpha255 = 255;
    CFontRef font;
    double fontSize;
    int32_t fontStyle;
};

}  // namespace velda::gui

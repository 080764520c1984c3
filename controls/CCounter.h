// A six-glyph read-out of the value of the knob under the mouse: signed decibels, milliseconds,
// per cent or a plain number, drawn from a strip of 18 glyphs (digits, point, k, plus, minus, per
// cent, dB, ms, blank).
#pragma once
#include <array>

#include "toolkit/CControl.h"

namespace velda::gui {

class CCounter : public CControl {
public:
    enum Glyph : int32_t {
        kGlyphPoint = 10,
        kGlyphKilo = 11,
        kGlyphPlus = 12,
        kGlyphMinus = 13,
        kGlyphPercent = 14,
        kGlyphDecibel = 15,
        kGlyphMilliseconds = 16,
        kGlyphBlank = 17,
    };
    enum Mode : int32_t { kModeOff = 0, kModeDecibel = 1, kModeMilliseconds = 2, kModePercent = 3 };
    using Glyphs = std::array<int32_t, 6>;

    CCounter(const CRect& size, CControlListener* listener, int32_t tag, float value, int32_t mode, int32_t x0,
             int32_t y0, int32_t glyphWidth, int32_t glyphHeight, CBitmap* glyphBitmap);
    ~CCounter() override;

    bool isTypeOf(const char* name) const override;
    CView* newCopy() const override;
    void draw(CDrawContext* context) override;
    // The glyph row may reach beyond the view's rectangle.
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    bool checkUpdate(const CRect& updateRect) const override { return updateRect.rectOverlap(paintedArea()); }
    void invalid() override { invalidRect(paintedArea()); }
    CRect paintedArea() const;

    // Stores the value as is (an engineering value, outside the control's range) and the mode.
    void setValueAndMode(float value, int32_t mode);
    int32_t getMode() const { return mode; }
    const Glyphs& getGlyphs() const { return glyphs; }

    // The six glyphs that show `value` in `mode`.
    static Glyphs glyphsFor(float value, int32_t mode);

protected:
    int32_t mode;
    Glyphs glyphs;
    int32_t x0;
    int32_t y0;
    int32_t w;
    int32_t gh;
};

}  // namespace velda::gui

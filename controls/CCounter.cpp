#include "controls/CCounter.h"

#include <cmath>
#include <cstring>

#include "controls/ControlCopy.h"
#include "controls/DrawBounds.h"
#include "controls/ValueFormat.h"
#include "toolkit/CBitmap.h"

namespace velda::gui {

namespace {

// Integer part cut toward zero; magnitudes beyond any read-out give a number no glyph shows.
int64_t whole(double x)
{
    if (!(std::fabs(x) < 1e15)) return 1000000000000000LL;
    return int64_t(x);
}

// Digit of a magnitude at a place of 1, 10, 100 ...
int32_t digit(double x, double place) { return int32_t(whole(x / place) % 10); }
// The k-th decimal of a magnitude (multiplied, since 0.3 / 0.1 is below 3).
int32_t decimal(double x, int k) { return int32_t(whole(x * (k == 1 ? 10.0 : 100.0)) % 10); }

int32_t shownIf(bool show, int64_t glyph) { return show ? int32_t(glyph) : int32_t(CCounter::kGlyphBlank); }
bool inRange(int64_t d, int64_t lo, int64_t hi) { return d >= lo && d <= hi; }

CCounter::Glyphs decibelGlyphs(float v)
{
    const double m = velda::roundForDecimals(v, 2);
    const double a = std::fabs(m);
    CCounter::Glyphs g;
    g[0] = m > 0.01 ? CCounter::kGlyphPlus : m < -0.01 ? CCounter::kGlyphMinus : CCounter::kGlyphBlank;
    if (a >= 10.0) {
        const int64_t tens = whole(a / 10.0);
        const int64_t units = whole(a) - 10 * tens;
        const int64_t tenths = whole(std::fabs((double(v) - double(whole(m))) * 10.0));
        g[1] = shownIf(inRange(tens, 1, 9), tens);
        g[2] = shownIf(inRange(units, 0, 9), units);
        g[3] = CCounter::kGlyphPoint;
        g[4] = shownIf(inRange(tenths, 0, 9), tenths);
        g[5] = CCounter::kGlyphDecibel;
    } else {
        g[1] = int32_t(whole(a));
        g[2] = CCounter::kGlyphPoint;
        g[3] = decimal(a, 1);
        g[4] = decimal(a, 2);
        g[5] = CCounter::kGlyphDecibel;
    }
    return g;
}

CCounter::Glyphs millisecondGlyphs(float v)
{
    const double h = v >= 1000.0f ? velda::roundForDecimals(double(v) / 10.0, 0) * 10.0 : velda::roundForDecimals(v, 1);
    CCounter::Glyphs g;
    if (h < 1000.0) {
        const int64_t hundreds = whole(h / 100.0);
        const int64_t tens = whole(h / 10.0) % 10;
        const int64_t units = whole(h) % 10;
        const int64_t tenths = whole(h * 10.0) % 10;
        const bool hundredsShown = inRange(hundreds, 1, 9);
        g[0] = shownIf(hundredsShown, hundreds);
        g[1] = shownIf(hundredsShown ? inRange(tens, 0, 9) : inRange(tens, 1, 9), tens);
        g[2] = inRange(units, 0, 9) ? int32_t(units) : 0;
        g[3] = CCounter::kGlyphPoint;
        g[4] = shownIf(inRange(tenths, 0, 9), tenths);
    } else {
        const int64_t tenThousands = whole(h / 10000.0);
        g[0] = shownIf(inRange(tenThousands, 1, 9), tenThousands);
        g[1] = digit(h, 1000.0);
        g[2] = CCounter::kGlyphKilo;
        g[3] = digit(h, 100.0);
        g[4] = digit(h, 10.0);
    }
    g[5] = CCounter::kGlyphMilliseconds;
    return g;
}

CCounter::Glyphs percentGlyphs(float v)
{
    const double g = velda::roundForDecimals(v, 1);
    const double m = std::fabs(g);
    const int64_t hundreds = whole(m / 100.0);
    const int64_t tens = whole(m / 10.0) % 10;
    const int64_t tenths = whole(std::fabs(g - double(whole(g))) * 10.0);
    CCounter::Glyphs out;
    const bool hundredsShown = inRange(hundreds, 1, 9);
    out[0] = shownIf(hundredsShown, hundreds);
    out[1] = shownIf(hundredsShown || inRange(tens, 1, 9), tens);
    out[2] = digit(m, 1.0);
    out[3] = CCounter::kGlyphPoint;
    out[4] = shownIf(inRange(tenths, 0, 9), tenths);
    out[5] = CCounter::kGlyphPercent;
    return out;
}

// Two decimals without sign; thousands and above lose their leading digits.
CCounter::Glyphs plainGlyphs(float v)
{
    const double l = std::fabs(velda::roundForDecimals(v, 2));
    const int32_t hundreds = digit(l, 100.0), tens = digit(l, 10.0);
    CCounter::Glyphs g;
    g[0] = shownIf(hundreds != 0, hundreds);
    g[1] = shownIf(tens != 0 || hundreds != 0, tens);
    g[2] = digit(l, 1.0);
    g[3] = CCounter::kGlyphPoint;
    g[4] = decimal(l, 1);
    g[5] = decimal(l, 2);
    return g;
}

}  // namespace

CCounter::CCounter(const CRect& r, CControlListener* l, int32_t t, float v, int32_t m, int32_t x, int32_t y,
                   int32_t glyphWidth, int32_t glyphHeight, CBitmap* bitmap)
    : CControl(r, l, t, bitmap), mode(m), x0(x), y0(y), w(glyphWidth), gh(glyphHeight)
{
    glyphs.fill(kGlyphBlank);
    // A read-out value is an engineering value (dB, ms, %): kept outside the 0-to-1 range.
    setValueUnbounded(v);
}

CCounter::~CCounter() = default;

bool CCounter::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CCounter") == 0 || CControl::isTypeOf(name);
}

CView* CCounter::newCopy() const
{
    auto* copy = new CCounter(size, listener, tag, value, mode, x0, y0, w, gh, background);
    copyControlState(*this, *copy);
    copy->glyphs = glyphs;
    return copy;
}

void CCounter::setValueAndMode(float v, int32_t m)
{
    value = v;
    mode = m;
    setDirty(true);
}

CCounter::Glyphs CCounter::glyphsFor(float v, int32_t m)
{
    switch (m) {
    case kModeOff: {
        Glyphs g;
        g.fill(kGlyphBlank);
        return g;
    }
    case kModeDecibel: return decibelGlyphs(v);
    case kModeMilliseconds: return millisecondGlyphs(v);
    case kModePercent: return percentGlyphs(v);
    default: return plainGlyphs(v);
    }
}

CRect CCounter::paintedArea() const
{
    CRect area = size;
    area.unite(CRect(x0, y0, x0 + 6 * w, y0 + gh));
    return area;
}

void CCounter::drawRect(CDrawContext* context, const CRect& updateRect)
{
    drawWithin(*this, context, updateRect, paintedArea());
}

void CCounter::draw(CDrawContext* context)
{
    glyphs = glyphsFor(value, mode);
    if (background) {
        for (int32_t i = 0; i < 6; ++i) {
            const CRect dest(x0 + i * w, y0, x0 + (i + 1) * w, y0 + gh);
            background->draw(context, dest, CPoint(0, glyphs[size_t(i)] * gh), 1.0f);
        }
    }
    setDirty(false);
}

}  // namespace velda::gui

// A font: family name, pixel size (em height) and style bits.
#pragma once
#include <cstdint>

namespace velda::gui {

enum CTxtFace : int32_t {
    kNormalFace = 0,
    kBoldFace = 1 << 1,
    kItalicFace = 1 << 2,
    kUnderlineFace = 1 << 3,
};

class CFontDesc {
public:
    constexpr CFontDesc(const char* name, double size, int32_t style = kNormalFace)
        : fontName(name), fontSize(size), fontStyle(style)
    {
    }
    const char* getName() const { return fontName; }
    double getSize() const { return fontSize; }
    int32_t getStyle() const { return fontStyle; }

private:
    const char* fontName;
    double fontSize;
    int32_t fontStyle;
};

using CFontRef = const CFontDesc*;

// The standard descriptors. "Arial" is drawn with a metric-compatible sans face.
extern const CFontRef kSystemFont;
extern const CFontRef kNormalFontVeryBig;
extern const CFontRef kNormalFontBig;
extern const CFontRef kNormalFont;
extern const CFontRef kNormalFontSmall;
extern const CFontRef kNormalFontSmaller;
extern const CFontRef kNormalFontVerySmall;
extern const CFontRef kSymbolFont;

}  // namespace velda::gui

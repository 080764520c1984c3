// Shows the value as text over a background bitmap (drawn from the back offset) or a filled colour.
// The text comes from a conversion function: float value in, text written into a buffer of at least
// 256 bytes.
#pragma once

#include "toolkit/CControl.h"
#include "toolkit/ControlStyles.h"

namespace velda::gui {

class CParamDisplay : public CControl {
public:
    using StringConvert = void (*)(float value, char* text);
    using StringConvertWithData = void (*)(float value, char* text, void* userData);

    CParamDisplay(const CRect& size, CBitmap* background = nullptr, int32_t style = 0);

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* name) const override;

    virtual void setFont(CFontRef f) { font = f; setDirty(true); }
    CFontRef getFont() const { return font; }
    virtual void setFontColor(const CColor& c) { fontColor = c; setDirty(true); }
    const CColor& getFontColor() const { return fontColor; }
    virtual void setBackColor(const CColor& c) { backColor = c; setDirty(true); }
    const CColor& getBackColor() const { return backColor; }
    virtual void setFrameColor(const CColor& c) { frameColor = c; setDirty(true); }
    const CColor& getFrameColor() const { return frameColor; }
    virtual void setShadowColor(const CColor& c) { shadowColor = c; setDirty(true); }
    const CColor& getShadowColor() const { return shadowColor; }
    virtual void setHoriAlign(int32_t align) { horiAlign = align; setDirty(true); }
    int32_t getHoriAlign() const { return horiAlign; }
    virtual void setStyle(int32_t s) { style = s; setDirty(true); }
    int32_t getStyle() const { return style; }
    void setTextTransparency(bool state) { textTransparent = state; }
    bool getTextTransparency() const { return textTransparent; }
    void setAntialias(bool state) { antialias = state; }

    void setStringConvert(StringConvert convert);
    void setStringConvert(StringConvertWithData convert, void* userData);

protected:
    // The text for the current value.
    virtual void valueText(char* text) const;
    void drawBackground(CDrawContext* context);
    void drawText(CDrawContext* context, const char* text);

    StringConvert stringConvert = nullptr;
    StringConvertWithData stringConvertWithData = nullptr;
    void* userData = nullptr;
    CFontRef font;
    CColor fontColor = kWhiteCColor;
    CColor backColor = kBlackCColor;
    CColor frameColor = kBlackCColor;
    CColor shadowColor = kRedCColor;
    int32_t horiAlign = kCenterText;
    int32_t style;
    bool textTransparent = false;
    bool antialias = true;
};

}  // namespace velda::gui

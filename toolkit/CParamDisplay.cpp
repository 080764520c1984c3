#include "toolkit/CParamDisplay.h"

#include <cstdio>
#include <cstring>

#include "toolkit/CBitmap.h"

namespace velda::gui {

CParamDisplay::CParamDisplay(const CRect& r, CBitmap* bitmap, int32_t s) : CControl(r, nullptr, -1, bitmap), font(kNormalFont), style(s)
{
}

bool CParamDisplay::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CParamDisplay") == 0 || CControl::isTypeOf(name);
}

void CParamDisplay::setStringConvert(StringConvert convert)
{
    stringConvert = convert;
    stringConvertWithData = nullptr;
    setDirty(true);
}

void CParamDisplay::setStringConvert(StringConvertWithData convert, void* data)
{
    stringConvertWithData = convert;
    userData = data;
    stringConvert = nullptr;
    setDirty(true);
}

void CParamDisplay::valueText(char* text) const
{
    text[0] = 0;
    if (stringConvert)
        stringConvert(value, text);
    else if (stringConvertWithData)
        stringConvertWithData(value, text, userData);
    else
        std::snprintf(text, 256, "%2.2f", double(value));
}

void CParamDisplay::draw(CDrawContext* context)
{
    char text[256];
    valueText(text);
    text[255] = 0;
    drawBackground(context);
    drawText(context, text);
    setDirty(false);
}

void CParamDisplay::drawBackground(CDrawContext* context)
{
    if (style & kNoDrawStyle) return;
    if (background) {
        background->draw(context, size, backOffset);
    } else if (!transparent) {
        context->setFillColor(backColor);
        context->drawRect(size, kDrawFilled);
        if (!(style & (k3DIn | k3DOut | kNoFrame))) {
            context->setFrameColor(frameColor);
            context->setLineWidth(1);
            context->drawRect(size, kDrawStroked);
        }
    }
    if (style & (k3DIn | k3DOut)) {
        const CColor light = kWhiteCColor, dark = CColor{24, 24, 24, 255};
        const CColor& topLeft = (style & k3DIn) ? dark : light;
        const CColor& bottomRight = (style & k3DIn) ? light : dark;
        context->setLineWidth(1);
        context->setFrameColor(topLeft);
        context->drawLine(CPoint(size.left, size.bottom - 1), CPoint(size.left, size.top));
        context->drawLine(CPoint(size.left, size.top), CPoint(size.right - 1, size.top));
        context->setFrameColor(bottomRight);
        context->drawLine(CPoint(size.right - 1, size.top + 1), CPoint(size.right - 1, size.bottom - 1));
        context->drawLine(CPoint(size.right - 1, size.bottom - 1), CPoint(size.left + 1, size.bottom - 1));
    }
}

void CParamDisplay::drawText(CDrawContext* context, const char* text)
{
    if (style & (kNoDrawStyle | kNoTextStyle)) return;
    context->setFont(font);
    if (style & kShadowText) {
        context->setFontColor(shadowColor);
        context->drawString(text, CRect(size).offset(1, 1), horiAlign, antialias);
    }
    context->setFontColor(fontColor);
    context->drawString(text, size, horiAlign, antialias);
}

}  // namespace velda::gui

#include "toolkit/CTextLabel.h"

#include <cstring>

namespace velda::gui {

CTextLabel::CTextLabel(const CRect& r, const char* t, CBitmap* bitmap, int32_t s) : CParamDisplay(r, bitmap, s)
{
    setText(t);
}

void CTextLabel::setText(const char* t)
{
    text = t ? t : "";
    if (text.size() > 255) text.resize(255);
    setDirty(true);
}

void CTextLabel::valueText(char* out) const { std::memcpy(out, text.c_str(), text.size() + 1); }

bool CTextLabel::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CTextLabel") == 0 || CParamDisplay::isTypeOf(name);
}

}  // namespace velda::gui

// A display that shows a fixed text (copied) instead of its value.
#pragma once
#include <string>

#include "toolkit/CParamDisplay.h"

namespace velda::gui {

class CTextLabel : public CParamDisplay {
public:
    CTextLabel(const CRect& size, const char* text = nullptr, CBitmap* background = nullptr, int32_t style = 0);

    virtual void setText(const char* text);
    const char* getText() const { return text.c_str(); }
    bool isTypeOf(const char* name) const override;

protected:
    void valueText(char* out) const override;
    std::string text;
};

}  // namespace velda::gui

// A fixed text in small black letters, centred in the view, over whatever lies below it.
#pragma once

#include "toolkit/CParamDisplay.h"

namespace velda::gui {

class CLabel2 : public CParamDisplay {
public:
    // The text is not copied: it must outlive the label (string literals do).
    CLabel2(const CRect& size, const char* text);

    void draw(CDrawContext* context) override;

protected:
    const char* text;
};

}  // namespace velda::gui

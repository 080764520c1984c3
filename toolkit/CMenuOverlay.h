// The pop-up menu drawn by the toolkit where the platform has none: a modal view over the frame with
// the entries in columns; a click on an entry chooses it, a click elsewhere or Escape cancels.
#pragma once

#include "platform/PlatformWindow.h"
#include "toolkit/CView.h"

namespace velda::gui {

class COptionMenu;

class CMenuOverlay : public CView {
public:
    static constexpr CCoord kRowHeight = 16;
    static constexpr CCoord kCheckWidth = 16;

    CMenuOverlay(COptionMenu* menu, const platform::MenuRequest& request);
    ~CMenuOverlay() override;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    int32_t onKeyDown(vst::VstKeyCode& key) override;
    bool attached(CView* parent) override;

    // The entry under a frame position, or -1.
    int32_t entryAt(const CPoint& where) const;
    CRect entryRect(int32_t index) const;
    const CRect& getMenuRect() const { return menuRect; }

private:
    void finish(int32_t index);

    COptionMenu* menu;
    platform::MenuRequest request;
    CRect menuRect;
    CCoord columnWidth = 0;
    int32_t rows = 1;
    int32_t hovered = -1;
};

}  // namespace velda::gui

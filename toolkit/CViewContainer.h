// A view holding child views in its own coordinates (origin at its top-left corner), drawn over an
// optional background bitmap. The container owns one reference of each child.
#pragma once
#include <vector>

#include "toolkit/CView.h"

namespace velda::gui {

class CViewContainer : public CView {
public:
    explicit CViewContainer(const CRect& size, CBitmap* background = nullptr);
    ~CViewContainer() override;

    // Takes over the caller's reference.
    virtual bool addView(CView* view);
    // withForget false hands the container's reference back to the caller.
    virtual bool removeView(CView* view, bool withForget = true);
    virtual bool removeAll(bool withForget = true);
    bool isChild(const CView* view) const;
    int32_t getNbViews() const { return int32_t(children.size()); }
    CView* getView(int32_t index) const;
    // The topmost visible child under `where` (in the container's own rectangle coordinates, i.e. its
    // parent's space); deep descends into nested containers.
    virtual CView* getViewAt(const CPoint& where, bool deep = false) const;

    void setBackgroundOffset(const CPoint& p) { backgroundOffset = p; }
    const CPoint& getBackgroundOffset() const { return backgroundOffset; }
    void setBackgroundColor(const CColor& c) { backgroundColor = c; }
    const CColor& getBackgroundColor() const { return backgroundColor; }

    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    virtual void drawBackgroundRect(CDrawContext* context, const CRect& updateRect);

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;

    bool attached(CView* parent) override;
    bool removed(CView* parent) override;
    bool isContainer() const override { return true; }
    bool isTypeOf(const char* name) const override;

    // Marks every descendant dirty or clean.
    void setDirty(bool state = true) override;

    // Adds the frame rectangles of dirty descendants to the frame's redraw area.
    void collectDirtyViews();

protected:
    // The child that took the current mouse press and wants its moves and release.
    CView* mouseDownView = nullptr;
    std::vector<CView*> children;
    CPoint backgroundOffset;
    CColor backgroundColor = kTransparentCColor;
};

}  // namespace velda::gui

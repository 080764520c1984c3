// The base of everything shown in a frame: a rectangle in its parent's coordinates, a dirty flag,
// mouse, wheel and key handlers and an optional background bitmap.
#pragma once
#include <cstdint>

#include "shell/vst2.h"
#include "toolkit/CBaseObject.h"
#include "toolkit/CDrawContext.h"
#include "toolkit/CRect.h"
#include "toolkit/MouseEvents.h"

namespace velda::gui {

class CBitmap;
class CFrame;
class CViewContainer;

class CView : public CBaseObject {
public:
    explicit CView(const CRect& size);
    ~CView() override;

    virtual void draw(CDrawContext* context);
    // Draws the view for a redraw of `updateRect` (the context clips to it).
    virtual void drawRect(CDrawContext* context, const CRect& updateRect);
    virtual bool checkUpdate(const CRect& updateRect) const { return updateRect.rectOverlap(size); }

    virtual CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons);
    virtual bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons);
    // Key handlers answer 1 when they used the key, -1 otherwise.
    virtual int32_t onKeyDown(vst::VstKeyCode& key);
    virtual int32_t onKeyUp(vst::VstKeyCode& key);

    virtual void setDirty(bool state = true) { dirty = state; }
    virtual bool isDirty() const { return dirty; }
    // Asks the frame to redraw the view's area at its next idle.
    virtual void invalid();
    void invalidRect(const CRect& rect);

    virtual void setViewSize(const CRect& rect, bool invalidate = true);
    const CRect& getViewSize() const { return size; }
    CRect& getViewSize(CRect& rect) const { return rect = size; }
    CCoord getWidth() const { return size.width(); }
    CCoord getHeight() const { return size.height(); }
    virtual bool hitTest(const CPoint& where, const CButtonState& buttons = 0) const { return size.pointInside(where); }

    virtual void setMouseEnabled(bool state = true) { mouseEnabled = state; }
    bool getMouseEnabled() const { return mouseEnabled; }
    void setVisible(bool state);
    bool isVisible() const { return visible; }
    void setTransparency(bool state) { transparent = state; }
    bool getTransparency() const { return transparent; }

    virtual void setBackground(CBitmap* bitmap);
    CBitmap* getBackground() const { return background; }

    virtual void takeFocus() {}
    virtual void looseFocus() {}

    virtual bool attached(CView* parent);
    virtual bool removed(CView* parent);
    bool isAttached() const { return parentView != nullptr || isFrame(); }
    CFrame* getFrame() const { return parentFrame; }
    CView* getParentView() const { return parentView; }
    virtual bool isContainer() const { return false; }
    virtual bool isFrame() const { return false; }

    // Conversions between the view's own coordinates (those of its rectangle) and the frame's.
    CPoint& localToFrame(CPoint& point) const;
    CPoint& frameToLocal(CPoint& point) const;
    CRect getFrameRect() const;

    virtual bool isTypeOf(const char* name) const;
    virtual CView* newCopy() const { return nullptr; }

protected:
    friend class CViewContainer;
    CRect size;
    bool dirty = false;
    bool mouseEnabled = true;
    bool visible = true;
    bool transparent = false;
    CFrame* parentFrame = nullptr;
    CView* parentView = nullptr;
    CBitmap* background = nullptr;
};

}  // namespace velda::gui

#include "toolkit/CFrame.h"

#include <cstring>

#include "toolkit/CDrawContext.h"

namespace velda::gui {

CFrame::CFrame(const CRect& r, VSTGUIEditorInterface* e) : CViewContainer(r), editor(e)
{
    parentFrame = this;
    allocatePixels();
}

CFrame::CFrame(const CRect& r, void* systemWindow, VSTGUIEditorInterface* e) : CFrame(r, e) { open(systemWindow); }

CFrame::~CFrame()
{
    focusView = nullptr;
    modalView = nullptr;
    hoverView = nullptr;
    removeAll(true);
    window.reset();
}

void CFrame::allocatePixels()
{
    const size_t w = size_t(std::max(0.0, size.width())), h = size_t(std::max(0.0, size.height()));
    pixels.assign(w * h * 4, 0);
    for (size_t i = 3; i < pixels.size(); i += 4) pixels[i] = 255;
}

bool CFrame::open(void* parent)
{
    if (window) return true;
    window = platform::PlatformWindow::create(parent, int32_t(size.width()), int32_t(size.height()), *this);
    if (!window) return false;
    invalidateArea(CRect(0, 0, size.width(), size.height()));
    return true;
}

void CFrame::close()
{
    setFocusView(nullptr);
    modalView = nullptr;
    hoverView = nullptr;
    removeAll(true);
    window.reset();
    forget();
}

void CFrame::setViewSize(const CRect& rect, bool invalidate)
{
    CView::setViewSize(rect, false);
    allocatePixels();
    if (invalidate) invalidateArea(CRect(0, 0, size.width(), size.height()));
}

bool CFrame::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CFrame") == 0 || CViewContainer::isTypeOf(name);
}

void CFrame::setFocusView(CView* view)
{
    if (view == focusView) return;
    CView* old = focusView;
    focusView = view;
    if (old) old->looseFocus();
    if (focusView == view && view) view->takeFocus();
}

void CFrame::setModalView(CView* view)
{
    modalView = view;
    modalHasMouse = false;
}

void CFrame::viewRemoved(CView* view)
{
    if (focusView == view) {
        focusView = nullptr;
        view->looseFocus();
    }
    if (modalView == view) modalView = nullptr;
    if (hoverView == view) hoverView = nullptr;
}

void CFrame::invalidateArea(const CRect& r)
{
    CRect area = r;
    area.bound(CRect(0, 0, size.width(), size.height()));
    if (area.isEmpty()) return;
    for (CRect& existing : invalidAreas)
        if (existing.rectOverlap(area)) {
            existing.unite(area);
            return;
        }
    invalidAreas.push_back(area);
    if (invalidAreas.size() > 16) {
        CRect all;
        for (const CRect& a : invalidAreas) all.unite(a);
        invalidAreas.assign(1, all);
    }
}

void CFrame::idle()
{
    if (inIdle) return;
    inIdle = true;
    remember();
    if (window) window->pumpEvents();
    collectDirtyViews();
    if (!invalidAreas.empty()) {
        std::vector<CRect> areas;
        areas.swap(invalidAreas);
        for (const CRect& area : areas) redraw(&area);
    }
    inIdle = false;
    forget();
}

void CFrame::redraw(const CRect* area)
{
    const CRect all(0, 0, size.width(), size.height());
    CRect r = area ? CRect(*area).bound(all) : all;
    if (r.isEmpty()) return;
    CDrawContext context(pixels.data(), int32_t(size.width()), int32_t(size.height()), getPixelStride());
    context.setClipRect(r);
    if (!background) {
        // Without a picture the frame shows black.
        context.setFillColor(backgroundColor.alpha ? backgroundColor : kBlackCColor);
        context.drawRect(r, kDrawFilled);
    }
    // The frame's children live in frame coordinates: draw them as a container at the origin.
    const CRect saved = size;
    size = all;
    CViewContainer::drawRect(&context, r);
    size = saved;
    present(r);
}

void CFrame::present(const CRect& area)
{
    if (!window) return;
    platform::PixelRect p{int32_t(area.left), int32_t(area.top), int32_t(area.right), int32_t(area.bottom)};
    window->present(pixels.data(), getPixelStride(), p);
}

uint32_t CFrame::getPixel(int32_t x, int32_t y) const
{
    if (x < 0 || y < 0 || x >= int32_t(size.width()) || y >= int32_t(size.height())) return 0;
    const uint8_t* p = &pixels[size_t(y) * getPixelStride() + size_t(x) * 4];
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

bool CFrame::getCurrentMouseLocation(CPoint& where) const
{
    double x = 0, y = 0;
    uint32_t buttons = 0;
    if (window && window->mouseState(x, y, buttons)) {
        where(x, y);
        return true;
    }
    where = lastMouse;
    return lastMouse.x >= 0;
}

CButtonState CFrame::getCurrentMouseButtons() const
{
    double x = 0, y = 0;
    uint32_t buttons = 0;
    if (window && window->mouseState(x, y, buttons)) return CButtonState(buttons);
    return lastButtons;
}

int32_t CFrame::onKeyDown(vst::VstKeyCode& key)
{
    if (modalView) return modalView->onKeyDown(key);
    if (focusView) return focusView->onKeyDown(key);
    return -1;
}

int32_t CFrame::onKeyUp(vst::VstKeyCode& key)
{
    if (modalView) return modalView->onKeyUp(key);
    if (focusView) return focusView->onKeyUp(key);
    return -1;
}

bool CFrame::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    if (modalView) return modalView->onWheel(where, distance, buttons);
    if (focusView && focusView->onWheel(where, distance, buttons)) return true;
    return CViewContainer::onWheel(where, distance, buttons);
}

// The frame's children are in frame coordinates, so the frame passes points on unchanged.
CMouseEventResult CFrame::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (modalView) {
        CPoint p = where;
        const CMouseEventResult result = modalView->onMouseDown(p, buttons);
        modalHasMouse = result == kMouseEventHandled;
        return result;
    }
    // A click elsewhere ends a text entry.
    if (focusView && !focusView->getFrameRect().pointInside(where)) setFocusView(nullptr);
    const CRect saved = size;
    size.moveTo(0, 0);
    const CMouseEventResult result = CViewContainer::onMouseDown(where, buttons);
    size = saved;
    return result;
}

CMouseEventResult CFrame::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    if (modalView) {
        if (!modalHasMouse) return kMouseEventNotHandled;
        modalHasMouse = false;
        CPoint p = where;
        return modalView->onMouseUp(p, buttons);
    }
    const CRect saved = size;
    size.moveTo(0, 0);
    const CMouseEventResult result = CViewContainer::onMouseUp(where, buttons);
    size = saved;
    return result;
}

CMouseEventResult CFrame::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (modalView) {
        CPoint p = where;
        return modalView->onMouseMoved(p, buttons);
    }
    const CRect saved = size;
    size.moveTo(0, 0);
    const CMouseEventResult result = CViewContainer::onMouseMoved(where, buttons);
    size = saved;
    return result;
}

void CFrame::updateHover(const CPoint& where, const CButtonState& buttons)
{
    CView* now = nullptr;
    if (!modalView && !mouseDownView && where.x >= 0) {
        const CRect saved = size;
        size.moveTo(0, 0);
        now = getViewAt(where, true);
        size = saved;
        if (now && !now->getMouseEnabled()) now = nullptr;
    }
    if (now == hoverView) return;
    if (hoverView) {
        CPoint p = where;
        hoverView->frameToLocal(p);
        hoverView->onMouseExited(p, buttons);
    }
    hoverView = now;
    if (hoverView) {
        CPoint p = where;
        hoverView->frameToLocal(p);
        hoverView->onMouseEntered(p, buttons);
    }
}

void CFrame::platformMouseDown(double x, double y, uint32_t buttons)
{
    remember();
    lastMouse(x, y);
    lastButtons = CButtonState(buttons);
    updateHover(lastMouse, lastButtons);
    CPoint where(x, y);
    const CMouseEventResult result = onMouseDown(where, CButtonState(buttons));
    if (window && result == kMouseEventHandled) window->captureMouse(true);
    forget();
}

void CFrame::platformMouseUp(double x, double y, uint32_t buttons)
{
    remember();
    lastMouse(x, y);
    lastButtons = CButtonState(buttons & ~uint32_t(kButtonMask));
    CPoint where(x, y);
    onMouseUp(where, CButtonState(buttons));
    if (window) window->captureMouse(false);
    updateHover(lastMouse, lastButtons);
    forget();
}

void CFrame::platformMouseMoved(double x, double y, uint32_t buttons)
{
    remember();
    lastMouse(x, y);
    lastButtons = CButtonState(buttons);
    updateHover(lastMouse, lastButtons);
    CPoint where(x, y);
    onMouseMoved(where, CButtonState(buttons));
    forget();
}

void CFrame::platformMouseExited()
{
    lastMouse(-1, -1);
    updateHover(lastMouse, 0);
}

bool CFrame::platformWheel(double x, double y, float distance, uint32_t buttons)
{
    lastMouse(x, y);
    return onWheel(CPoint(x, y), distance, CButtonState(buttons));
}

bool CFrame::platformKeyDown(const platform::KeyStroke& key)
{
    vst::VstKeyCode code{key.character, key.virt, key.modifier};
    return onKeyDown(code) > 0;
}

bool CFrame::platformKeyUp(const platform::KeyStroke& key)
{
    vst::VstKeyCode code{key.character, key.virt, key.modifier};
    return onKeyUp(code) > 0;
}

void CFrame::platformRedraw(const platform::PixelRect& area)
{
    present(CRect(area.left, area.top, area.right, area.bottom));
}

}  // namespace velda::gui

#include "toolkit/CViewContainer.h"

#include <algorithm>
#include <cstring>

#include "toolkit/CBitmap.h"
#include "toolkit/CFrame.h"

namespace velda::gui {

CViewContainer::CViewContainer(const CRect& r, CBitmap* bitmap) : CView(r)
{
    if (bitmap) setBackground(bitmap);
}

CViewContainer::~CViewContainer() { removeAll(true); }

bool CViewContainer::addView(CView* view)
{
    if (!view || isChild(view)) return false;
    children.push_back(view);
    if (isAttached()) view->attached(this);
    view->setDirty(true);
    view->invalid();
    return true;
}

bool CViewContainer::removeView(CView* view, bool withForget)
{
    auto it = std::find(children.begin(), children.end(), view);
    if (it == children.end()) return false;
    view->invalid();
    children.erase(it);
    if (mouseDownView == view) mouseDownView = nullptr;
    if (view->isAttached()) view->removed(this);
    if (withForget) view->forget();
    return true;
}

bool CViewContainer::removeAll(bool withForget)
{
    mouseDownView = nullptr;
    while (!children.empty()) {
        CView* view = children.back();
        children.pop_back();
        if (view->isAttached()) view->removed(this);
        if (withForget) view->forget();
    }
    // (each view is taken out before it is told, so changes made meanwhile stay consistent)
    return true;
}

bool CViewContainer::isChild(const CView* view) const
{
    return std::find(children.begin(), children.end(), view) != children.end();
}

CView* CViewContainer::getView(int32_t index) const
{
    return index >= 0 && index < getNbViews() ? children[size_t(index)] : nullptr;
}

CView* CViewContainer::getViewAt(const CPoint& where, bool deep) const
{
    const CPoint local = where - size.getTopLeft();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        CView* view = *it;
        if (!view->isVisible() || !view->hitTest(local)) continue;
        if (deep && view->isContainer()) {
            if (CView* inner = static_cast<CViewContainer*>(view)->getViewAt(local, true)) return inner;
        }
        return view;
    }
    return nullptr;
}

void CViewContainer::drawBackgroundRect(CDrawContext* context, const CRect& updateRect)
{
    const CRect local(0, 0, size.width(), size.height());
    if (background) {
        CRect dest = updateRect;
        dest.bound(local);
        CPoint source(backgroundOffset.x + dest.left, backgroundOffset.y + dest.top);
        background->draw(context, dest, source);
    } else if (backgroundColor.alpha) {
        context->setFillColor(backgroundColor);
        context->drawRect(CRect(updateRect).bound(local), kDrawFilled);
    }
}

void CViewContainer::draw(CDrawContext* context) { drawRect(context, size); }

// updateRect is in the container's rectangle coordinates.
void CViewContainer::drawRect(CDrawContext* context, const CRect& updateRect)
{
    const CPoint savedOffset = context->getOffset();
    const CRect savedClip = context->getClipRect();
    CRect area = updateRect;
    area.bound(size);
    if (area.isEmpty()) return;
    area.offset(-size.left, -size.top);
    context->setOffset(savedOffset + size.getTopLeft());
    context->setClipRect(CRect(savedClip).offset(-size.left, -size.top).bound(area));
    drawBackgroundRect(context, area);
    for (CView* view : children) {
        if (!view->isVisible() || !view->checkUpdate(area)) continue;
        const CRect clip = context->getClipRect();
        context->setClipRect(CRect(view->getViewSize()).bound(clip));
        view->drawRect(context, area);
        context->setClipRect(clip);
    }
    context->setOffset(savedOffset);
    context->setClipRect(savedClip);
    dirty = false;
}

void CViewContainer::setDirty(bool state)
{
    dirty = state;
    for (CView* view : children) view->setDirty(state);
}

void CViewContainer::collectDirtyViews()
{
    if (dirty) {
        invalid();
        dirty = false;
    }
    for (CView* view : children) {
        if (!view->isVisible()) continue;
        if (view->isContainer())
            static_cast<CViewContainer*>(view)->collectDirtyViews();
        else if (view->isDirty())
            view->invalid();
    }
}

CMouseEventResult CViewContainer::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    mouseDownView = nullptr;
    CPoint local = where - size.getTopLeft();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        CView* view = *it;
        if (!view->isVisible() || !view->getMouseEnabled() || !view->hitTest(local, buttons)) continue;
        CPoint p = local;
        const CMouseEventResult result = view->onMouseDown(p, buttons);
        if (result == kMouseEventNotHandled || result == kMouseEventNotImplemented) continue;
        if (result == kMouseEventHandled) mouseDownView = view;
        return result;
    }
    return kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    CView* view = mouseDownView;
    mouseDownView = nullptr;
    if (!view) return kMouseEventNotHandled;
    CPoint local = where - size.getTopLeft();
    view->remember();
    const CMouseEventResult result = view->onMouseUp(local, buttons);
    view->forget();
    return result;
}

CMouseEventResult CViewContainer::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    CPoint local = where - size.getTopLeft();
    if (mouseDownView) {
        CView* view = mouseDownView;
        view->remember();
        const CMouseEventResult result = view->onMouseMoved(local, buttons);
        view->forget();
        return result;
    }
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        CView* view = *it;
        if (!view->isVisible() || !view->getMouseEnabled() || !view->hitTest(local, buttons)) continue;
        CPoint p = local;
        const CMouseEventResult result = view->onMouseMoved(p, buttons);
        if (result != kMouseEventNotHandled && result != kMouseEventNotImplemented) return result;
    }
    return kMouseEventNotHandled;
}

bool CViewContainer::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    const CPoint local = where - size.getTopLeft();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        CView* view = *it;
        if (!view->isVisible() || !view->getMouseEnabled() || !view->hitTest(local, buttons)) continue;
        if (view->onWheel(local, distance, buttons)) return true;
    }
    return false;
}

bool CViewContainer::attached(CView* parent)
{
    CView::attached(parent);
    for (CView* view : children) view->attached(this);
    return true;
}

bool CViewContainer::removed(CView* parent)
{
    mouseDownView = nullptr;
    // A child losing the focus may make its listener change this container: walk a copy.
    const std::vector<CView*> snapshot = children;
    for (CView* view : snapshot)
        if (isChild(view) && view->isAttached()) view->removed(this);
    return CView::removed(parent);
}

bool CViewContainer::isTypeOf(const char* name) const
{
    return std::strcmp(name, "CViewContainer") == 0 || CView::isTypeOf(name);
}

}  // namespace velda::gui

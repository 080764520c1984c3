#include "toolkit/CView.h"

#include <cstring>

#include "toolkit/CBitmap.h"
#include "toolkit/CFrame.h"

namespace velda::gui {

CView::CView(const CRect& r) : size(r) {}

CView::~CView()
{
    if (background) background->forget();
}

void CView::draw(CDrawContext* context)
{
    if (background) background->draw(context, size);
    setDirty(false);
}

void CView::drawRect(CDrawContext* context, const CRect&) { draw(context); }

CMouseEventResult CView::onMouseDown(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseUp(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseMoved(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseEntered(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseExited(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
bool CView::onWheel(const CPoint&, const float&, const CButtonState&) { return false; }
int32_t CView::onKeyDown(vst::VstKeyCode&) { return -1; }
int32_t CView::onKeyUp(vst::VstKeyCode&) { return -1; }

void CView::invalid() { invalidRect(size); }

void CView::invalidRect(const CRect& rect)
{
    if (!parentFrame) return;
    CPoint origin;
    localToFrame(origin);
    CRect r = rect;
    parentFrame->invalidateArea(r.offset(origin));
}

void CView::setViewSize(const CRect& rect, bool invalidate)
{
    if (invalidate) invalid();
    size = rect;
    if (invalidate) invalid();
}

void CView::setVisible(bool state)
{
    if (visible == state) return;
    visible = state;
    invalid();
}

void CView::setBackground(CBitmap* bitmap)
{
    if (bitmap == background) return;
    if (bitmap) bitmap->remember();
    if (background) background->forget();
    background = bitmap;
    setDirty(true);
}

bool CView::attached(CView* parent)
{
    parentView = parent;
    parentFrame = parent ? parent->getFrame() : nullptr;
    if (parent && parent->isFrame()) parentFrame = static_cast<CFrame*>(parent);
    return true;
}

bool CView::removed(CView*)
{
    if (parentFrame) parentFrame->viewRemoved(this);
    parentView = nullptr;
    parentFrame = nullptr;
    return true;
}

// A point in this view's rectangle coordinates (its parent's space) moved into the frame's.
CPoint& CView::localToFrame(CPoint& point) const
{
    for (const CView* p = parentView; p && !p->isFrame(); p = p->parentView) point += p->size.getTopLeft();
    return point;
}

CPoint& CView::frameToLocal(CPoint& point) const
{
    for (const CView* p = parentView; p && !p->isFrame(); p = p->parentView) point -= p->size.getTopLeft();
    return point;
}

CRect CView::getFrameRect() const
{
    CPoint origin;
    localToFrame(origin);
    CRect r = size;
    return r.offset(origin);
}

bool CView::isTypeOf(const char* name) const { return std::strcmp(name, "CView") == 0; }

}  // namespace velda::gui

#include "toolkit/CMenuOverlay.h"

#include <cmath>

#include "toolkit/CFrame.h"
#include "toolkit/COptionMenu.h"
#include "toolkit/VirtualKeys.h"

namespace velda::gui {

namespace {
constexpr CColor kMenuBack{246, 246, 246, 255};
constexpr CColor kMenuFrame{120, 120, 120, 255};
constexpr CColor kMenuText{16, 16, 16, 255};
constexpr CColor kMenuHighlight{48, 110, 200, 255};
}  // namespace

// Covers the whole frame so that clicks outside the menu cancel it.
CMenuOverlay::CMenuOverlay(COptionMenu* m, const platform::MenuRequest& r) : CView(CRect()), menu(m), request(r)
{
    menu->remember();
    const int32_t count = int32_t(request.items.size());
    rows = request.itemsPerColumn > 0 ? std::min(request.itemsPerColumn, count) : count;
    rows = std::max(rows, 1);
    const int32_t columns = (count + rows - 1) / rows;
    // Width from the text; the scratch context only measures.
    uint8_t pixel[4] = {};
    CDrawContext measure(pixel, 1, 1, 4);
    measure.setFont(kNormalFontSmall);
    CCoord widest = 40;
    for (const auto& item : request.items) widest = std::max(widest, measure.getStringWidth(item.title.c_str()));
    columnWidth = std::ceil(widest) + kCheckWidth + 8;
    menuRect = CRect(request.x, request.y, request.x + columns * columnWidth + 2, request.y + rows * kRowHeight + 2);
}

CMenuOverlay::~CMenuOverlay() { menu->forget(); }

bool CMenuOverlay::attached(CView* parent)
{
    CView::attached(parent);
    if (parentFrame) {
        const CRect frameRect(0, 0, parentFrame->getWidth(), parentFrame->getHeight());
        size = frameRect;
        // Keep the menu inside the frame.
        if (menuRect.right > frameRect.right) menuRect.offset(frameRect.right - menuRect.right, 0);
        if (menuRect.bottom > frameRect.bottom) menuRect.offset(0, frameRect.bottom - menuRect.bottom);
        if (menuRect.left < 0) menuRect.offset(-menuRect.left, 0);
        if (menuRect.top < 0) menuRect.offset(0, -menuRect.top);
    }
    return true;
}

CRect CMenuOverlay::entryRect(int32_t index) const
{
    const int32_t column = index / rows, row = index % rows;
    const CCoord left = menuRect.left + 1 + column * columnWidth, top = menuRect.top + 1 + row * kRowHeight;
    return CRect(left, top, left + columnWidth, top + kRowHeight);
}

int32_t CMenuOverlay::entryAt(const CPoint& where) const
{
    for (int32_t i = 0; i < int32_t(request.items.size()); ++i)
        if (entryRect(i).pointInside(where)) return i;
    return -1;
}

void CMenuOverlay::draw(CDrawContext* context)
{
    context->setFillColor(kMenuBack);
    context->setFrameColor(kMenuFrame);
    context->setLineWidth(1);
    context->drawRect(menuRect, kDrawFilledAndStroked);
    context->setFont(kNormalFontSmall);
    for (int32_t i = 0; i < int32_t(request.items.size()); ++i) {
        const CRect r = entryRect(i);
        const bool highlighted = i == hovered;
        if (highlighted) {
            context->setFillColor(kMenuHighlight);
            context->drawRect(r, kDrawFilled);
        }
        const CColor text = highlighted ? kWhiteCColor : kMenuText;
        if (request.items[size_t(i)].checked) {
            // A check mark: two strokes.
            context->setFrameColor(text);
            context->setDrawMode(kAntialias);
            context->setLineWidth(1.5);
            const CCoord x = r.left + 4, y = r.top + 8;
            context->drawLine(CPoint(x, y), CPoint(x + 3, y + 3));
            context->drawLine(CPoint(x + 3, y + 3), CPoint(x + 9, y - 4));
            context->setDrawMode(kAliasing);
            context->setLineWidth(1);
        }
        context->setFontColor(text);
        context->drawString(request.items[size_t(i)].title.c_str(),
                            CRect(r.left + kCheckWidth, r.top, r.right - 4, r.bottom), kLeftText);
    }
    setDirty(false);
}

CMouseEventResult CMenuOverlay::onMouseDown(CPoint& where, const CButtonState&)
{
    finish(entryAt(where));
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

CMouseEventResult CMenuOverlay::onMouseMoved(CPoint& where, const CButtonState&)
{
    const int32_t now = entryAt(where);
    if (now != hovered) {
        if (hovered >= 0) invalidRect(entryRect(hovered));
        hovered = now;
        if (hovered >= 0) invalidRect(entryRect(hovered));
    }
    return kMouseEventHandled;
}

CMouseEventResult CMenuOverlay::onMouseUp(CPoint&, const CButtonState&) { return kMouseEventHandled; }

int32_t CMenuOverlay::onKeyDown(vst::VstKeyCode& key)
{
    if (key.virt == VKEY_ESCAPE) {
        finish(-1);
        return 1;
    }
    if ((key.virt == VKEY_RETURN || key.virt == VKEY_ENTER) && hovered >= 0) {
        finish(hovered);
        return 1;
    }
    return 1;
}

void CMenuOverlay::finish(int32_t index)
{
    CFrame* frame = parentFrame;
    COptionMenu* target = menu;
    target->remember();
    remember();
    if (frame) {
        frame->setModalView(nullptr);
        frame->removeView(this, true);
    }
    target->chooseEntry(index);
    forget();
    target->forget();
}

}  // namespace velda::gui

// Views whose pictures reach beyond their rectangle (a needle meter's overlay and indicator, a
// read-out's glyph row): the container clips each view to its rectangle, so these views widen the
// clip to the area they really paint, and redraw and invalidate that whole area.
#pragma once

#include "toolkit/CDrawContext.h"
#include "toolkit/CView.h"

namespace velda::gui {

// Draws `view` clipped to `bounds` within the container's update area (both in the parent's space).
inline void drawWithin(CView& view, CDrawContext* context, const CRect& updateRect, const CRect& bounds)
{
    const CRect saved = context->getClipRect();
    context->setClipRect(CRect(bounds).bound(updateRect));
    view.draw(context);
    context->setClipRect(saved);
}

}  // namespace velda::gui

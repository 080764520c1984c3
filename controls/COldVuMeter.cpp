#include "controls/COldVuMeter.h"

#include <cmath>
#include <cstring>

#include "controls/ControlCopy.h"
#include "controls/DrawBounds.h"
#include "toolkit/CBitmap.h"

namespace velda::gui {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr float kSilence = 1e-8f;

void keep(CBitmap* bitmap)
{
    if (bitmap) bitmap->remember();
}
void release(CBitmap* bitmap)
{
    if (bitmap) bitmap->forget();
}
}  // namespace

COldVuMeter::COldVuMeter(const CRect& r, CControlListener* l, int32_t t, CBitmap* faceBitmap, CBitmap* overlayBitmap,
                         const CPoint& indicatorAt, const CPoint& overlayAt, CBitmap* indicatorBitmap,
                         const CPoint& needlePivot, float inner, float outer, float spare1, float spare2)
    : CControl(r, l, t, nullptr), face(faceBitmap), overlay(overlayBitmap), overlayPoint(overlayAt),
      pivot(needlePivot), r1(inner), r2(outer), indicator(indicatorBitmap), indicatorState(kSilence),
      unused1(spare1), unused2(spare2), indicatorPoint(indicatorAt)
{
    keep(face);
    keep(overlay);
    keep(indicator);
    const CCoord left = std::trunc(r.left), top = std::trunc(r.top);
    faceRect = CRect(left, top, left + (face ? face->getWidth() : 0), top + (face ? face->getHeight() : 0));
    const CCoord ix = std::trunc(indicatorAt.x), iy = std::trunc(indicatorAt.y);
    indicatorRect = CRect(ix, iy, ix + (indicator ? indicator->getWidth() : 0),
                          iy + (indicator ? indicator->getHeight() / 3 : 0));
    setValue(kSilence);
}

COldVuMeter::~COldVuMeter()
{
    release(face);
    release(overlay);
    release(indicator);
}

bool COldVuMeter::isTypeOf(const char* name) const
{
    return std::strcmp(name, "COldVuMeter") == 0 || CControl::isTypeOf(name);
}

CView* COldVuMeter::newCopy() const
{
    auto* copy = new COldVuMeter(size, listener, tag, face, overlay, indicatorPoint, overlayPoint, indicator, pivot,
                                 r1, r2, unused1, unused2);
    copyControlState(*this, *copy);
    copy->indicatorState = indicatorState;
    return copy;
}

double COldVuMeter::needleAngle(float v)
{
    return 5.0 * kPi / 6.0 - std::pow(double(v) / double(kFullScale), 1.2) * 2.0 * kPi / 3.0;
}

int32_t COldVuMeter::indicatorImage() const
{
    if (indicatorState >= 0.5f) return 0;
    if (indicatorState <= -0.5f) return 1;
    return 2;
}

void COldVuMeter::draw(CDrawContext* context)
{
    if (value < 1e-6f) value = 1e-6f;
    if (value > kFullScale) value = kFullScale;
    const double a = needleAngle(value);
    const double c = std::cos(a), s = std::sin(a);

    if (face) face->draw(context, faceRect, CPoint(0, 0), 1.0f);

    context->setDrawMode(kAntialias);
    context->setLineStyle(kLineSolid);
    const double px = pivot.x, py = pivot.y;
    context->setLineWidth(1);
    context->setFrameColor(MakeCColor(120, 120, 125, 70));
    context->drawLine(CPoint(px + 3.5 + r1 * c, py + 2.5 - r1 * s), CPoint(px + 3.5 + r2 * c, py + 2.5 - r2 * s));
    context->setLineWidth(2);
    context->setFrameColor(MakeCColor(100, 100, 105, 255));
    context->drawLine(CPoint(px + 0.5 + r1 * c, py + 0.5 - r1 * s), CPoint(px + 0.5 + r2 * c, py + 0.5 - r2 * s));
    context->setDrawMode(kAliasing);

    if (overlay)
        overlay->draw(context, CRect(overlayPoint, CPoint(overlay->getWidth(), overlay->getHeight())), CPoint(0, 0),
                      1.0f);
    if (indicator)
        indicator->draw(context, indicatorRect, CPoint(0, indicatorImage() * (indicator->getHeight() / 3)), 1.0f);
    // The dirty flag stays as it is: the editor marks the meter at every feed.
}

CRect COldVuMeter::paintedArea() const
{
    CRect area = size;
    area.unite(faceRect);
    if (overlay) area.unite(CRect(overlayPoint, CPoint(overlay->getWidth(), overlay->getHeight())));
    area.unite(indicatorRect);
    // The needle and its shadow at any angle, with room for the line widths.
    const CCoord reach = std::fabs(r2) + 6;
    area.unite(CRect(pivot.x - reach, pivot.y - reach, pivot.x + reach, pivot.y + reach));
    return area;
}

void COldVuMeter::drawRect(CDrawContext* context, const CRect& updateRect)
{
    drawWithin(*this, context, updateRect, paintedArea());
}

void COldVuMeter::setMeter(float v, float overInput)
{
    if (v < kSilence)
        v = 1e-9f;
    else if (v > 3.0f)
        v = 3.0f;
    setValue(v);
    if (indicatorState >= 0.5f && overInput < 0.5f)
        indicatorState = -1.0f;  // the over has ended: show that one happened
    else if (indicatorState > -0.5f || overInput >= 0.5f)
        indicatorState = overInput;
    setDirty(true);
}

void COldVuMeter::setIndicatorState(float x)
{
    indicatorState = x < kSilence ? 1e-9f : x > 3.0f ? 3.0f : x;
    setDirty(true);
}

void COldVuMeter::resetIndicator()
{
    indicatorState = 1e-7f;
    setDirty(true);
}

CMouseEventResult COldVuMeter::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    valueChanged();
    return kMouseEventHandled;
}

}  // namespace velda::gui

#include "toolkit/CKnob.h"

#include <cmath>
#include <cstring>

#include "toolkit/CBitmap.h"
#include "toolkit/CFrame.h"

namespace velda::gui {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr float kLinearRange = 200.0f;  // pixels for the whole range
}  // namespace

CKnob::CKnob(const CRect& r, CControlListener* l, int32_t t, CBitmap* bitmap, CBitmap* handleBitmap,
             const CPoint& o)
    : CControl(r, l, t, bitmap), handle(handleBitmap), offset(o), startAngle(float(5.0 * kPi / 4.0)),
      rangeAngle(float(-3.0 * kPi / 2.0))
{
    if (handle) handle->remember();
}

CKnob::~CKnob()
{
    if (handle) handle->forget();
}

bool CKnob::isTypeOf(const char* name) const { return std::strcmp(name, "CKnob") == 0 || CControl::isTypeOf(name); }

void CKnob::draw(CDrawContext* context)
{
    if (background) background->draw(context, size, offset);
    const double span = vmax - vmin;
    const double normalised = span != 0 ? (value - vmin) / span : 0.0;
    const double angle = startAngle + rangeAngle * normalised;
    const CPoint centre = size.getCenter();
    const double radius = std::min(size.width(), size.height()) * 0.5 - inset;
    const CPoint tip(centre.x + std::cos(angle) * radius, centre.y - std::sin(angle) * radius);
    if (handle) {
        const CCoord w = handle->getWidth(), h = handle->getHeight();
        handle->draw(context, CRect(tip.x - w * 0.5, tip.y - h * 0.5, tip.x + w * 0.5, tip.y + h * 0.5));
    } else {
        context->setFrameColor(colorHandle);
        context->setLineWidth(1);
        context->drawLine(centre, tip);
    }
    setDirty(false);
}

int32_t CKnob::knobMode() const
{
    return parentFrame && parentFrame->getEditor() ? parentFrame->getEditor()->getKnobMode() : kCircularMode;
}

float CKnob::valueFromPoint(const CPoint& point) const
{
    const double cx = size.width() * 0.5, cy = size.height() * 0.5;
    const double angle = std::atan2(cy - point.y, point.x - cx);
    double travelled = (startAngle - angle) * (rangeAngle < 0 ? 1.0 : -1.0);
    while (travelled < 0) travelled += 2.0 * kPi;
    while (travelled >= 2.0 * kPi) travelled -= 2.0 * kPi;
    const double sweep = std::fabs(rangeAngle);
    double normalised = travelled / sweep;
    // In the gap between the ends, the nearer end.
    if (travelled > sweep) normalised = travelled - sweep < (2.0 * kPi - sweep) * 0.5 ? 1.0 : 0.0;
    return float(vmin + normalised * (vmax - vmin));
}

CMouseEventResult CKnob::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    beginEdit();
    if (buttons & kControl) {
        value = defaultValue;
        if (isDirty()) {
            valueChanged();
            invalid();
        }
        endEdit();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    firstPoint = where;
    entryValue = value;
    dragButtons = buttons;
    range = (buttons & kShift) ? kLinearRange * zoomFactor : kLinearRange;
    linear = knobMode() == kLinearMode;
    return onMouseMoved(where, buttons);
}

CMouseEventResult CKnob::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton)) return kMouseEventNotHandled;
    if (linear) {
        const float newRange = (buttons & kShift) ? kLinearRange * zoomFactor : kLinearRange;
        if (newRange != range) {
            // Continue from the current value at the new speed.
            entryValue = value;
            firstPoint = where;
            range = newRange;
        }
        value = float(entryValue + (firstPoint.y - where.y + where.x - firstPoint.x) * (vmax - vmin) / range);
        bounceValue();
    } else {
        const float v = valueFromPoint(where - size.getTopLeft());
        if (std::fabs(v - value) <= (vmax - vmin) * 0.5f) value = v;
    }
    if (isDirty()) {
        valueChanged();
        invalid();
    }
    return kMouseEventHandled;
}

CMouseEventResult CKnob::onMouseUp(CPoint&, const CButtonState&)
{
    endEdit();
    return kMouseEventHandled;
}

bool CKnob::onWheel(const CPoint&, const float& distance, const CButtonState& buttons)
{
    value += distance * ((buttons & kShift) ? wheelInc * 0.1f : wheelInc);
    bounceValue();
    if (isDirty()) {
        invalid();
        beginEdit();
        valueChanged();
        endEdit();
    }
    return true;
}

}  // namespace velda::gui

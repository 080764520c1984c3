#include "emberline2/EditorMeterFeed.h"

#include "controls/CCounter.h"
#include "controls/CMovieLED.h"
#include "controls/CMovieMeter.h"
#include "emberline2/Emberline.h"

namespace velda {

using namespace gui;

void EditorMeterFeed::feed(Emberline& effect, const EditorControls& c)
{
    const float left = effect.meterLeft.load(std::memory_order_relaxed);
    const float right = effect.meterRight.load(std::memory_order_relaxed);
    // Taking the flag in one step keeps an over raised between reading and clearing.
    const float overLeft = effect.overFlagLeft.exchange(0.0f, std::memory_order_relaxed);
    const float overRight = effect.overFlagRight.exchange(0.0f, std::memory_order_relaxed);
    if (c.meters[0]) c.meters[0]->setValue(left);
    if (c.meters[1]) c.meters[1]->setValue(right);
    if (c.leds[0]) c.leds[0]->setValue(overLeft);
    if (c.leds[1]) c.leds[1]->setValue(overRight);
}

void EditorMeterFeed::countTowardsBlank(const EditorControls& c)
{
    if (++blankChecks > kChecksBeforeBlank - 1) {
        if (c.readout) c.readout->setValueAndMode(0.0f, CCounter::kModeOff);
        blankChecks = 0;
    }
}

CControl* EditorMeterFeed::hoverCheck(const CFrame& frame, const EditorControls& c, const EditorTags& tags)
{
    if (idleTicks < kIdlesPerHoverCheck - 1) {
        ++idleTicks;
        return nullptr;
    }
    idleTicks = 0;
    CPoint where;
    const CView* view = nullptr;
    if (c.mainPage && frame.getCurrentMouseLocation(where)) view = c.mainPage->getViewAt(where, false);
    if (!view) {
        countTowardsBlank(c);
        lastHovered = nullptr;
        return nullptr;
    }
    const auto* control = dynamic_cast<const CControl*>(view);
    const int tag = control ? control->getTag() : -1;
    if (tag >= 0 && (tag == tags.meters || tags.isLed(tag) || tags.isPageSwitch(tag))) {
        countTowardsBlank(c);
        lastHovered = view;
        return nullptr;
    }
    if (view == lastHovered) return nullptr;
    lastHovered = view;
    return const_cast<CControl*>(control);
}

}  // namespace velda

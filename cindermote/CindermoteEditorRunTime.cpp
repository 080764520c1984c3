#include <algorithm>

#include "cindermote/Cindermote.h"
#include "cindermote/CindermoteEditor.h"

namespace velda::cindermote {

using namespace velda::gui;

namespace {

constexpr int kNoReadout = -1;
constexpr int kReadoutModeRatio = 4;  // plain number, two decimals

// What a change of a main-page parameter updates beside its own control.
struct MainBinding {
    int index;
    int readoutMode;
    bool refreshesLatency;
};

constexpr MainBinding kMainBindings[] = {
    {kProcess, kNoReadout, true},
    {kStereoMono, kNoReadout, false},
    {kLink, kNoReadout, false},
    {kSpeed, CCounter::kModePercent, true},
    {kReleaseMul, kReadoutModeRatio, false},
    {kDrive, CCounter::kModeDecibel, false},
    {kLowAdjust, CCounter::kModeDecibel, false},
    {kHighAdjust, CCounter::kModeDecibel, false},
    {kOutput, CCounter::kModeDecibel, false},
    {kKnee, CCounter::kModePercent, false},
    {kMeters, kNoReadout, false},
    {kMeterScale, kNoReadout, false},
};

constexpr int kMeterTag = 17;
constexpr int kToSettingsTag = 60;
constexpr int kToMainTag = 61;
// Views under the mouse that do not show a value: meters and the page switches.
constexpr int kBlankingTags[] = {kMeterTag, 60, 61, 62, 63};
constexpr int kIdlesBetweenHoverChecks = 8;
constexpr int kChecksBeforeBlank = 10;

const MainBinding* mainBinding(int index)
{
    for (const MainBinding& b : kMainBindings)
        if (b.index == index) return &b;
    return nullptr;
}

bool isSettingsIndex(int index) { return index >= kVuIntegration && index <= kOverIndicator; }

}  // namespace

void EmberlineEditor::valueChanged(CControl* control)
{
    CPresetSystemEditor::valueChanged(control);
    if (!control || !product) return;
    const int tag = control->getTag();
    const float v = control->getValue();
    if (tag == kMeterTag) {
        for (COldVuMeter* m : shown.meters)
            if (m) m->resetIndicator();
        // A meter's range reaches 2: the stored value stays a normalised one.
        product->setParameter(tag, std::clamp(v, 0.0f, 1.0f));
    } else if (tag >= 0 && tag < kParameterCount && tag != kMeterDelay) {
        product->setParameterAutomated(tag, v);
    } else {
        product->setParameter(tag, v);
    }
}

void EmberlineEditor::setParameter(int index, float)
{
    if (!frame || !product) return;
    if (const MainBinding* b = mainBinding(index)) {
        if (CControl* c = shown.control(index)) c->setValue(product->getParameter(index));
        if (b->readoutMode != kNoReadout) showInReadout(index, b->readoutMode);
        if (b->refreshesLatency) refreshLatencyDisplays();
    } else if (isSettingsIndex(index)) {
        if (CControl* c = shown.control(index)) c->setValue(product->getParameter(index));
        if (CBackDisplay* d = shown.display(index)) {
            d->setValueUnbounded(product->getParameterValue(index));
            d->setDirty(true);
        }
    } else if (index == kToSettingsTag || index == kToMainTag) {
        swapPages();
    }
}

void EmberlineEditor::showInReadout(int index, int mode)
{
    if (shown.readout) shown.readout->setValueAndMode(product->getParameterValue(index), mode);
}

void EmberlineEditor::refreshLatencyDisplays()
{
    if (shown.latencyMs) {
        shown.latencyMs->setValueUnbounded(product->getLatencyMs());
        shown.latencyMs->setDirty(true);
    }
    if (shown.latencySamples) {
        shown.latencySamples->setValueUnbounded(product->getLatencySamples());
        shown.latencySamples->setDirty(true);
    }
}

void EmberlineEditor::swapPages()
{
    if (!frame || !shown.currentPage || !shown.otherPage) return;
    frame->addView(shown.otherPage);
    std::swap(shown.currentPage, shown.otherPage);
    frame->removeView(shown.otherPage, false);
    shown.currentPage->invalid();
}

void EmberlineEditor::effectSuspended()
{
    if (!product) return;
    // The integer part is 1 (a range test: values far outside 0..1 have no int conversion).
    const float source = 2.0f * product->getParameter(kMeters) + 0.5f;
    const bool gainReduction = source >= 1.0f && source < 2.0f;
    for (COldVuMeter* m : shown.meters)
        if (m) m->setValue(gainReduction ? 1.0f : 0.0f);
}

// A resume may follow a change of the sample rate, which changes the latency.
void EmberlineEditor::effectResumed()
{
    if (frame && product) refreshLatencyDisplays();
}

void EmberlineEditor::idle()
{
    CPresetSystemEditor::idle();
    if (!frame || !product || !showsMainPage()) return;
    feedMeters();
    if (idleTicks < kIdlesBetweenHoverChecks) {
        ++idleTicks;
        return;
    }
    idleTicks = 0;
    hoverCheck();
}

// The over flags are cleared once read: an over raised in between is missed, never doubled.
void EmberlineEditor::feedMeters()
{
    CindermoteEngine& e = product->engine();
    const float left = e.meterLeft;
    const float right = e.meterRight;
    const float overLeft = e.overFlagLeft;
    const float overRight = e.overFlagRight;
    e.overFlagLeft = 0.0f;
    e.overFlagRight = 0.0f;
    if (shown.meters[0]) shown.meters[0]->setMeter(left, overLeft);
    if (shown.meters[1]) shown.meters[1]->setMeter(right, overRight);
}

void EmberlineEditor::countTowardsBlank()
{
    if (++blankChecks > kChecksBeforeBlank) {
        if (shown.readout) shown.readout->setValueAndMode(0.0f, CCounter::kModeOff);
        blankChecks = 0;
    }
}

void EmberlineEditor::hoverCheck()
{
    CPoint where;
    frame->getCurrentMouseLocation(where);
    CView* view = shown.mainPage ? shown.mainPage->getViewAt(where, false) : nullptr;
    if (!view) {
        lastHovered = nullptr;
        countTowardsBlank();
        return;
    }
    auto* control = dynamic_cast<CControl*>(view);
    const int tag = control ? control->getTag() : -1;
    if (std::find(std::begin(kBlankingTags), std::end(kBlankingTags), tag) != std::end(kBlankingTags)) {
        countTowardsBlank();
        lastHovered = view;
    } else if (view != lastHovered) {
        lastHovered = view;
        setParameter(tag, control ? control->getValue() : 0.0f);
    }
}

}  // namespace velda::cindermote

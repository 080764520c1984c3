// The editor's part of the parameter round trip: controls to effect (with the host told or not),
// and effect to controls.
#include "controls/CBackDisplay.h"
#include "controls/CCounter.h"
#include "controls/CMovieLED.h"
#include "controls/CMovieMeter.h"
#include "emberline2/EmberlineEditor.h"
#include "emberline2/Emberline.h"
#include "emberline2/KnobEntry.h"

using namespace velda::gui;
using velda::ParameterRole;

bool EmberlineEditor::isSilent(int index) const
{
    const ParameterRole role = roleAt(index);
    if (role == ParameterRole::MeterDelay || role == ParameterRole::FineTune || role == ParameterRole::MeterScale)
        return true;
    const int first = emberline->productLayout().firstPreferenceIndex;
    return index >= first && index < first + velda::kPreferenceCount;
}

void EmberlineEditor::valueChanged(CControl* control)
{
    CPresetSystemEditor::valueChanged(control);
    if (!control) return;
    const int tag = control->getTag();
    const float value = control->getValue();
    if (!hasPages()) {
        sendParameter(tag, value);
        return;
    }
    if (tag < 0) return;
    if (isSilent(tag)) {
        emberline->setParameter(tag, value);
        control->invalid();
    } else if (tag == tags.latencyClick) {
        emberline->reservedQueryTrue();
    } else if (tag == emberline->productLayout().channelModeIndex) {
        reportChannelMode(value);
    } else if (isHostParameter(tag)) {
        emberline->setParameterAutomated(tag, value);
    } else {
        emberline->setParameter(tag, value);
    }
}

bool EmberlineEditor::isHostParameter(int index) const
{
    return index >= 0 && index < emberline->productLayout().numParams;
}

void EmberlineEditor::beginEdit(int32_t index)
{
    if (!hasPages() || isHostParameter(index)) CMyPresetSystemEditor::beginEdit(index);
}

void EmberlineEditor::endEdit(int32_t index)
{
    if (!hasPages() || isHostParameter(index)) CMyPresetSystemEditor::endEdit(index);
}

// The four-way button stands for two host parameters: each is reported inside its own gesture.
void EmberlineEditor::reportChannelMode(float value)
{
    const int mode = emberline->productLayout().channelModeIndex;
    const int stereo = indexOf(ParameterRole::MonoStereo);
    const int sides = indexOf(ParameterRole::ChannelLR);
    emberline->setParameter(mode, value);
    beginEdit(stereo);
    beginEdit(sides);
    emberline->setParameterAutomated(stereo, emberline->getParameter(stereo));
    emberline->setParameterAutomated(sides, emberline->getParameter(sides));
    endEdit(stereo);
    endEdit(sides);
}

void EmberlineEditor::updateLatencyDisplays()
{
    if (views.latencyMs) {
        views.latencyMs->setValueUnbounded(emberline->getLatencyMs());
        views.latencyMs->setDirty(true);
    }
    if (views.latencySamples) {
        views.latencySamples->setValueUnbounded(emberline->getLatencySamples());
        views.latencySamples->setDirty(true);
    }
}

void EmberlineEditor::setParameter(int index, float value)
{
    if (!frame || !hasPages() || index < 0 || index >= velda::kEditorTagCount) return;
    const ParameterRole role = roleAt(index);
    switch (role) {
    case ParameterRole::MonoStereo:
    case ParameterRole::ChannelLR:
    case ParameterRole::ChannelMode:
        if (views.channelMode) views.channelMode->setValue(emberline->getParameter(indexOf(ParameterRole::ChannelMode)));
        break;
    case ParameterRole::KnobMode:
        if (CControl* control = views.control(index)) control->setValue(value);
        applyKnobMode(value);
        break;
    case ParameterRole::MeterScale:
        for (CMovieMeter* meter : views.meters)
            if (meter) meter->setAltScale(emberline->meterScaleWide.get());
        break;
    default:
        if (CControl* control = views.control(index)) control->setValue(emberline->getParameter(index));
        break;
    }
    if (CParamDisplay* display = views.display(index)) {
        display->setValueUnbounded(emberline->getParameterValue(index));
        display->setDirty(true);
    }
    if (const velda::KnobEntry* entry = velda::knobEntryFor(role))
        if (views.readout) views.readout->setValueAndMode(emberline->getParameterValue(index), entry->readoutMode);
    if (role == ParameterRole::Process || role == ParameterRole::Mode || role == ParameterRole::Speed)
        updateLatencyDisplays();
    if (tags.isPageSwitch(index)) swapPages();
    if (tags.isLed(index))
        for (CMovieLED* led : views.leds)
            if (led) led->reset();
}

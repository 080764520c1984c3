// Names, labels, display texts and host properties of the parameters, and the product identity.
#include <cstring>

#include "controls/ValueFormat.h"
#include "emberline2/Emberline.h"

using namespace vst;
using velda::ParameterRole;
using velda::ParameterRow;

namespace {

void copyText(char* text, const char* source)
{
    if (text) std::strcpy(text, source);
}

}  // namespace

void Emberline::getParameterName(VstInt32 index, char* text)
{
    const ParameterRow* row = rowAt(index);
    copyText(text, row ? row->name : "-");
}

void Emberline::getParameterLabel(VstInt32 index, char* text)
{
    const ParameterRow* row = rowAt(index);
    copyText(text, row ? row->label : "-");
}

void Emberline::getParameterDisplay(VstInt32 index, char* text)
{
    if (!text) return;
    const ParameterRow* row = rowAt(index);
    if (!row) {
        *text = 0;
        return;
    }
    formatDisplay(*row, index, text);
}

void Emberline::formatDisplay(const ParameterRow& row, int index, char* text)
{
    using K = velda::DisplayKind;
    const velda::DisplayRule& rule = row.display;
    const double v = getParameter(index);
    switch (rule.kind) {
    case K::Empty:
        *text = 0;
        return;
    case K::Fixed:
        copyText(text, rule.texts[0]);
        return;
    case K::Switch:
        copyText(text, rule.texts[v >= 0.5 ? 1 : 0]);
        return;
    case K::MonoStereo: {
        const double channel = storedOf(ParameterRole::ChannelLR);
        if (channel >= 0.333)
            copyText(text, rule.texts[2]);
        else
            copyText(text, rule.texts[v >= 0.5 ? 1 : 0]);
        return;
    }
    case K::ThreeWay:
        copyText(text, rule.texts[v < 0.3333333 ? 0 : (v < 0.6666667 ? 1 : 2)]);
        return;
    case K::ChannelLR:
        copyText(text, rule.texts[v < 0.333 ? 0 : (v < 0.66 ? 1 : 2)]);
        return;
    case K::MeterScale:
        copyText(text, rule.texts[values.meterScaleWide.get() ? 1 : 0]);
        return;
    case K::Linear: {
        const double shown = (rule.scale * v + rule.offset) * gainFactor(rule.gain);
        text[0] = 0;
        velda::formatFixed((float)shown, rule.decimals, text, 32);
        return;
    }
    case K::Engineering:
        text[0] = 0;
        velda::formatFixed((float)(rule.scale * (double)getParameterValue(index)), rule.decimals, text, 32);
        return;
    case K::SampleCount:
        float2string((float)values.overCount.get(), text, 12);
        return;
    }
}

bool Emberline::getParameterProperties(VstInt32 index, VstParameterProperties* properties)
{
    const ParameterRow* row = (index >= 0 && index < layout.numParams) ? &layout.rows[index] : nullptr;
    if (!row || !properties || row->property == velda::HostProperty::None) return false;
    constexpr VstInt32 kIntegerRange = kVstParameterUsesIntegerMinMax | kVstParameterUsesIntStep;
    switch (row->property) {
    case velda::HostProperty::Switch:
        properties->flags = kVstParameterIsSwitch | kIntegerRange;
        properties->maxInteger = 1;
        break;
    case velda::HostProperty::ThreeSteps:
        properties->flags = kIntegerRange;
        properties->maxInteger = 2;
        break;
    default:
        properties->flags = kIntegerRange;
        properties->maxInteger = 3;
        break;
    }
    properties->minInteger = 0;
    properties->stepInteger = 1;
    properties->largeStepInteger = 1;
    return true;
}

bool Emberline::getEffectName(char* name)
{
    copyText(name, layout.effectName);
    return true;
}

bool Emberline::getVendorString(char* text)
{
    copyText(text, velda::kVendorString);
    return true;
}

bool Emberline::getProductString(char* text)
{
    copyText(text, layout.productString);
    return true;
}

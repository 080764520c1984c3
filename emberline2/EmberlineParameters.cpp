// Parameter values and the engineering values derived from them.
#include <climits>
#include <cmath>

#include "emberline2/Emberline.h"
#include "emberline2/dsp/VeldaMath.h"
#include "shell/AEffEditor.h"

using namespace vst;
using velda::ParameterRole;
using velda::ParameterRow;

namespace {

// Integer part, saturated: a value far outside 0..1 (a careless host, a damaged chunk) is applied
// as it stands without an undefined conversion.
int wholePart(double x)
{
    if (!(x > (double)INT_MIN)) return INT_MIN;
    if (!(x < (double)INT_MAX)) return INT_MAX;
    return (int)x;
}

int switchOf(float v) { return wholePart((double)v + 0.5); }

double powOf(double base, double exponent) { return velda::math::pow(base, exponent); }

}  // namespace

void Emberline::setParameter(VstInt32 index, float value)
{
    // A damaged automation lane or editor value must not reach the processing.
    if (!std::isfinite(value)) return;
    const ParameterRole role = roleAt(index);
    const float kept = apply(role, index, value);
    if (!programLoading) {
        CPresetSystemEffect::setParameter(index, kept);
        const ParameterRow* row = rowAt(index);
        if (row && row->global && index < layout.numParams) writeIntoAllPrograms(index, kept);
    }
    if (editor) editor->setParameter(index, kept);
}

void Emberline::writeIntoAllPrograms(int index, float v)
{
    if (!hasProgramTable()) return;
    for (int p = 0; p < programCount(); ++p) programValues(p)[index] = v;
}

float Emberline::apply(ParameterRole role, int index, float v)
{
    using R = ParameterRole;
    const double F = values.fineTuneScale;
    const double sF = ceilingGainRoot;
    const double dv = (double)v;
    if (index >= 0 && index < layout.numParams && role != R::Spare && role != R::MeterDelay) stored[index] = v;

    switch (role) {
    case R::Process:
        values.processOn = switchOf(v);
        values.request(velda::kRequestBufferClear);
        break;
    case R::Mode:
        values.modeValue = dv;
        values.multiBandOn = switchOf(v);
        values.request(velda::kRequestFilterReset | velda::kRequestCrossoverUpdate | velda::kRequestTimingUpdate);
        break;
    case R::MonoStereo:
        values.stereoValue = v;
        break;
    case R::Link:
        values.linkOn = switchOf(v);
        break;
    case R::Drive:
        values.driveGain = powOf(256.0, F * dv) / powOf(16.0, F);
        values.smallSignalGain = (double)computeSmallSignalGain();
        break;
    case R::Knee:
        applyKnee(v);
        break;
    case R::Speed:
        values.speedValue = v;
        values.request(velda::kRequestTimingUpdate);
        break;
    case R::Release:
        values.releaseMul = 0.25 * powOf(16.0, dv);
        values.request(velda::kRequestTimingUpdate);
        break;
    case R::HighAdjust:
        values.highGain = powOf(16.0, F * dv) / powOf(4.0, F);
        break;
    case R::LowAdjust:
        values.lowGain = powOf(16.0, F * dv) / powOf(4.0, F);
        break;
    case R::HighFreq:
        values.highSplitHz = 1000.0 * powOf(16.0, dv);
        values.request(velda::kRequestCrossoverUpdate);
        break;
    case R::LowFreq:
        values.lowSplitHz = 12.5 * powOf(16.0, dv);
        values.request(velda::kRequestCrossoverUpdate);
        break;
    case R::Mix:
        values.mixAmount = dv;
        break;
    case R::Ceiling:
        values.ceilingGain = powOf(16.0, sF * dv) / powOf(4.0, sF);
        updateCeilingDrive();
        values.smallSignalGain = (double)computeSmallSignalGain();
        break;
    case R::Output:
        values.outputGain = powOf(16.0, sF * dv) / powOf(4.0, sF);
        break;
    case R::LowSat:
    case R::MidSat:
    case R::HighSat: {
        const double level = layout.saturation.base * powOf(layout.saturation.growth, dv);
        velda::Shared<double>& sat =
            role == R::LowSat ? values.lowSat : (role == R::MidSat ? values.midSat : values.highSat);
        velda::Shared<double>& inverse =
            role == R::LowSat ? values.lowSatInv : (role == R::MidSat ? values.midSatInv : values.highSatInv);
        sat = level;
        inverse = 1.0 / level;
        break;
    }
    case R::LowRelease:
    case R::MidRelease:
    case R::HighRelease: {
        const double multiplier = layout.bandRelease.base * powOf(layout.bandRelease.growth, dv);
        (role == R::LowRelease ? values.lowReleaseMul
                               : (role == R::MidRelease ? values.midReleaseMul : values.highReleaseMul)) = multiplier;
        values.request(velda::kRequestTimingUpdate);
        break;
    }
    case R::Meters: {
        int source = wholePart(3.0 * dv);
        values.meterSource = source > 2 ? 2 : source;
        break;
    }
    case R::MeterType:
        values.meterTypeValue = v;
        break;
    case R::MeterDelay:
        if (dv < 0.06125) {
            stored[index] = 0.0f;
            meterDelayMs = -1.0;
            return v;
        } else {
            const float raised = v < 0.125f ? 0.125f : v;
            stored[index] = raised;
            meterDelayMs = ((double)raised - 0.125) * 1000.0 / 0.875;
            return raised;
        }
    case R::FineTune: {
        const float s = (float)wholePart(3.0f * v + 0.5f);
        // A 64-bit exponent rounded to 32 bits lands exactly on 1/8, 1/4, 1/2 and 1; a 32-bit
        // exponent would leave 1/4 one step high.
        values.fineTuneScale = (double)(float)powOf(0.125, 1.0 - (double)s / 3.0);
        ceilingGainRoot = velda::math::sqrt(values.fineTuneScale);
        for (ParameterRole gain : {R::Ceiling, R::Drive, R::HighAdjust, R::LowAdjust, R::Output}) {
            const int at = indexOf(gain);
            if (at >= 0) setParameter(at, stored[at]);
        }
        break;
    }
    case R::MeterScale:
        values.meterScaleWide = switchOf(v);
        break;
    case R::Oversampling:
        values.fatOn = sampleRate > kMaxOversamplingRate ? 0 : switchOf(v);
        values.request(velda::kRequestCrossoverUpdate | velda::kRequestTimingUpdate | velda::kRequestBufferClear |
                       velda::kRequestFilterReset | velda::kRequestOversamplerReset);
        break;
    case R::InertOversampling:
        values.fatOn = 0;
        break;
    case R::Long:
        values.longOn = switchOf(v);
        values.request(velda::kRequestTimingUpdate);
        break;
    case R::Auto:
        values.autoOn = switchOf(v);
        break;
    case R::Brickwall:
        values.brickwallOn = switchOf(v);
        break;
    case R::ChannelLR:
        values.channelValue = v;
        break;
    case R::VuIntegration:
        vuIntegrationValue = dv;
        values.vuIntegrationMs = 30.0 * powOf(100.0, dv);
        values.request(velda::kRequestVuRetune);
        break;
    case R::VuReference:
        vuReferenceValue = dv;
        values.vuReference = powOf(0.06125, 1.0 - dv);
        values.vuReferenceInv = 1.0 / values.vuReference;
        break;
    case R::PpmIntegration:
        ppmIntegrationValue = dv;
        values.ppmIntegrationMs = powOf(101.0, dv) - 1.0;
        values.ppmRatio = (float)(values.ppmIntegrationMs / values.ppmReturnMs);
        break;
    case R::PpmReturn:
        ppmReturnValue = dv;
        values.ppmReturnMs = 100.0 * powOf(100.0, dv);
        values.ppmRatio = (float)(values.ppmIntegrationMs / values.ppmReturnMs);
        break;
    case R::OverIndicator: {
        // The count stays a whole number of samples; the stored ninth is only what is reported.
        const int ninths = wholePart(9.0 * dv + 0.5);
        overIndicatorValue = (float)((double)ninths / 9.0);
        values.overCount = (double)ninths + 1.0;
        break;
    }
    case R::KnobMode:
        knobModeValue = dv;
        knobModeCopy = dv;
        break;
    case R::ChannelMode:
        applyChannelMode(v);
        break;
    case R::Spare:
    case R::None:
    case R::Count:
        break;
    }
    return v;
}

void Emberline::applyKnee(float v)
{
    knee = velda::kneeFromParameter(v);
    values.kneeMode = knee.mode;
    values.kneeShape = knee.shape;
    updateCeilingDrive();
    values.smallSignalGain = (double)computeSmallSignalGain();
}

void Emberline::updateCeilingDrive()
{
    values.ceilingDrive = (double)inverseTransfer((float)(1.0 / values.ceilingGain));
}

void Emberline::applyChannelMode(float v)
{
    const double dv = (double)v;
    if (wholePart(100.0 * dv) != wholePart(100.0 * channelModeValue.get()))
        values.request(velda::kRequestBufferClear | velda::kRequestFilterReset | velda::kRequestOversamplerReset);
    channelModeValue = dv;

    float stereo = 0.0f;
    float channel = 0.0f;
    if (v < 0.25f) {
        channel = 0.0f;
    } else if (v < 0.5f) {
        channel = 0.5f;
    } else if (v < 0.75f) {
        channel = 1.0f;
    } else {
        stereo = 1.0f;
    }
    const int stereoIndex = indexOf(ParameterRole::MonoStereo);
    const int channelIndex = indexOf(ParameterRole::ChannelLR);
    stored[stereoIndex] = stereo;
    stored[channelIndex] = channel;
    values.stereoValue = stereo;
    values.channelValue = channel;
}

float Emberline::getParameter(VstInt32 index)
{
    using R = ParameterRole;
    switch (roleAt(index)) {
    case R::None:
    case R::Count:
        return 0.0f;
    case R::Spare:
        return hasProgramTable() ? programValues(getCurrentProgramIndex())[index] : 0.0f;
    case R::VuIntegration:
        return (float)vuIntegrationValue.get();
    case R::VuReference:
        return (float)vuReferenceValue.get();
    case R::PpmIntegration:
        return (float)ppmIntegrationValue.get();
    case R::PpmReturn:
        return (float)ppmReturnValue.get();
    case R::OverIndicator:
        return overIndicatorValue;
    case R::KnobMode:
        return (float)knobModeValue.get();
    case R::ChannelMode: {
        const float stereo = storedOf(R::MonoStereo);
        const float channel = storedOf(R::ChannelLR);
        if (stereo < 0.5f && channel < 0.333f) return 0.0f;
        if (stereo >= 0.5f && channel < 0.333f) return 1.0f;
        if (channel < 0.66f) return 0.333f;
        return 0.667f;
    }
    default:
        return stored[index];
    }
}

float Emberline::getParameterValue(int index)
{
    using R = ParameterRole;
    const ParameterRole role = roleAt(index);
    const double v = (index >= 0 && index < layout.numParams) ? (double)stored[index].get() : 0.0;
    const double F = values.fineTuneScale;
    const double sF = ceilingGainRoot;
    switch (role) {
    case R::Process:
        return (float)values.processOn.get();
    case R::Mode:
        return (float)values.multiBandOn.get();
    case R::MonoStereo:
        return (float)switchOf((float)v);
    case R::Link:
        return (float)values.linkOn.get();
    case R::Drive:
        return (float)((v - 0.5) * 48.0 * F);
    case R::Knee:
    case R::Speed:
    case R::Mix:
        return (float)(100.0 * v);
    case R::Release:
        return (float)values.releaseMul.get();
    case R::HighAdjust:
    case R::LowAdjust:
        return (float)((v - 0.5) * 24.0 * F);
    case R::HighFreq:
        return (float)values.highSplitHz.get();
    case R::LowFreq:
        return (float)(2.0 * values.lowSplitHz);
    case R::Ceiling:
    case R::Output:
        return (float)(sF * (v - 0.5) * 24.0);
    case R::LowSat:
        return (float)values.lowSat.get();
    case R::MidSat:
        return (float)values.midSat.get();
    case R::HighSat:
        return (float)values.highSat.get();
    case R::LowRelease:
        return (float)values.lowReleaseMul.get();
    case R::MidRelease:
        return (float)values.midReleaseMul.get();
    case R::HighRelease:
        return (float)values.highReleaseMul.get();
    case R::MeterDelay:
        return (float)meterDelayMs.get();
    case R::FineTune:
        return (float)F;
    case R::Oversampling:
    case R::InertOversampling:
        return (float)values.fatOn.get();
    case R::Long:
        return (float)values.longOn.get();
    case R::Auto:
        return (float)values.autoOn.get();
    case R::Brickwall:
        return (float)values.brickwallOn.get();
    case R::ChannelLR:
        return v < 0.333 ? 0.0f : (v < 0.66 ? 0.5f : 1.0f);
    case R::VuIntegration:
        return (float)values.vuIntegrationMs.get();
    case R::VuReference:
        return (float)values.vuReference.get();
    case R::PpmIntegration:
        return (float)values.ppmIntegrationMs.get();
    case R::PpmReturn:
        return (float)values.ppmReturnMs.get();
    case R::OverIndicator:
        return (float)values.overCount.get();
    case R::KnobMode:
        return (float)knobModeCopy.get();
    default:
        return 0.0f;
    }
}

float Emberline::inverseTransfer(float y) { return velda::inverseTransfer(knee, y); }

float Emberline::computeSmallSignalGain()
{
    return velda::smallSignalGain(knee, values.ceilingDrive, values.driveGain, values.ceilingGain);
}

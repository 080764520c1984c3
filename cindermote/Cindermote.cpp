#include "cindermote/Cindermote.h"

#include <climits>
#include <cmath>
#include <cstring>

#include "cindermote/CindermoteEditor.h"
#include "controls/ValueFormat.h"
#include "emberline2/dsp/VeldaMath.h"
#include "shell/AEffEditor.h"
#include "shell/PreferenceStore.h"

using namespace vst;
using namespace velda::cindermote;
namespace math = velda::math;

namespace {

constexpr const char* kEffectName = "Velda Cindermote";
constexpr const char* kVendorString = "velda-acoustics.com";
constexpr const char* kProductString = "Velda Cindermote - analog track saturation & compression emulator";

constexpr velda::Preference kPreferenceOrder[6] = {
    velda::Preference::VuIntegration, velda::Preference::VuReference, velda::Preference::PpmIntegration,
    velda::Preference::PpmReturn,     velda::Preference::OverCounter, velda::Preference::KnobMode,
};

// Integer part, saturated: values far outside 0..1 are applied as they stand without
// an undefined conversion.
int integerPart(double x)
{
    if (!(x > (double)INT_MIN)) return INT_MIN;
    if (!(x < (double)INT_MAX)) return INT_MAX;
    return (int)x;
}

// Copies at most size - 1 characters and terminates.
void copyText(char* to, const char* from, size_t size)
{
    size_t n = std::strlen(from);
    if (n > size - 1) n = size - 1;
    std::memcpy(to, from, n);
    to[n] = 0;
}

void fixedText(char* text, double x, int decimals)
{
    char buffer[32] = "";
    velda::formatFixed((float)x, decimals, buffer, sizeof buffer);
    copyText(text, buffer, sizeof buffer);
}

// Six decibels per doubling.
void decibelText(char* text, double gain, int decimals)
{
    if (gain <= 0.0) {
        std::strcpy(text, "-oo");
        return;
    }
    const float sixLog = (float)(6.0 * math::log10(gain));
    fixedText(text, (double)sixLog / math::log10(2.0), decimals);
}

}  // namespace

Cindermote::Cindermote(audioMasterCallback host) : CPresetSystemEffect(host, kParameterCount, kProgramCount, kFactoryPrograms)
{
    setUniqueID(fourCC('Q', 'q', 'C', 'm'));
    setNumInputs(2);
    setNumOutputs(2);
    canProcessReplacing();
    canDoubleReplacing();
    values.sampleRate = sampleRate;
    for (auto& v : parameterValues) v.store(0.0f, std::memory_order_relaxed);
    for (int i = 0; i < 6; ++i)
        preferenceValues[i].store(velda::preferenceDefault(kPreferenceOrder[i]), std::memory_order_relaxed);

    // The VU filters exist (inside the engine) before the preferences are applied.
    applyPreferencesFromStore();
    setInitialDelay((VstInt32)getLatencySamples());

    if (AEffEditor* e = createEditor()) setEditor(e);
    loadEditorDefaults();
    selectProgram(0);
    suspend();
}

Cindermote::~Cindermote() { writePreferencesToStore(); }

// The single place where the editor object is made.
AEffEditor* Cindermote::createEditor() { return new velda::cindermote::EmberlineEditor(this); }

void Cindermote::applyPreferencesFromStore()
{
    for (int i = 0; i < 6; ++i) setParameter(kVuIntegration + i, velda::readPreference(kPreferenceOrder[i]));
}

// The knob mode is read but never written: another product's choice stays.
void Cindermote::writePreferencesToStore()
{
    for (int i = 0; i < 5; ++i)
        velda::writePreference(kPreferenceOrder[i], (float)preferenceValues[i].load(std::memory_order_relaxed));
}

void Cindermote::setParameter(VstInt32 index, float value)
{
    if (!std::isfinite(value)) return;
    if (index >= 0 && index < kIndexCount) {
        applyValue(index, value);
        if (!programLoading && index < kParameterCount) {
            CPresetSystemEffect::setParameter(index, value);
            if (kParameters[index].scope == Scope::Global && table)
                for (int p = 0; p < programTotal; ++p) programValues(p)[index] = value;
        }
    }
    if (editor) editor->setParameter(index, value);
}

void Cindermote::applyValue(int index, float value)
{
    const double v = value;
    if (index < kParameterCount) parameterValues[index].store(value, std::memory_order_relaxed);
    if (index >= kVuIntegration) preferenceValues[index - kVuIntegration].store(v, std::memory_order_relaxed);

    switch (index) {
    case kProcess:
        values.processOn = integerPart(v + 0.5);
        values.request(kRequestStateReset);
        break;
    case kStereoMono:
        values.stereoValue = value;
        break;
    case kLink:
        values.linkOn = integerPart(v + 0.5);
        break;
    case kSpeed:
        values.speedValue = value;
        values.request(kRequestTiming);
        break;
    case kReleaseMul:
        values.releaseMul = math::pow(16.0, v) * 0.25;
        values.request(kRequestTiming);
        break;
    case kDrive:
        values.driveGain = math::pow(256.0, v) / 16.0;
        updateSmallSignalGain();
        break;
    case kLowAdjust:
        values.lowGain = math::pow(16.0, v) / 4.0;
        values.lowSplitHz = 80.0;
        values.request(kRequestCoefficients);
        break;
    case kHighAdjust:
        values.highGain = math::pow(16.0, v) / 4.0;
        values.highSplitHz = 12000.0;
        values.request(kRequestCoefficients);
        break;
    case kKnee: {
        const KneeSetting knee = kneeFromValue(value);
        values.kneeMode = knee.mode;
        values.kneeShape = knee.shape;
        updateSmallSignalGain();
        break;
    }
    case kOutput:
        values.outputGain = math::pow(16.0, v) / 4.0;
        break;
    case kMeters: {
        const int source = integerPart(3.0 * v);
        values.meterSource = source > 2 ? 2 : source;
        break;
    }
    case kMeterScale:
        values.meterScaleValue = value;
        break;
    case kVuIntegration:
        values.vuIntegrationMs = 30.0 * math::pow(100.0, v);
        values.request(kRequestVuRetune);
        break;
    case kVuReference: {
        const double reference = math::pow(0.06125, 1.0 - v);
        values.vuReference = reference;
        values.vuReferenceInv = 1.0 / reference;
        break;
    }
    case kPpmIntegration:
        values.ppmIntegrationMs = math::pow(101.0, v) - 1.0;
        values.ppmRatio = (float)(values.ppmIntegrationMs / values.ppmReturnMs);
        break;
    case kPpmReturn:
        values.ppmReturnMs = 100.0 * math::pow(100.0, v);
        values.ppmRatio = (float)(values.ppmIntegrationMs / values.ppmReturnMs);
        break;
    case kOverIndicator: {
        // Whole samples: the count is kept from the integer, not from 9 x q, whose rounding
        // would ask for one sample more than shown.
        const int steps = integerPart(9.0 * v + 0.5);
        preferenceValues[kOverIndicator - kVuIntegration].store((float)(steps / 9.0), std::memory_order_relaxed);
        values.overCount = (double)steps + 1.0;
        break;
    }
    default:
        break;
    }
}

void Cindermote::updateSmallSignalGain() { values.smallSignalGain = (double)computeSmallSignalGain(); }

float Cindermote::computeSmallSignalGain()
{
    return smallSignalGainOf({values.kneeMode, values.kneeShape}, values.driveGain);
}

float Cindermote::inverseTransfer(float y) { return inverseTransferOf({values.kneeMode, values.kneeShape}, y); }

float Cindermote::getParameter(VstInt32 index)
{
    if (index >= 0 && index < kParameterCount) {
        if (kParameters[index].readFromProgram && table) return programValues(currentProgram)[index];
        return parameterValues[index].load(std::memory_order_relaxed);
    }
    if (index >= kVuIntegration && index < kIndexCount)
        return (float)preferenceValues[index - kVuIntegration].load(std::memory_order_relaxed);
    return 0.0f;
}

float Cindermote::getParameterValue(int index)
{
    const auto stored = [this](int i) { return (double)parameterValues[i].load(std::memory_order_relaxed); };
    switch (index) {
    case kProcess:
        return (float)values.processOn;
    case kStereoMono:
        return (float)integerPart(stored(kStereoMono) + 0.5);
    case kLink:
        return (float)values.linkOn;
    case kSpeed:
        return (float)(stored(kSpeed) * 100.0);
    case kReleaseMul:
        return (float)values.releaseMul;
    case kDrive:
        return (float)((stored(kDrive) - 0.5) * 48.0);
    case kLowAdjust:
    case kHighAdjust:
    case kOutput:
        return (float)((stored(index) - 0.5) * 24.0);
    case kKnee:
        return (float)(stored(kKnee) * 100.0);
    case kMeterDelay:
        return -1.0f;
    case kVuIntegration:
        return (float)values.vuIntegrationMs;
    case kVuReference:
        return (float)values.vuReference;
    case kPpmIntegration:
        return (float)values.ppmIntegrationMs;
    case kPpmReturn:
        return (float)values.ppmReturnMs;
    case kOverIndicator:
        return (float)values.overCount;
    case kKnobMode:
        return (float)preferenceValues[kKnobMode - kVuIntegration].load(std::memory_order_relaxed);
    default:
        return 0.0f;
    }
}

void Cindermote::getParameterName(VstInt32 index, char* text)
{
    std::strcpy(text, index >= 0 && index < kIndexCount ? kParameters[index].name : "");
}

void Cindermote::getParameterLabel(VstInt32 index, char* text)
{
    std::strcpy(text, index >= 0 && index < kIndexCount ? kParameters[index].label : "");
}

void Cindermote::getParameterDisplay(VstInt32 index, char* text)
{
    *text = 0;
    if (index < 0 || index >= kIndexCount) return;
    const double v = getParameter(index);
    switch (kParameters[index].display) {
    case Display::Empty:
        break;
    case Display::OnOff:
        std::strcpy(text, v >= 0.5 ? "On" : "Off");
        break;
    case Display::StereoMono:
        std::strcpy(text, v >= 0.5 ? "Stereo" : "Mono");
        break;
    case Display::Link:
        std::strcpy(text, v >= 0.5 ? "Linked" : "Unlinked");
        break;
    case Display::Percent:
        fixedText(text, v * 100.0, 1);
        break;
    case Display::ReleaseMul:
        fixedText(text, values.releaseMul, 2);
        break;
    case Display::DriveDb:
        decibelText(text, values.driveGain, 2);
        break;
    case Display::LowDb:
        decibelText(text, values.lowGain, 2);
        break;
    case Display::HighDb:
        decibelText(text, values.highGain, 2);
        break;
    case Display::OutputDb:
        decibelText(text, values.outputGain, 2);
        break;
    case Display::MeterSource:
        std::strcpy(text, v < 0.3333333 ? "Pre" : (v < 0.6666667 ? "GainRed" : "Post"));
        break;
    case Display::MeterScale:
        std::strcpy(text, v >= 0.5 ? "PPM" : "VU");
        break;
    case Display::VuIntegration:
        fixedText(text, values.vuIntegrationMs, 1);
        break;
    case Display::VuReference:
        decibelText(text, values.vuReference, 1);
        break;
    case Display::PpmIntegration:
        fixedText(text, values.ppmIntegrationMs, 3);
        break;
    case Display::PpmReturn:
        fixedText(text, values.ppmReturnMs, 3);
        break;
    case Display::OverCount:
        fixedText(text, values.overCount, 1);
        break;
    case Display::KnobMode:
        std::strcpy(text, v >= 0.5 ? " Linear " : " Circular ");
        break;
    }
}

bool Cindermote::getParameterProperties(VstInt32 index, VstParameterProperties* p)
{
    if (!p || index < 0 || index >= kParameterCount || kParameters[index].steps == Steps::Continuous) return false;
    const bool isSwitch = kParameters[index].steps == Steps::Switch;
    p->flags = (isSwitch ? kVstParameterIsSwitch : 0) | kVstParameterUsesIntegerMinMax | kVstParameterUsesIntStep;
    p->minInteger = 0;
    p->maxInteger = isSwitch ? 1 : 2;
    p->stepInteger = 1;
    p->largeStepInteger = 1;
    return true;
}

float Cindermote::getLatencySamples() { return (float)(ringSizeForRate(sampleRate) - 1); }

float Cindermote::getLatencyMs()
{
    double rate = sampleRate;
    if (rate < 20000.0 || rate > 200000.0) rate = 44100.0;
    return (float)((ringSizeForRate(sampleRate) - 1) * 1000.0 / rate);
}

template <typename T>
void Cindermote::processHost(T** inputs, T** outputs, VstInt32 sampleFrames)
{
    if (!inputs || !outputs || !inputs[0] || !outputs[0] || sampleFrames < 0) {
        processing.process((const T*)nullptr, nullptr, nullptr, nullptr, 0, false);
        return;
    }
    const bool rightIn = stereoIn && isInputConnected(1) && inputs[1];
    const bool rightOut = stereoOut && isOutputConnected(1) && outputs[1];
    processing.process(inputs[0], rightIn ? inputs[1] : inputs[0], outputs[0], rightOut ? outputs[1] : outputs[0],
                       sampleFrames, rightIn);
}

void Cindermote::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    processHost(inputs, outputs, sampleFrames);
}

void Cindermote::processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames)
{
    processHost(inputs, outputs, sampleFrames);
}

void Cindermote::setSampleRate(float rate)
{
    AudioEffect::setSampleRate(rate);
    values.sampleRate = rate;
}

void Cindermote::suspend()
{
    processing.applyRequests();
    processing.resetVuFilters();
    if (!std::isfinite(sampleRate)) sampleRate = 44100.0f;
    if (sampleRate < 22050.0f) sampleRate = 22050.0f;
    if (sampleRate > 192000.0f) sampleRate = 192000.0f;
    values.sampleRate = sampleRate;
    processing.stateReset();
    processing.filterReset();
    processing.updateCoefficients();
    processing.updateTiming();
    processing.stateReset();
    processing.filterReset();
    processing.clearMeters(values.meterSource == kMeterGainReduction);
    if (editor) editor->effectSuspended();
    suspended = true;
    resume();
    suspended = true;
}

void Cindermote::resume()
{
    if (!suspended) suspend();
    if (!(sampleRate >= 22050.0f && sampleRate <= 192000.0f)) sampleRate = 44100.0f;
    values.sampleRate = sampleRate;
    updateBlockSize();
    getOutputLatency();
    setInitialDelay((VstInt32)getLatencySamples());
    processing.applyRequests();
    processing.placeIndicesForResume();
    processing.stateReset();
    processing.filterReset();
    processing.updateCoefficients();
    processing.updateTiming();
    suspended = false;
    if (editor) editor->effectResumed();
}

bool Cindermote::setSpeakerArrangement(VstSpeakerArrangement* input, VstSpeakerArrangement* output)
{
    const int in = input ? input->numChannels : 0;
    const int out = output ? output->numChannels : 0;
    const bool accepted = (in == 1 && (out == 1 || out == 2)) || (in == 2 && out == 2);
    stereoIn = !accepted || in == 2;
    stereoOut = !accepted || out == 2;
    return accepted;
}

bool Cindermote::getEffectName(char* name)
{
    copyText(name, kEffectName, kVstMaxEffectNameLen);
    return true;
}

bool Cindermote::getVendorString(char* text)
{
    copyText(text, kVendorString, kVstMaxVendorStrLen);
    return true;
}

// The host's buffer holds 64 bytes; the full product text is longer and is cut to fit.
bool Cindermote::getProductString(char* text)
{
    copyText(text, kProductString, kVstMaxProductStrLen);
    return true;
}

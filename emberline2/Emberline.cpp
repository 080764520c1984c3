#include "emberline2/Emberline.h"

#include "shell/AEffEditor.h"
#include "shell/PreferenceStore.h"

using namespace vst;
using velda::ParameterRole;
using velda::ParameterRow;

namespace {

const velda::Preference kPreferenceOrder[velda::kPreferenceCount] = {
    velda::Preference::VuIntegration, velda::Preference::VuReference, velda::Preference::PpmIntegration,
    velda::Preference::PpmReturn,     velda::Preference::OverCounter, velda::Preference::KnobMode,
};

}  // namespace

Emberline::Emberline(audioMasterCallback host, const velda::ProductLayout& productLayout)
    : CPresetSystemEffect(host, productLayout.numParams, productLayout.numPrograms, productLayout.factoryPrograms),
      layout(productLayout),
      engine(std::make_unique<velda::EmberlineEngine>(values, *productLayout.engine)),
      meterLeft(engine->meterLeft),
      meterRight(engine->meterRight),
      overFlagLeft(engine->overFlagLeft),
      overFlagRight(engine->overFlagRight),
      metersActive(engine->metersActive),
      meterScaleWide(values.meterScaleWide)
{
    for (int& i : roleIndex) i = -1;
    for (int i = 0; i < layout.numParams; ++i) roleIndex[(int)layout.rows[i].role] = i;
    for (int p = 0; p < velda::kPreferenceCount; ++p)
        roleIndex[(int)velda::kPreferenceRows[p].role] = layout.firstPreferenceIndex + p;
    roleIndex[(int)ParameterRole::ChannelMode] = layout.channelModeIndex;
    roleIndex[(int)ParameterRole::Spare] = -1;
    roleIndex[(int)ParameterRole::None] = -1;
    for (auto& s : stored) s = 0.0f;

    values.ceilingDrive = (double)inverseTransfer(1.0f);
    engine->setSampleRate(sampleRate);

    for (int p = 0; p < velda::kPreferenceCount; ++p)
        setParameter(layout.firstPreferenceIndex + p, velda::readPreference(kPreferenceOrder[p]));

    // Start values of the controls whose mappings must read as neutral before program 0 arrives.
    const auto preset = [this](ParameterRole role, float v) {
        if (indexOf(role) >= 0) stored[indexOf(role)] = v;
    };
    preset(ParameterRole::FineTune, 1.0f);
    values.fineTuneScale = 1.0;
    preset(ParameterRole::Meters, 0.0f);
    values.meterSource = 1;
    preset(ParameterRole::Mode, 0.0f);
    for (ParameterRole role : {ParameterRole::LowSat, ParameterRole::MidSat, ParameterRole::HighSat,
                               ParameterRole::LowRelease, ParameterRole::MidRelease, ParameterRole::HighRelease})
        preset(role, 0.5f);
    preset(ParameterRole::MeterScale, 0.0f);

    setNumInputs(2);
    setNumOutputs(2);
    canProcessReplacing(true);
    canDoubleReplacing(true);
    setUniqueID(layout.uniqueId);
    setInitialDelay((VstInt32)getLatencySamples());

    if (indexOf(ParameterRole::Oversampling) >= 0) setParameter(indexOf(ParameterRole::Oversampling), 0.0f);
    values.request(velda::kRequestCrossoverUpdate | velda::kRequestTimingUpdate | velda::kRequestBufferClear);
    suspend();
    resume();

    if (layout.createEditor) setEditor(layout.createEditor(this));
    loadEditorDefaults();
    selectProgram(0);

    suspend();
    resume();
    suspend();
}

Emberline::~Emberline()
{
    const int first = layout.firstPreferenceIndex;
    for (int p : {0, 1, 2, 3, 5, 4}) velda::writePreference(kPreferenceOrder[p], getParameter(first + p));
    // The editor closes while the engine it switches the meters of still exists.
    delete editor;
    editor = nullptr;
}

ParameterRole Emberline::roleAt(int index) const
{
    if (index >= 0 && index < layout.numParams) return layout.rows[index].role;
    if (index >= layout.firstPreferenceIndex && index < layout.firstPreferenceIndex + velda::kPreferenceCount)
        return velda::kPreferenceRows[index - layout.firstPreferenceIndex].role;
    if (index == layout.channelModeIndex) return ParameterRole::ChannelMode;
    return ParameterRole::None;
}

const ParameterRow* Emberline::rowAt(int index) const
{
    if (index >= 0 && index < layout.numParams) return &layout.rows[index];
    if (index >= layout.firstPreferenceIndex && index < layout.firstPreferenceIndex + velda::kPreferenceCount)
        return &velda::kPreferenceRows[index - layout.firstPreferenceIndex];
    return nullptr;
}

double Emberline::gainFactor(velda::GainFactor factor) const
{
    switch (factor) {
    case velda::GainFactor::FineTune:
        return values.fineTuneScale;
    case velda::GainFactor::FineTuneRoot:
        return ceilingGainRoot;
    default:
        return 1.0;
    }
}

float Emberline::storedOf(ParameterRole role) const
{
    const int index = indexOf(role);
    return index >= 0 && index < velda::kMaxParameterRows ? stored[index].get() : 0.0f;
}

float Emberline::getLatencyMs() { return engine->getLatencyMs(); }

float Emberline::getLatencySamples() { return engine->getLatencySamples(); }

int Emberline::getBandRingSize() { return engine->getBandRingSize(); }

int Emberline::getDelayRingSize() { return engine->getDelayRingSize(); }

void Emberline::suspend()
{
    engine->suspend();
    sampleRate = (float)engine->sampleRate();
    if (editor) editor->effectSuspended();
    suspended = true;
    resume();
    suspended = true;
}

void Emberline::resume()
{
    if (!suspended) suspend();
    setInitialDelay((VstInt32)getLatencySamples());
    if (sampleRate > kMaxOversamplingRate) values.fatOn = 0;
    engine->resume();
    if (editor) editor->effectResumed();
    suspended = false;
}

void Emberline::setSampleRate(float rate)
{
    sampleRate = rate;
    engine->setSampleRate(rate);
    suspend();
    resume();
}

void Emberline::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    const float* inL = inputs[0];
    const float* inR = isInputConnected(1) && inputs[1] ? inputs[1] : inL;
    float* outL = outputs[0];
    float* outR = isOutputConnected(1) && outputs[1] ? outputs[1] : outL;
    engine->process(inL, inR, outL, outR, sampleFrames);
}

void Emberline::processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames)
{
    const double* inL = inputs[0];
    const double* inR = isInputConnected(1) && inputs[1] ? inputs[1] : inL;
    double* outL = outputs[0];
    double* outR = isOutputConnected(1) && outputs[1] ? outputs[1] : outL;
    engine->process(inL, inR, outL, outR, sampleFrames);
}

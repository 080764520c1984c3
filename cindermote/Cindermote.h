// The track saturation and compression effect: parameters, programs, preferences and the host
// side of its processing.
#pragma once
#include <atomic>

#include "cindermote/CindermoteParameters.h"
#include "cindermote/dsp/CindermoteEngine.h"
#include "cindermote/dsp/CindermoteValues.h"
#include "cindermote/dsp/TransferCurve.h"
#include "presets/CPresetSystemEffect.h"

class Cindermote : public CPresetSystemEffect {
public:
    explicit Cindermote(vst::audioMasterCallback host);
    ~Cindermote() override;

    // Operations added after those of the preset system, in their fixed order.
    virtual float getParameterValue(int index);
    virtual float inverseTransfer(float y);
    virtual float computeSmallSignalGain();
    virtual bool answersFalse() { return false; }
    virtual float getLatencyMs();
    virtual float getLatencySamples();
    virtual bool answersTrue() { return true; }

    void setParameter(vst::VstInt32 index, float value) override;
    float getParameter(vst::VstInt32 index) override;
    void getParameterName(vst::VstInt32 index, char* text) override;
    void getParameterLabel(vst::VstInt32 index, char* text) override;
    void getParameterDisplay(vst::VstInt32 index, char* text) override;
    bool getParameterProperties(vst::VstInt32 index, vst::VstParameterProperties* properties) override;

    void processReplacing(float** inputs, float** outputs, vst::VstInt32 sampleFrames) override;
    void processDoubleReplacing(double** inputs, double** outputs, vst::VstInt32 sampleFrames) override;
    void suspend() override;
    void resume() override;
    void setSampleRate(float rate) override;
    bool setSpeakerArrangement(vst::VstSpeakerArrangement* input, vst::VstSpeakerArrangement* output) override;

    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    vst::VstInt32 getVendorVersion() override { return 2510; }
    vst::VstPlugCategory getPlugCategory() override { return vst::kPlugCategMastering; }

    // Meter values and over flags for the editor (read and cleared without locks).
    velda::cindermote::CindermoteEngine& engine() { return processing; }
    const velda::cindermote::CindermoteValues& engineeringValues() const { return values; }
    bool isStereoIn() const { return stereoIn; }
    bool isStereoOut() const { return stereoOut; }

private:
    template <typename T>
    void processHost(T** inputs, T** outputs, vst::VstInt32 sampleFrames);
    void applyValue(int index, float value);
    void updateSmallSignalGain();
    void applyPreferencesFromStore();
    void writePreferencesToStore();
    AEffEditor* createEditor();

    velda::cindermote::CindermoteValues values;
    velda::cindermote::CindermoteEngine processing{values};

    // Last normalised values: 0..21 as 32-bit, the preferences as the store keeps them.
    std::atomic<float> parameterValues[velda::cindermote::kParameterCount];
    std::atomic<double> preferenceValues[6];  // 23..28; 27 holds the quantised value
    std::atomic<bool> stereoIn{true};
    std::atomic<bool> stereoOut{true};
    bool suspended = false;
};

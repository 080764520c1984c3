// The effect of both Emberline products; a ProductLayout supplies everything they differ in.
#pragma once
#include <atomic>
#include <memory>

#include "emberline2/EmberlineEngine.h"
#include "emberline2/EmberlineTransfer.h"
#include "emberline2/EngineeringValues.h"
#include "emberline2/ProductLayout.h"
#include "presets/CPresetSystemEffect.h"

class Emberline : public CPresetSystemEffect {
public:
    Emberline(vst::audioMasterCallback host, const velda::ProductLayout& layout);
    ~Emberline() override;
    Emberline(const Emberline&) = delete;
    Emberline& operator=(const Emberline&) = delete;

    // Operations added to the effect, in their fixed order.
    virtual float getParameterValue(int index);
    virtual float inverseTransfer(float y);
    virtual float computeSmallSignalGain();
    virtual bool reservedQueryFalse() { return false; }
    virtual float getLatencyMs();
    virtual float getLatencySamples();
    virtual int getBandRingSize();
    virtual int getDelayRingSize();
    virtual bool reservedQueryTrue() { return true; }

    void setParameter(vst::VstInt32 index, float value) override;
    float getParameter(vst::VstInt32 index) override;
    void getParameterName(vst::VstInt32 index, char* text) override;
    void getParameterLabel(vst::VstInt32 index, char* text) override;
    void getParameterDisplay(vst::VstInt32 index, char* text) override;
    bool getParameterProperties(vst::VstInt32 index, vst::VstParameterProperties* properties) override;

    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    vst::VstInt32 getVendorVersion() override { return velda::kVendorVersion; }
    vst::VstPlugCategory getPlugCategory() override { return vst::kPlugCategMastering; }
    bool setSpeakerArrangement(vst::VstSpeakerArrangement*, vst::VstSpeakerArrangement*) override { return false; }

    void suspend() override;
    void resume() override;
    void setSampleRate(float rate) override;
    void processReplacing(float** inputs, float** outputs, vst::VstInt32 sampleFrames) override;
    void processDoubleReplacing(double** inputs, double** outputs, vst::VstInt32 sampleFrames) override;

    const velda::ProductLayout& productLayout() const { return layout; }
    velda::EngineeringValues& engineeringValues() { return values; }
    velda::EmberlineEngine& processingEngine() { return *engine; }
    int indexOf(velda::ParameterRole role) const { return roleIndex[(int)role]; }

private:
    static constexpr double kMaxOversamplingRate = 100000.0;  // above it the oversampling stays off

    velda::ParameterRole roleAt(int index) const;
    const velda::ParameterRow* rowAt(int index) const;
    double gainFactor(velda::GainFactor factor) const;
    float storedOf(velda::ParameterRole role) const;
    // Derives the engineering values of one parameter; answers the value that the
    // programs and the editor receive.
    float apply(velda::ParameterRole role, int index, float v);
    void applyKnee(float v);
    void applyChannelMode(float v);
    void updateCeilingDrive();
    void writeIntoAllPrograms(int index, float v);
    void formatDisplay(const velda::ParameterRow& row, int index, char* text);

    const velda::ProductLayout& layout;
    velda::EngineeringValues values;
    std::unique_ptr<velda::EmberlineEngine> engine;

public:
    // Read by the editor without locks; the engine feeds them.
    std::atomic<float>& meterLeft;
    std::atomic<float>& meterRight;
    std::atomic<float>& overFlagLeft;
    std::atomic<float>& overFlagRight;
    std::atomic<bool>& metersActive;
    velda::Shared<int>& meterScaleWide;  // 1: the wide meter scale

private:
    int roleIndex[(int)velda::ParameterRole::Count];
    velda::Shared<float> stored[velda::kMaxParameterRows];
    velda::KneeSetting knee{0, 0.0};
    velda::Shared<double> ceilingGainRoot{1.0};
    velda::Shared<double> meterDelayMs{-1.0};
    velda::Shared<double> vuIntegrationValue{0.5}, vuReferenceValue{0.41}, ppmIntegrationValue{0.5},
        ppmReturnValue{0.5};
    velda::Shared<float> overIndicatorValue{2.0f / 9.0f};
    velda::Shared<double> knobModeValue{1.0};
    velda::Shared<double> knobModeCopy{1.0};
    velda::Shared<double> channelModeValue{0.0};
    bool suspended = false;
};

// VST 2.x extensions of the effect base: the dispatcher from opcode 25 up and the host queries.
#pragma once
#include "shell/AudioEffect.h"

class AudioEffectX : public AudioEffect {
public:
    using AudioEffect::AudioEffect;

    vst::VstIntPtr dispatcher(vst::VstInt32 opcode, vst::VstInt32 index, vst::VstIntPtr value, void* ptr,
                              float opt) override;

    virtual bool getProgramNameIndexed(vst::VstInt32, vst::VstInt32, char*) { return false; }
    virtual bool getInputProperties(vst::VstInt32 index, vst::VstPinProperties* properties);
    virtual bool getOutputProperties(vst::VstInt32 index, vst::VstPinProperties* properties);
    virtual bool getParameterProperties(vst::VstInt32, vst::VstParameterProperties*) { return false; }
    virtual bool setSpeakerArrangement(vst::VstSpeakerArrangement*, vst::VstSpeakerArrangement*) { return false; }
    virtual bool getEffectName(char* name);
    virtual bool getVendorString(char* text);
    virtual bool getProductString(char* text);
    virtual vst::VstInt32 getVendorVersion() { return 0; }
    virtual vst::VstPlugCategory getPlugCategory() { return vst::kPlugCategUnknown; }
    virtual vst::VstInt32 canDo(char*) { return 0; }
    virtual vst::VstInt32 getVstVersion() { return vst::kVstVersion; }

    // Host calls.
    bool updateDisplay();
    bool beginEdit(vst::VstInt32 index);
    bool endEdit(vst::VstInt32 index);
    vst::VstInt32 updateBlockSize();
    float updateSampleRate();
    vst::VstInt32 getInputLatency();
    vst::VstInt32 getOutputLatency();
    vst::VstTimeInfo* getTimeInfo(vst::VstInt32 filter);
    bool sendVstEventsToHost(vst::VstEvents* events);
    bool ioChanged();
    bool sizeWindow(vst::VstInt32 width, vst::VstInt32 height);
    vst::VstInt32 getCurrentProcessLevel();
    vst::VstInt32 getAutomationState();
    bool getHostVendorString(char* text);
    bool getHostProductString(char* text);
    vst::VstInt32 getHostVendorVersion();
    vst::VstIntPtr hostVendorSpecific(vst::VstInt32 lArg1, vst::VstIntPtr lArg2, void* ptrArg, float floatArg);
    vst::VstInt32 canHostDo(char* text);
    vst::VstInt32 getHostLanguage();
    void* getDirectory();
    bool openFileSelector(void* fileSelect);
    bool closeFileSelector(void* fileSelect);
    bool offlineStart(void* audioFiles, vst::VstInt32 numAudioFiles, vst::VstInt32 numNewAudioFiles);
    bool offlineRead(void* offline, vst::VstInt32 option, bool readSource);
    bool offlineWrite(void* offline, vst::VstInt32 option);
    vst::VstInt32 offlineGetCurrentPass();
    vst::VstInt32 offlineGetCurrentMetaPass();
};

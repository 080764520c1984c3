// Effect base: owns the record handed to the host and routes its entries to virtuals.
#pragma once
#include "shell/vst2.h"

class AEffEditor;

class AudioEffect {
public:
    AudioEffect(vst::audioMasterCallback host, int numPrograms, int numParams);
    virtual ~AudioEffect();

    vst::AEffect* getAeffect() { return &cEffect; }
    AEffEditor* getEditor() const { return editor; }
    void setEditor(AEffEditor* e);  // raises or clears effFlagsHasEditor

    virtual vst::VstIntPtr dispatcher(vst::VstInt32 opcode, vst::VstInt32 index, vst::VstIntPtr value, void* ptr,
                                      float opt);

    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}

    virtual void setParameter(vst::VstInt32, float) {}
    virtual float getParameter(vst::VstInt32) { return 0.0f; }
    virtual void setParameterAutomated(vst::VstInt32 index, float value);

    virtual vst::VstInt32 getProgram() { return curProgram; }
    virtual void setProgram(vst::VstInt32 program) { curProgram = program; }
    virtual void setProgramName(char*) {}
    virtual void getProgramName(char* name) { *name = 0; }
    virtual void getParameterLabel(vst::VstInt32, char* label) { *label = 0; }
    virtual void getParameterDisplay(vst::VstInt32, char* text) { *text = 0; }
    virtual void getParameterName(vst::VstInt32, char* text) { *text = 0; }
    virtual vst::VstInt32 getChunk(void**, bool) { return 0; }
    virtual vst::VstInt32 setChunk(void*, vst::VstInt32, bool) { return 0; }

    virtual void setSampleRate(float rate) { sampleRate = rate; }
    virtual void setBlockSize(vst::VstInt32 size) { blockSize = size; }
    float getSampleRate() const { return sampleRate; }
    vst::VstInt32 getBlockSize() const { return blockSize; }

    virtual void process(float**, float**, vst::VstInt32) {}
    virtual void processReplacing(float** inputs, float** outputs, vst::VstInt32 sampleFrames) = 0;
    virtual void processDoubleReplacing(double**, double**, vst::VstInt32) {}

    // Host queries.
    virtual vst::VstInt32 getMasterVersion();
    virtual vst::VstInt32 getCurrentUniqueId();
    virtual void masterIdle();
    virtual bool isInputConnected(vst::VstInt32 input);
    virtual bool isOutputConnected(vst::VstInt32 output);

    // Record set-up.
    void setUniqueID(vst::VstInt32 id) { cEffect.uniqueID = id; }
    void setNumInputs(vst::VstInt32 n) { cEffect.numInputs = n; }
    void setNumOutputs(vst::VstInt32 n) { cEffect.numOutputs = n; }
    void canProcessReplacing(bool state = true) { setFlag(vst::effFlagsCanReplacing, state); }
    void canDoubleReplacing(bool state = true) { setFlag(vst::effFlagsCanDoubleReplacing, state); }
    void programsAreChunks(bool state = true) { setFlag(vst::effFlagsProgramChunks, state); }
    void setInitialDelay(vst::VstInt32 delay) { cEffect.initialDelay = delay; }

    static void float2string(float value, char* text, int maxLen);

protected:
    void setFlag(vst::VstInt32 bit, bool state);
    vst::VstIntPtr callHost(vst::VstInt32 opcode, vst::VstInt32 index = 0, vst::VstIntPtr value = 0,
                            void* ptr = nullptr, float opt = 0.0f);

    vst::audioMasterCallback audioMaster;
    AEffEditor* editor = nullptr;
    float sampleRate = 44100.0f;
    vst::VstInt32 blockSize = 1024;
    vst::VstInt32 numPrograms;
    vst::VstInt32 numParams;
    vst::VstInt32 curProgram = 0;
    vst::AEffect cEffect;
};

// The editor interface the effect's dispatcher sees.
#pragma once
#include "shell/vst2.h"

class AudioEffect;

class AEffEditor {
public:
    explicit AEffEditor(AudioEffect* effect) : effect(effect) {}
    virtual ~AEffEditor() = default;

    virtual AudioEffect* getEffect() { return effect; }
    virtual bool getRect(vst::ERect** rect)
    {
        *rect = nullptr;
        return false;
    }
    virtual bool open(void* window)
    {
        systemWindow = window;
        return false;
    }
    virtual void close() { systemWindow = nullptr; }
    virtual bool isOpen() { return systemWindow != nullptr; }
    virtual void idle() {}
    virtual bool onKeyDown(vst::VstKeyCode&) { return false; }
    virtual bool onKeyUp(vst::VstKeyCode&) { return false; }
    virtual bool onWheel(float) { return false; }
    virtual bool setKnobMode(int) { return false; }

    // Effect to editor: a parameter changed (any thread); the editor updates its controls.
    virtual void setParameter(int, float) {}
    // Preset system to editor: the current program was renamed.
    virtual void programNameChanged(const char*) {}
    // Preset system to editor: load the registry defaults at construction.
    virtual void loadDefaults() {}
    virtual void effectSuspended() {}
    virtual void effectResumed() {}

protected:
    AudioEffect* effect;
    void* systemWindow = nullptr;
};

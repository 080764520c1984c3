// The editor base that binds the host's editor opcodes to a toolkit frame: rectangle, idle pacing,
// keys, wheel, the library-wide knob mode and the route of control values to the effect.
#pragma once
#include <cstdint>

#include "shell/AEffEditor.h"
#include "toolkit/CFrame.h"
#include "toolkit/VSTGUIEditorInterface.h"

class AEffGUIEditor : public AEffEditor, public velda::gui::VSTGUIEditorInterface {
public:
    explicit AEffGUIEditor(AudioEffect* effect);
    ~AEffGUIEditor() override;

    bool getRect(vst::ERect** rect) override;
    bool open(void* window) override;
    void close() override;
    void idle() override;
    bool onKeyDown(vst::VstKeyCode& key) override;
    bool onKeyUp(vst::VstKeyCode& key) override;
    bool onWheel(float distance) override;
    bool setKnobMode(int mode) override;
    void setParameter(int index, float value) override;
    virtual void draw(vst::ERect* area);

    // VSTGUIEditorInterface
    void doIdleStuff() override;
    int32_t getKnobMode() const override;
    void beginEdit(int32_t index) override;
    void endEdit(int32_t index) override;
    bool beforeSizeChange(const velda::gui::CRect&, const velda::gui::CRect&) override { return true; }
    velda::gui::CFrame* getFrame() const override { return frame; }

    // The knob mode shared by every editor of the library.
    static void setLibraryKnobMode(int32_t mode) { libraryKnobMode = mode; }
    static int32_t getLibraryKnobMode() { return libraryKnobMode; }

protected:
    // A control moved: host-visible parameters (below the effect's parameter count) go through
    // setParameterAutomated so the host records them; hidden ones through setParameter only.
    void sendParameter(int32_t index, float value);

    vst::ERect rect{};
    uint32_t lastTicks = 0;
    bool inIdleStuff = false;

private:
    static int32_t libraryKnobMode;
    bool ownsUiThread = false;
};

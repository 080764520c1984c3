// The product editor: a frame of the product's size showing its main background picture.
// Each product creates it from its constructor with its own look:
//     new EmberlineEditor(this, velda::kEmberline2Look)
// The editor attaches itself to the effect (the effect's editor pointer and effFlagsHasEditor).
#pragma once

#include "emberline2/EditorLook.h"
#include "presets/CMyPresetSystemEditor.h"

class EmberlineEditor : public CMyPresetSystemEditor {
public:
    EmberlineEditor(AudioEffect* effect, const velda::EditorLook& look);
    ~EmberlineEditor() override;

    bool open(void* window) override;
    void close() override;
    void idle() override;
    // The host may not change the knob mode: the editor follows its own preference.
    bool setKnobMode(int mode) override;
    void setParameter(int index, float value) override;
    void valueChanged(velda::gui::CControl* control) override;

    void startTypedEntry(int index) override;
    void applyTypedEntry(int index, const char* text) override;

    const velda::EditorLook& getLook() const { return look; }

private:
    velda::EditorLook look;
};

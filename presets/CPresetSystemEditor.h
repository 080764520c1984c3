// The editor base between AEffGUIEditor and the product editors; it receives every control's value
// changes. The preset panel (program name, menu, rocker, file, default and memory buttons) builds
// on this class.
#pragma once

#include "shell/AEffGUIEditor.h"
#include "toolkit/CControlListener.h"

class CPresetSystemEditor : public AEffGUIEditor, public velda::gui::CControlListener {
public:
    explicit CPresetSystemEditor(AudioEffect* effect);
    ~CPresetSystemEditor() override;

    // The panel's part of open: false without a frame or an effect.
    bool open(void* window) override;
    void close() override;
    void idle() override;

    void valueChanged(velda::gui::CControl* control) override;
};

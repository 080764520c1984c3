// Adds the typed value entry that every product editor supplies.
#pragma once

#include "presets/CPresetSystemEditor.h"

class CMyPresetSystemEditor : public CPresetSystemEditor {
public:
    explicit CMyPresetSystemEditor(AudioEffect* effect);
    ~CMyPresetSystemEditor() override;

    // Starts a typed value entry for parameter `index`.
    virtual void startTypedEntry(int index) = 0;
    // Applies the typed text to parameter `index` (-1: no entry in progress).
    virtual void applyTypedEntry(int index, const char* text) = 0;
};

// Adds the typed value entry that every product editor supplies; the knobs and the typed-entry
// field reach it through their listener.
#pragma once
#include <cstdint>

#include "controls/TypedEntryEditor.h"
#include "presets/CPresetSystemEditor.h"

class CMyPresetSystemEditor : public CPresetSystemEditor, public velda::gui::TypedEntryEditor {
public:
    explicit CMyPresetSystemEditor(AudioEffect* effect);
    ~CMyPresetSystemEditor() override;

    // Starts a typed value entry for parameter `index`.
    void startTypedEntry(int32_t index) override = 0;
    // Applies the typed text to parameter `index` (-1: no entry in progress).
    void applyTypedEntry(int32_t index, const char* text) override = 0;
};

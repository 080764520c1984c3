// What the knobs and the typed-entry field ask of the editor that listens to them. The product editor
// implements it next to its CControlListener part; the controls reach it from their listener.
#pragma once
#include <cstdint>

#include "toolkit/CControlListener.h"

namespace velda::gui {

class TypedEntryEditor {
public:
    virtual ~TypedEntryEditor() = default;
    // Opens a typed value entry for parameter `index`.
    virtual void startTypedEntry(int32_t index) = 0;
    // Applies the text typed for parameter `index` (-1 when no entry was in progress).
    virtual void applyTypedEntry(int32_t index, const char* text) = 0;

    // The editor behind a control's listener, if that listener is one.
    static TypedEntryEditor* of(CControlListener* listener) { return dynamic_cast<TypedEntryEditor*>(listener); }
};

}  // namespace velda::gui

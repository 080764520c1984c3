// The track processor's editor: a main page with seven knobs, needle meters and a value read-out,
// a settings page with the meter preferences, typed value entry and the preset panel.
#pragma once
#include <type_traits>

#include "cindermote/CindermoteEditorViews.h"
#include "controls/TypedEntryEditor.h"
#include "presets/CMyPresetSystemEditor.h"

class Cindermote;

namespace velda::cindermote {

namespace detail {
struct NoTypedEntryBase {};
// The knobs and the entry field find the editor through TypedEntryEditor; add it unless the
// preset editor base already provides it.
using TypedEntryBase = std::conditional_t<std::is_base_of_v<gui::TypedEntryEditor, CMyPresetSystemEditor>,
                                          NoTypedEntryBase, gui::TypedEntryEditor>;
}  // namespace detail

class EmberlineEditor : public CMyPresetSystemEditor, public detail::TypedEntryBase {
public:
    explicit EmberlineEditor(Cindermote* effect);
    ~EmberlineEditor() override;

    bool open(void* window) override;
    void close() override;
    void idle() override;
    // The knob mode follows the editor's own preference, read at each open.
    bool setKnobMode(int) override { return false; }
    void setParameter(int index, float value) override;
    void valueChanged(gui::CControl* control) override;
    void effectSuspended() override;
    void effectResumed() override;

    void startTypedEntry(int index) override;
    void applyTypedEntry(int index, const char* text) override;

    const CindermoteEditorViews& views() const { return shown; }
    bool showsMainPage() const { return shown.currentPage && shown.currentPage == shown.mainPage; }

private:
    void swapPages();
    void refreshLatencyDisplays();
    void showInReadout(int index, int mode);
    void feedMeters();
    void hoverCheck();
    void countTowardsBlank();

    Cindermote* product;
    CindermoteEditorViews shown;
    int idleTicks = 0;
    int blankChecks = 0;
    gui::CView* lastHovered = nullptr;
    char entryText[64] = "";  // the text an entry opened with
};

}  // namespace velda::cindermote

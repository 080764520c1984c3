// The track processor's editor: a main page with seven knobs, needle meters and a value read-out,
// a settings page with the meter preferences, typed value entry and the preset panel.
#pragma once
#include "cindermote/CindermoteEditorViews.h"
#include "presets/CMyPresetSystemEditor.h"

class Cindermote;

namespace velda::cindermote {

class EmberlineEditor : public CMyPresetSystemEditor {
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

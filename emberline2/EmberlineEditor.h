// The product editor. Each product creates it from its constructor with its own look:
//     new EmberlineEditor(this, velda::kEmberline2Look)
// With a layout table and an Emberline effect it builds the two pages and runs them (controls to
// effect, effect to controls, meters, read-out, page switching, typed entry); otherwise it shows
// the look's background picture only. The editor attaches itself to the effect (the effect's
// editor pointer and effFlagsHasEditor).
#pragma once
#include <array>

#include "emberline2/EditorControls.h"
#include "emberline2/EditorLook.h"
#include "emberline2/EditorMeterFeed.h"
#include "emberline2/ParameterRole.h"
#include "presets/CMyPresetSystemEditor.h"

class Emberline;

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
    // Gestures reach the host only for the parameters it knows.
    void beginEdit(int32_t index) override;
    void endEdit(int32_t index) override;
    void effectSuspended() override;
    void effectResumed() override;

    void startTypedEntry(int32_t index) override;
    void applyTypedEntry(int32_t index, const char* text) override;

    const velda::EditorLook& getLook() const { return look; }
    // The views while open (all null while closed).
    const velda::EditorControls& controls() const { return views; }
    bool showsMainPage() const { return views.currentPage && views.currentPage == views.mainPage; }

private:
    bool openBackgroundOnly(void* window);
    bool hasPages() const { return emberline && layout; }
    bool isHostParameter(int index) const;
    velda::ParameterRole roleAt(int index) const;
    int indexOf(velda::ParameterRole role) const;
    // Changes the effect without telling the host.
    bool isSilent(int index) const;
    void updateLatencyDisplays();
    void applyKnobMode(float value);
    void swapPages();
    void reportChannelMode(float value);

    velda::EditorLook look;
    Emberline* emberline = nullptr;
    const velda::layout::EditorLayout* layout = nullptr;
    velda::EditorTags tags;
    std::array<velda::ParameterRole, velda::kEditorTagCount> roles{};
    velda::EditorControls views;
    velda::EditorMeterFeed meterFeed;
};

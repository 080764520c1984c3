// The views of the open editor that it keeps pointers to; all null while the editor is closed.
#pragma once
#include <array>

#include "cindermote/CindermoteParameters.h"
#include "controls/CBackDisplay.h"
#include "controls/CCounter.h"
#include "controls/CMyTextEdit.h"
#include "controls/COldVuMeter.h"
#include "toolkit/CControlListener.h"
#include "toolkit/CFrame.h"
#include "toolkit/CViewContainer.h"

class Cindermote;

namespace velda::cindermote {

struct CindermoteEditorViews {
    gui::CViewContainer* mainPage = nullptr;
    gui::CViewContainer* settingsPage = nullptr;
    gui::CViewContainer* currentPage = nullptr;  // the page in the frame
    gui::CViewContainer* otherPage = nullptr;    // the page kept outside the frame
    // Knobs, buttons and switches by parameter index.
    std::array<gui::CControl*, kIndexCount> controls{};
    // The settings-page value displays by parameter index.
    std::array<gui::CBackDisplay*, kIndexCount> displays{};
    std::array<gui::COldVuMeter*, 2> meters{};
    gui::CBackDisplay* latencyMs = nullptr;
    gui::CBackDisplay* latencySamples = nullptr;
    gui::CCounter* readout = nullptr;
    // Owned by the editor (one reference); in the main page only while an entry is in progress.
    gui::CMyTextEdit* typedEntry = nullptr;

    gui::CControl* control(int index) const
    {
        return index >= 0 && index < kIndexCount ? controls[size_t(index)] : nullptr;
    }
    gui::CBackDisplay* display(int index) const
    {
        return index >= 0 && index < kIndexCount ? displays[size_t(index)] : nullptr;
    }
};

// Builds both pages with every control at the effect's current values, adds the main page to the
// frame and keeps the settings page outside it.
CindermoteEditorViews buildEditorViews(gui::CFrame& frame, gui::CControlListener* listener, Cindermote& effect);

}  // namespace velda::cindermote

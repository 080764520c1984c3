// The views of an open product editor, and the editor tags that its run time looks for. The views
// belong to their pages; these are plain references, all null while the editor is closed.
#pragma once
#include <array>
#include <cstdint>

#include "controls/EditorLayoutTypes.h"
#include "toolkit/vstgui.h"

namespace velda::gui {
class CBackDisplay;
class CCounter;
class CMovieLED;
class CMovieMeter;
class CMyTextEdit;
}  // namespace velda::gui

namespace velda {

inline constexpr int kEditorTagCount = 128;

// Tags of the controls that are no parameters (or stand for one), taken from the layout table.
struct EditorTags {
    int meters = -1;
    int leds[2] = {-1, -1};
    int pageSwitches[2] = {-1, -1};
    int latencyClick = -1;
    int readout = -1;
    int textEdit = -1;

    static EditorTags of(const layout::EditorLayout& layout);
    bool isLed(int tag) const { return tag >= 0 && (tag == leds[0] || tag == leds[1]); }
    bool isPageSwitch(int tag) const { return tag >= 0 && (tag == pageSwitches[0] || tag == pageSwitches[1]); }
};

struct EditorControls {
    gui::CViewContainer* mainPage = nullptr;
    gui::CViewContainer* settingsPage = nullptr;
    gui::CViewContainer* currentPage = nullptr;  // the one in the frame
    gui::CViewContainer* otherPage = nullptr;    // the one waiting outside
    // Knobs, buttons and switches by parameter index.
    std::array<gui::CControl*, kEditorTagCount> parameterControl{};
    // The value displays under the settings-page knobs, by the knob's index.
    std::array<gui::CParamDisplay*, kEditorTagCount> valueDisplay{};
    gui::CBackDisplay* latencyMs = nullptr;
    gui::CBackDisplay* latencySamples = nullptr;
    gui::CControl* channelMode = nullptr;
    std::array<gui::CMovieMeter*, 2> meters{};
    std::array<gui::CMovieLED*, 2> leds{};
    gui::CCounter* readout = nullptr;
    gui::CMyTextEdit* textEdit = nullptr;
    bool textEditInPage = false;  // while in the page, the page holds the field's reference

    gui::CControl* control(int index) const
    {
        return index >= 0 && index < kEditorTagCount ? parameterControl[size_t(index)] : nullptr;
    }
    gui::CParamDisplay* display(int index) const
    {
        return index >= 0 && index < kEditorTagCount ? valueDisplay[size_t(index)] : nullptr;
    }
};

}  // namespace velda

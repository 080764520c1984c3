// A frame without a window, an editor interface and a listener that record what controls report, and
// synthetic film strips whose images carry their index in the red byte, so the image shown can be read
// back from the frame's pixels.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "controls/TypedEntryEditor.h"
#include "toolkit/CBitmap.h"
#include "toolkit/CControl.h"
#include "toolkit/CFrame.h"

namespace velda::gui::test {

class RecordingEditor : public VSTGUIEditorInterface {
public:
    int32_t getKnobMode() const override { return knobMode; }
    void beginEdit(int32_t tag) override { begins.push_back(tag); }
    void endEdit(int32_t tag) override { ends.push_back(tag); }

    int32_t knobMode = kCircularMode;
    std::vector<int32_t> begins;
    std::vector<int32_t> ends;
};

class RecordingListener : public CControlListener, public TypedEntryEditor {
public:
    void valueChanged(CControl* control) override { changes.emplace_back(control->getTag(), control->getValue()); }
    void startTypedEntry(int32_t index) override { typedStarts.push_back(index); }
    void applyTypedEntry(int32_t index, const char* text) override { applied.emplace_back(index, text); }

    std::vector<std::pair<int32_t, float>> changes;
    std::vector<int32_t> typedStarts;
    std::vector<std::pair<int32_t, std::string>> applied;
};

// `images` images of `width` x `imageHeight` pixels stacked vertically; image i is filled with
// (i, 255 - i, tint, 255).
CBitmap* makeStrip(int32_t width, int32_t imageHeight, int32_t images, uint8_t tint = 0);
// One colour everywhere.
CBitmap* makeFilled(int32_t width, int32_t height, CColor colour);

class FrameFixture : public ::testing::Test {
protected:
    static constexpr int32_t kWidth = 400;
    static constexpr int32_t kHeight = 400;

    void SetUp() override;
    void TearDown() override;

    // Adds the view to the frame (the frame takes the reference) and returns it.
    template <class View>
    View* add(View* view)
    {
        frame->addView(view);
        return view;
    }

    void redraw() { frame->redraw(); }
    uint32_t pixel(int32_t x, int32_t y) const { return frame->getPixel(x, y); }
    int32_t red(int32_t x, int32_t y) const { return int32_t(pixel(x, y) & 0xff); }
    int32_t green(int32_t x, int32_t y) const { return int32_t((pixel(x, y) >> 8) & 0xff); }
    int32_t blue(int32_t x, int32_t y) const { return int32_t((pixel(x, y) >> 16) & 0xff); }

    void press(CCoord x, CCoord y, CButtonState buttons = kLButton) { frame->platformMouseDown(x, y, uint32_t(buttons)); }
    void move(CCoord x, CCoord y, CButtonState buttons = kLButton) { frame->platformMouseMoved(x, y, uint32_t(buttons)); }
    void release(CCoord x, CCoord y, CButtonState buttons = kLButton) { frame->platformMouseUp(x, y, uint32_t(buttons)); }
    bool wheel(CCoord x, CCoord y, float distance, CButtonState buttons = 0)
    {
        return frame->platformWheel(x, y, distance, uint32_t(buttons));
    }

    // Writes the frame as a PNG into the build tree (tests/controls-screens/<name>.png).
    void screenshot(const char* name) const;

    RecordingEditor editor;
    RecordingListener listener;
    CFrame* frame = nullptr;
};

}  // namespace velda::gui::test

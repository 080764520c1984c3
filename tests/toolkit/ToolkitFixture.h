// Frames without a window, recording listeners and editors, and pictures made in memory.
#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/vstgui.h"

namespace velda::test {

using namespace velda::gui;

struct RecordingListener : CControlListener {
    struct Report {
        int32_t tag;
        float value;
    };
    std::vector<Report> reports;
    void valueChanged(CControl* control) override { reports.push_back({control->getTag(), control->getValue()}); }
};

struct RecordingEditor : VSTGUIEditorInterface {
    std::vector<int32_t> begins, ends;
    int32_t knobMode = kCircularMode;
    int32_t getKnobMode() const override { return knobMode; }
    void beginEdit(int32_t index) override { begins.push_back(index); }
    void endEdit(int32_t index) override { ends.push_back(index); }
};

// Pixel colour of image i in a strip: distinct red per image.
inline CColor stripColor(int image) { return CColor{uint8_t(10 + image * 3), uint8_t(200 - image), 40, 255}; }

inline CBitmap* makeStrip(int width, int imageHeight, int images)
{
    auto* bitmap = new CBitmap(width, imageHeight * images);
    for (int y = 0; y < imageHeight * images; ++y)
        for (int x = 0; x < width; ++x) {
            const CColor c = stripColor(y / imageHeight);
            uint8_t* p = bitmap->pixel(x, y);
            p[0] = c.red;
            p[1] = c.green;
            p[2] = c.blue;
            p[3] = c.alpha;
        }
    return bitmap;
}

inline uint32_t packed(const CColor& c) { return c.red | (c.green << 8) | (c.blue << 16) | (uint32_t(c.alpha) << 24); }

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CFrame(CRect(0, 0, 200, 150), &editor);
        ASSERT_TRUE(frame->open(nullptr));
    }
    void TearDown() override
    {
        if (frame) frame->close();
    }
    void press(double x, double y, CButtonState buttons = kLButton) { frame->platformMouseDown(x, y, uint32_t(buttons)); }
    void drag(double x, double y, CButtonState buttons = kLButton) { frame->platformMouseMoved(x, y, uint32_t(buttons)); }
    void release(double x, double y, CButtonState buttons = kLButton) { frame->platformMouseUp(x, y, uint32_t(buttons)); }
    void click(double x, double y, CButtonState buttons = kLButton)
    {
        press(x, y, buttons);
        release(x, y, buttons);
    }

    RecordingEditor editor;
    RecordingListener listener;
    CFrame* frame = nullptr;
};

}  // namespace velda::test

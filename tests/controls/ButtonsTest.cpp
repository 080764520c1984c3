#include "ControlsFixture.h"
#include "controls/CClickRect.h"
#include "controls/CMyLRUDButton.h"
#include "controls/CMyOnOffButton.h"
#include "controls/CMyVerticalSwitch.h"
#include "controls/CViewContainerSwitch.h"

namespace velda::gui::test {
namespace {

class ButtonsTest : public FrameFixture {};

TEST_F(ButtonsTest, OnOffButtonShowsTheLowerImageFromOneHalf)
{
    CBitmap* strip = makeStrip(20, 10, 2);
    auto* button = add(new CMyOnOffButton(CRect(10, 10, 30, 20), &listener, 3, strip));
    strip->forget();
    const std::pair<float, int32_t> cases[] = {{0.0f, 0}, {0.49f, 0}, {0.5f, 1}, {1.0f, 1}};
    for (const auto& [value, image] : cases) {
        button->setValue(value);
        redraw();
        EXPECT_EQ(red(15, 15), image) << value;
    }
    // The toolkit's click: flips, reports once inside an edit gesture.
    press(15, 15);
    release(15, 15);
    EXPECT_EQ(button->getValue(), 0.0f);
    ASSERT_EQ(listener.changes.size(), 1u);
    EXPECT_EQ(listener.changes[0], std::make_pair(3, 0.0f));
    EXPECT_EQ(editor.begins.size(), 1u);
    EXPECT_EQ(editor.ends.size(), 1u);
}

TEST_F(ButtonsTest, VerticalSwitchShowsPositionsTimesValueCappedAtImageTwo)
{
    CBitmap* strip = makeStrip(16, 12, 3);
    auto* three = add(new CMyVerticalSwitch(CRect(10, 10, 26, 46), &listener, 1, 3, 12, 3, strip));
    auto* five = add(new CMyVerticalSwitch(CRect(50, 10, 66, 46), &listener, 2, 3, 12, 5, strip));
    strip->forget();
    struct Case {
        float value;
        int32_t three;
        int32_t five;
    };
    const Case cases[] = {{0.0f, 0, 0}, {0.33f, 0, 1}, {0.5f, 1, 2}, {0.66f, 1, 2}, {0.99f, 2, 2}, {1.0f, 2, 2}};
    for (const Case& c : cases) {
        three->setValue(c.value);
        five->setValue(c.value);
        redraw();
        EXPECT_EQ(red(15, 12), c.three) << c.value;
        EXPECT_EQ(red(55, 12), c.five) << c.value;
    }
    // The toolkit's bands: the lowest third selects 1.0.
    three->setValue(0.0f);
    three->setDirty(false);
    press(15, 40);
    release(15, 40);
    EXPECT_EQ(three->getValue(), 1.0f);
    ASSERT_EQ(listener.changes.size(), 1u);
    EXPECT_EQ(listener.changes[0], std::make_pair(1, 1.0f));
}

class LrudTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CBitmap* strip = makeStrip(100, 80, 4);
        // 100 x 80: side zones 25 wide from y 120 to 160; top and bottom zones 50 wide, split at y 140.
        button = add(new CMyLRUDButton(CRect(100, 100, 200, 180), &listener, 57, strip));
        strip->forget();
        settle(0.0f);
    }
    void settle(float v)
    {
        button->setValue(v);
        button->setDirty(false);
        listener.changes.clear();
    }
    CMyLRUDButton* button = nullptr;
};

TEST_F(LrudTest, ZonesSetTheirValues)
{
    struct Case {
        CCoord x, y;
        float value;
    };
    const Case cases[] = {
        {110, 140, 0.33f}, {100, 120, 0.33f}, {125, 160, 0.33f},  // left
        {190, 140, 0.67f}, {175, 120, 0.67f},                     // right
        {150, 170, 1.0f},  {130, 140, 1.0f},  {170, 179, 1.0f},   // bottom, the centre line included
        {150, 110, 0.0f},  {126, 100, 0.0f},  {174, 139, 0.0f},   // top
    };
    for (const Case& c : cases) {
        settle(0.5f);
        press(c.x, c.y);
        release(c.x, c.y);
        EXPECT_EQ(button->getValue(), c.value) << c.x << ", " << c.y;
        ASSERT_EQ(listener.changes.size(), 1u) << c.x << ", " << c.y;
        EXPECT_EQ(listener.changes[0], std::make_pair(57, c.value));
    }
}

TEST_F(LrudTest, PressDragAndReleaseReportEachChange)
{
    press(110, 140);
    EXPECT_EQ(button->getValue(), 0.33f);
    ASSERT_EQ(listener.changes.size(), 1u);
    frame->idle();
    move(112, 141);
    EXPECT_EQ(listener.changes.size(), 1u) << "no report without a change";
    move(190, 140);
    EXPECT_EQ(button->getValue(), 0.67f);
    ASSERT_EQ(listener.changes.size(), 2u);
    EXPECT_EQ(listener.changes[1].second, 0.67f);
    release(190, 140);
    EXPECT_EQ(button->getValue(), 0.67f);
    EXPECT_EQ(editor.begins, std::vector<int32_t>{57});
    EXPECT_EQ(editor.ends, std::vector<int32_t>{57});
}

TEST_F(LrudTest, CornersKeepTheValueTheButtonHadWhenThePressBegan)
{
    settle(0.67f);
    for (const CPoint& corner : {CPoint(105, 105), CPoint(195, 105), CPoint(105, 175), CPoint(195, 175)}) {
        press(corner.x, corner.y);
        release(corner.x, corner.y);
        EXPECT_EQ(button->getValue(), 0.67f);
    }
    EXPECT_TRUE(listener.changes.empty());

    // Dragging out of a zone into a corner returns to the value before the press, and says so
    // although no redraw came between.
    press(150, 110);
    EXPECT_EQ(button->getValue(), 0.0f);
    move(195, 105);
    EXPECT_EQ(button->getValue(), 0.67f);
    release(195, 105);
    ASSERT_EQ(listener.changes.size(), 2u);
    EXPECT_EQ(listener.changes[1].second, 0.67f);
}

TEST_F(LrudTest, ShowsOneOfFourImages)
{
    const std::pair<float, int32_t> cases[] = {{0.0f, 0}, {0.24f, 0}, {0.33f, 1}, {0.5f, 2},
                                               {0.67f, 2}, {0.75f, 3}, {1.0f, 3}};
    for (const auto& [value, image] : cases) {
        button->setValue(value);
        redraw();
        EXPECT_EQ(red(150, 140), image) << value;
    }
    screenshot("lrud");
}

TEST_F(LrudTest, RightButtonIsNotHandled)
{
    CPoint where(110, 140);
    EXPECT_EQ(button->onMouseDown(where, kRButton), kMouseEventNotHandled);
    EXPECT_EQ(button->getValue(), 0.0f);
    EXPECT_TRUE(editor.begins.empty());
}

TEST_F(ButtonsTest, ClickRectReportsLeftClicksOnlyAndDrawsNothing)
{
    auto* area = add(new CClickRect(CRect(120, 126, 220, 140), &listener, 56));
    redraw();
    EXPECT_EQ(pixel(150, 130), pixel(5, 5)) << "invisible";

    CPoint where(150, 130);
    EXPECT_EQ(area->onMouseDown(where, kRButton), kMouseEventNotHandled);
    EXPECT_TRUE(listener.changes.empty());
    press(150, 130);
    release(150, 130);
    press(150, 130);
    release(150, 130);
    ASSERT_EQ(listener.changes.size(), 2u);
    EXPECT_EQ(listener.changes[0], std::make_pair(56, 0.0f));
    EXPECT_EQ(area->getValue(), 0.0f);
    EXPECT_TRUE(editor.begins.empty());
    EXPECT_TRUE(area->isTypeOf("CClickRect"));
    EXPECT_TRUE(area->isTypeOf("CControl"));
    EXPECT_FALSE(area->isTypeOf("CViewContainerSwitch"));
    CView* copy = area->newCopy();
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isTypeOf("CClickRect"));
    EXPECT_EQ(copy->getViewSize(), area->getViewSize());
    copy->forget();
}

TEST_F(ButtonsTest, PageSwitchFlipsBetweenZeroAndOne)
{
    auto* flip = add(new CViewContainerSwitch(CRect(78, 300, 247, 318), &listener, 52));
    press(100, 310);
    release(100, 310);
    press(100, 310);
    release(100, 310);
    ASSERT_EQ(listener.changes.size(), 2u);
    EXPECT_EQ(listener.changes[0], std::make_pair(52, 1.0f));
    EXPECT_EQ(listener.changes[1], std::make_pair(52, 0.0f));
    EXPECT_TRUE(editor.begins.empty()) << "no edit gesture";

    flip->setValue(0.4f);
    CPoint where(100, 310);
    flip->onMouseDown(where, kLButton);
    EXPECT_EQ(flip->getValue(), 0.0f) << "any value but 0 flips to 0";
    EXPECT_EQ(flip->onMouseDown(where, kRButton), kMouseEventNotHandled);
    EXPECT_TRUE(flip->isTypeOf("CViewContainerSwitch"));
    redraw();
    EXPECT_EQ(pixel(100, 310), pixel(5, 5)) << "invisible";
    CView* copy = flip->newCopy();
    EXPECT_TRUE(copy->isTypeOf("CViewContainerSwitch"));
    EXPECT_EQ(static_cast<CControl*>(copy)->getValue(), flip->getValue());
    copy->forget();
}

}  // namespace
}  // namespace velda::gui::test

#include <cmath>

#include "ControlsFixture.h"
#include "controls/CAnimKnob2.h"
#include "controls/CAnimKnob3.h"

namespace velda::gui::test {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int32_t kTag = 7;

class KnobTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CBitmap* strip = makeStrip(60, 50, 101);
        knob = add(new CAnimKnob2(CRect(170, 170, 230, 220), &listener, kTag, 101, 50, strip, CPoint()));
        strip->forget();
        knob->setDefaultValue(0.5f);
    }

    // Puts the knob at v as if it had been drawn there.
    void settle(float v)
    {
        knob->setValue(v);
        knob->setDirty(false);
        listener.changes.clear();
    }

    // A point at `degrees` (counter-clockwise from the right) on a circle round the knob's centre.
    CPoint onCircle(double degrees, double radius = 20) const
    {
        const CPoint c = knob->getViewSize().getCenter();
        const double a = degrees * kPi / 180.0;
        return CPoint(c.x + radius * std::cos(a), c.y - radius * std::sin(a));
    }

    static constexpr CCoord kX = 200, kY = 195;  // inside the knob
    CAnimKnob2* knob = nullptr;
};

TEST_F(KnobTest, LinearDragOf300PixelsUpCoversTheRange)
{
    editor.knobMode = kLinearMode;
    settle(0);
    press(kX, kY);
    move(kX, kY - 150);
    EXPECT_NEAR(knob->getValue(), 0.5f, 1e-6);
    move(kX, kY - 300);
    EXPECT_FLOAT_EQ(knob->getValue(), 1.0f);
    move(kX, kY - 400);
    EXPECT_EQ(knob->getValue(), 1.0f) << "held at the maximum";
    release(kX, kY - 400);
    EXPECT_EQ(editor.begins, std::vector<int32_t>{kTag});
    EXPECT_EQ(editor.ends, std::vector<int32_t>{kTag});
    ASSERT_FALSE(listener.changes.empty());
    EXPECT_FLOAT_EQ(listener.changes.back().second, 1.0f);
}

TEST_F(KnobTest, LinearDragWithShiftMovesOneFifth)
{
    editor.knobMode = kLinearMode;
    settle(0);
    press(kX, kY, kLButton | kShift);
    move(kX, kY - 300, kLButton | kShift);
    EXPECT_NEAR(knob->getValue(), 0.2f, 1e-6);
    EXPECT_EQ(knob->mouseFeel().dragRange, 1500.0f);
}

TEST_F(KnobTest, ShiftPressedMidDragContinuesWithoutJumpAtOneFifthSpeed)
{
    editor.knobMode = kLinearMode;
    settle(0);
    press(kX, kY);
    move(kX, kY - 150);
    ASSERT_NEAR(knob->getValue(), 0.5f, 1e-6);
    move(kX, kY - 150, kLButton | kShift);
    EXPECT_NEAR(knob->getValue(), 0.5f, 1e-6) << "no jump when Shift goes down";
    move(kX, kY - 300, kLButton | kShift);
    EXPECT_NEAR(knob->getValue(), 0.6f, 1e-6);
    move(kX, kY - 300);
    EXPECT_NEAR(knob->getValue(), 0.6f, 1e-6) << "no jump when Shift goes up";
    move(kX, kY - 330);
    EXPECT_NEAR(knob->getValue(), 0.7f, 1e-6);
    move(kX, kY);
    EXPECT_NEAR(knob->getValue(), 0.0f, 1e-6) << "back at the start point gives the corrected entry value";
}

TEST_F(KnobTest, DragBackToTheDrawnValueIsReportedWithoutARedrawBetween)
{
    editor.knobMode = kLinearMode;
    settle(0.4f);
    press(kX, kY);
    move(kX, kY - 30);
    move(kX, kY);
    release(kX, kY);
    ASSERT_EQ(listener.changes.size(), 2u);
    EXPECT_NEAR(listener.changes[0].second, 0.5f, 1e-6);
    EXPECT_EQ(listener.changes[1].second, 0.4f);
}

TEST_F(KnobTest, HorizontalMovementCountsHalf)
{
    editor.knobMode = kLinearMode;
    settle(0.2f);
    press(kX, kY);
    move(kX + 600, kY);
    const float right = knob->getValue();
    release(kX + 600, kY);
    settle(0.2f);
    press(kX, kY);
    move(kX, kY - 300);
    EXPECT_EQ(right, knob->getValue());
    EXPECT_EQ(right, 1.0f);
    release(kX, kY - 300);

    settle(0.6f);
    press(kX, kY);
    move(kX - 60, kY + 30);
    EXPECT_NEAR(knob->getValue(), 0.4f, 1e-6) << "down and left decrease";
}

TEST_F(KnobTest, AltSelectsTheOtherDragMode)
{
    struct Case {
        int32_t knobMode;
        CButtonState modifiers;
        bool linear;
    };
    const Case cases[] = {
        {kLinearMode, 0, true},
        {kLinearMode, kAlt, false},
        {kCircularMode, 0, false},
        {kCircularMode, kAlt, true},
    };
    for (const Case& c : cases) {
        editor.knobMode = c.knobMode;
        settle(0.5f);
        const CPoint top = onCircle(90);
        press(top.x, top.y, kLButton | c.modifiers);
        EXPECT_EQ(knob->mouseFeel().linearDrag, c.linear) << c.knobMode << " " << c.modifiers;
        EXPECT_EQ(knob->mouseFeel().dragMode, c.linear ? int32_t(kLinearMode) : 0);
        release(top.x, top.y, kLButton | c.modifiers);
    }
}

TEST_F(KnobTest, CircularSweepHoldsTheEndItLeftInsteadOfWrapping)
{
    editor.knobMode = kCircularMode;
    settle(0.2f);
    // The range runs clockwise from 225 degrees (lower left) to -45 degrees (lower right).
    const CPoint top = onCircle(90);
    press(top.x, top.y);
    EXPECT_NEAR(knob->getValue(), 0.5f, 1e-5) << "a circular press jumps to the pointer";
    struct Step {
        double degrees;
        float value;
    };
    const Step sweep[] = {
        {45, 2.0f / 3.0f}, {0, 225.0f / 270.0f}, {-40, 265.0f / 270.0f}, {-60, 1.0f},
        {-90, 1.0f},       {-120, 1.0f},         {-150, 1.0f},          {-170, 1.0f},
        {-60, 1.0f},       {-30, 255.0f / 270.0f},
    };
    for (const Step& s : sweep) {
        const CPoint p = onCircle(s.degrees);
        move(p.x, p.y);
        EXPECT_NEAR(knob->getValue(), s.value, 1e-5) << s.degrees << " degrees";
    }
    release(0, 0);

    // Anticlockwise from the minimum into the gap holds the minimum.
    settle(0.5f);
    const CPoint start = onCircle(210);
    press(start.x, start.y);
    EXPECT_NEAR(knob->getValue(), 15.0f / 270.0f, 1e-5);
    for (double degrees : {225.0, 240.0, 270.0, 300.0, 330.0}) {
        const CPoint p = onCircle(degrees);
        move(p.x, p.y);
        EXPECT_EQ(knob->getValue(), 0.0f) << degrees << " degrees";
    }
}

TEST_F(KnobTest, CtrlClickSetsTheDefaultAndReportsOnce)
{
    editor.knobMode = kLinearMode;
    settle(0.2f);
    CPoint where(kX, kY);
    EXPECT_EQ(knob->onMouseDown(where, kLButton | kControl), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    EXPECT_EQ(knob->getValue(), 0.5f);
    ASSERT_EQ(listener.changes.size(), 1u);
    EXPECT_EQ(listener.changes[0], std::make_pair(kTag, 0.5f));
    EXPECT_EQ(editor.begins.size(), 1u);
    EXPECT_EQ(editor.ends.size(), 1u);

    // Through the frame: no drag follows.
    settle(0.2f);
    press(kX, kY, kLButton | kControl);
    move(kX, kY - 100);
    release(kX, kY - 100);
    EXPECT_EQ(knob->getValue(), 0.5f);
    EXPECT_EQ(listener.changes.size(), 1u);
}

TEST_F(KnobTest, DoubleClickAsksForTypedEntryAndChangesNothing)
{
    settle(0.3f);
    press(kX, kY, kLButton | kDoubleClick);
    move(kX, kY - 100);
    release(kX, kY - 100);
    EXPECT_EQ(listener.typedStarts, std::vector<int32_t>{kTag});
    EXPECT_TRUE(listener.changes.empty());
    EXPECT_EQ(knob->getValue(), 0.3f);
    EXPECT_EQ(editor.begins.size(), 1u);
    EXPECT_EQ(editor.ends.size(), 1u);
}

TEST_F(KnobTest, WheelStepsAndStopsAtTheEnds)
{
    settle(0.5f);
    EXPECT_TRUE(wheel(kX, kY, 1.0f));
    EXPECT_NEAR(knob->getValue(), 0.51f, 1e-6);
    knob->setDirty(false);
    EXPECT_TRUE(wheel(kX, kY, 1.0f, kShift));
    EXPECT_NEAR(knob->getValue(), 0.511f, 1e-6);
    EXPECT_EQ(listener.changes.size(), 2u);
    EXPECT_EQ(editor.begins.size(), 2u);
    EXPECT_EQ(editor.ends.size(), 2u);

    settle(1.0f);
    EXPECT_TRUE(wheel(kX, kY, 1.0f));
    EXPECT_EQ(knob->getValue(), 1.0f);
    EXPECT_TRUE(listener.changes.empty()) << "nothing to report at the top";
    settle(0.0f);
    EXPECT_TRUE(wheel(kX, kY, -3.0f));
    EXPECT_EQ(knob->getValue(), 0.0f);
    EXPECT_TRUE(listener.changes.empty());
}

TEST_F(KnobTest, KnobWithoutListenerIgnoresTheMouse)
{
    knob->setListener(nullptr);
    settle(0.2f);
    CPoint where(kX, kY);
    EXPECT_EQ(knob->onMouseDown(where, kLButton), kMouseEventNotHandled);
    EXPECT_EQ(knob->onMouseDown(where, kLButton | kControl), kMouseEventNotHandled);
    EXPECT_EQ(knob->getValue(), 0.2f);
    EXPECT_TRUE(editor.begins.empty());
    EXPECT_EQ(knob->onMouseDown(where, kRButton), kMouseEventNotHandled);
}

TEST_F(KnobTest, ShowsTheFilmStripImageOfItsValue)
{
    struct Case {
        float value;
        int32_t image;
    };
    // floor(floor(100 x 50 x v) / 50)
    const Case cases[] = {{0.0f, 0}, {-0.5f, 0}, {0.005f, 0}, {0.013f, 1}, {0.5f, 50}, {0.999f, 99}, {1.0f, 100}};
    for (const Case& c : cases) {
        knob->setValueUnbounded(c.value);
        redraw();
        EXPECT_EQ(red(200, 195), c.image) << c.value;
        EXPECT_EQ(red(170, 170), c.image) << c.value;
    }
}

TEST(AnimKnob3Test, DrawsFromTheColumnOfItsImage)
{
    // 101 images of 93 pixels wrapped into columns of 10, 113 pixels apart.
    constexpr int32_t kColumnWidth = 113, kImageHeight = 93, kPerColumn = 10;
    auto* bitmap = new CBitmap(1243, 930);
    for (int32_t k = 0; k < 101; ++k)
        for (int32_t y = 0; y < kImageHeight; ++y)
            for (int32_t x = 0; x < kColumnWidth; ++x) {
                uint8_t* p = bitmap->pixel((k / kPerColumn) * kColumnWidth + x, (k % kPerColumn) * kImageHeight + y);
                p[0] = uint8_t(k);
                p[1] = uint8_t(k % kPerColumn);
                p[2] = uint8_t(k / kPerColumn);
                p[3] = 255;
            }
    RecordingEditor editor;
    RecordingListener listener;
    auto* frame = new CFrame(CRect(0, 0, 300, 300), &editor);
    auto* knob = new CAnimKnob3(CRect(122, 162, 235, 255), &listener, 4, 101, kColumnWidth, kImageHeight, bitmap,
                                CPoint());
    bitmap->forget();
    frame->addView(knob);

    struct Case {
        float value;
        int32_t image;
    };
    const Case cases[] = {{0.0f, 0}, {0.05f, 5}, {0.1f, 10}, {0.25f, 25}, {0.5f, 50}, {0.99f, 99}, {1.0f, 100}};
    for (const Case& c : cases) {
        knob->setValue(c.value);
        const CPoint source = knob->imageSource();
        EXPECT_EQ(source.x, (c.image / kPerColumn) * kColumnWidth) << c.value;
        EXPECT_EQ(source.y, (c.image % kPerColumn) * kImageHeight) << c.value;
        frame->redraw();
        const uint32_t p = frame->getPixel(178, 208);
        EXPECT_EQ(int32_t(p & 0xff), c.image) << c.value;
        EXPECT_EQ(frame->getPixel(122, 162), p);
        EXPECT_EQ(frame->getPixel(234, 254), p);
    }

    // The same feel as the single-column knob.
    knob->setValue(0.5f);
    knob->setDirty(false);
    frame->platformWheel(178, 208, 1.0f, 0);
    EXPECT_NEAR(knob->getValue(), 0.51f, 1e-6);
    editor.knobMode = kLinearMode;
    frame->platformMouseDown(178, 208, kLButton);
    frame->platformMouseMoved(178, 208 - 147, kLButton);
    frame->platformMouseUp(178, 208 - 147, kLButton);
    EXPECT_NEAR(knob->getValue(), 1.0f, 1e-6);
    frame->platformMouseDown(178, 208, kLButton | kDoubleClick);
    EXPECT_EQ(listener.typedStarts, std::vector<int32_t>{4});
    frame->close();
}

}  // namespace
}  // namespace velda::gui::test

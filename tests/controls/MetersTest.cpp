#include <cmath>

#include "ControlsFixture.h"
#include "controls/CCounter.h"
#include "controls/CMovieLED.h"
#include "controls/CMovieMeter.h"
#include "controls/COldVuMeter.h"

namespace velda::gui::test {
namespace {

constexpr double kPi = 3.14159265358979323846;

class MovieMeterTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        // 101 images of 4 pixels; the second scale's strip has a blue tint of its own.
        CBitmap* normal = makeStrip(20, 4, 101, 1);
        CBitmap* second = makeStrip(20, 4, 101, 2);
        meter = add(new CMovieMeter(CRect(50, 40, 70, 44), &listener, 25, 101, 4, normal, second, CPoint(), 0));
        normal->forget();
        second->forget();
        meter->setMax(1.44f);
    }
    // The image and the strip (1 normal, 2 second scale) on screen.
    std::pair<int32_t, int32_t> shown()
    {
        redraw();
        return {red(60, 42), blue(60, 42)};
    }
    CMovieMeter* meter = nullptr;
};

TEST_F(MovieMeterTest, ValuesMapToImagesOnBothScales)
{
    struct Case {
        int32_t altScale;
        float value;
        int32_t image;
    };
    const Case cases[] = {
        {0, 0.0f, 2}, {0, 1.0f, 64}, {0, 1.44f, 97}, {0, 0.5f, 29}, {0, 0.25f, 13},
        {1, 1.0f, 64}, {1, 0.25f, 29}, {1, 0.0f, 2}, {1, 1.44f, 79},
    };
    for (const Case& c : cases) {
        meter->setAltScale(c.altScale);
        meter->setValue(c.value);
        EXPECT_EQ(meter->imageFor(c.value), c.image) << c.altScale << " " << c.value;
        EXPECT_EQ(shown(), std::make_pair(c.image, c.altScale ? 2 : 1)) << c.altScale << " " << c.value;
    }
    // The strip ends at (0.982 / 0.617)^(1 / 1.2), about 1.473.
    meter->setAltScale(0);
    meter->setMax(3.0f);
    meter->setValue(1.48f);
    EXPECT_EQ(shown().first, 100);
    meter->setValue(3.0f);
    EXPECT_EQ(shown().first, 100);
}

TEST_F(MovieMeterTest, NegativeValueIsStoredAsZero)
{
    meter->setMin(-1.0f);
    meter->setValue(-0.5f);
    EXPECT_EQ(shown().first, 2);
    EXPECT_EQ(meter->getValue(), 0.0f);
}

TEST_F(MovieMeterTest, ClickSwapsTheScaleAndReportsIt)
{
    press(60, 42);
    release(60, 42);
    EXPECT_EQ(meter->getAltScale(), 1);
    press(60, 42);
    release(60, 42);
    EXPECT_EQ(meter->getAltScale(), 0);
    ASSERT_EQ(listener.changes.size(), 2u);
    EXPECT_EQ(listener.changes[0], std::make_pair(25, 1.0f));
    EXPECT_EQ(listener.changes[1], std::make_pair(25, 0.0f));
    CPoint where(60, 42);
    EXPECT_EQ(meter->onMouseDown(where, kRButton), kMouseEventNotHandled);
    EXPECT_EQ(listener.changes.size(), 2u);
}

TEST_F(MovieMeterTest, SecondScaleWithoutItsStripDrawsNothing)
{
    CBitmap* normal = makeStrip(20, 4, 101, 1);
    auto* single = add(new CMovieMeter(CRect(100, 40, 120, 44), &listener, 26, 101, 4, normal, nullptr, CPoint(), 1));
    normal->forget();
    single->setValue(1.0f);
    redraw();
    EXPECT_EQ(pixel(110, 42), pixel(5, 5));
    single->setAltScale(0);
    redraw();
    EXPECT_EQ(red(110, 42), 64);
    EXPECT_TRUE(single->isTypeOf("CMovieMeter"));
    CView* copy = single->newCopy();
    EXPECT_TRUE(copy->isTypeOf("CMovieMeter"));
    EXPECT_EQ(static_cast<CMovieMeter*>(copy)->getAltScale(), 0);
    copy->forget();
}

class MovieLedTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CBitmap* strip = makeStrip(21, 21, 6);
        led = add(new CMovieLED(CRect(160, 109, 181, 130), &listener, 54, 6, 21, strip, CPoint()));
        strip->forget();
    }
    // One editor idle: feed the input, let the frame redraw what is dirty.
    int32_t idle(float input)
    {
        led->setValue(input);
        frame->idle();
        return red(170, 119);
    }
    CMovieLED* led = nullptr;
};

TEST_F(MovieLedTest, LatchesAndDecaysToHalfLit)
{
    redraw();
    EXPECT_EQ(red(170, 119), 0);
    EXPECT_EQ(idle(1.0f), 5);
    EXPECT_EQ(idle(0.0f), 4);
    EXPECT_EQ(idle(0.0f), 3);
    EXPECT_EQ(idle(0.0f), 2);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(idle(0.0f), 2) << "held half lit";
    EXPECT_EQ(led->getShownImage(), 2);
    EXPECT_EQ(idle(0.5f), 3) << "a higher input shows at once";
    EXPECT_EQ(idle(0.0f), 2);

    press(170, 119);
    release(170, 119);
    frame->idle();
    EXPECT_EQ(red(170, 119), 0);
    EXPECT_TRUE(listener.changes.empty()) << "the click is not reported";
    EXPECT_EQ(idle(0.0f), 0);

    EXPECT_EQ(idle(1.0f), 5);
    led->reset();
    frame->idle();
    EXPECT_EQ(red(170, 119), 0);
}

TEST_F(MovieLedTest, InputAboveOneLightsTheLastImageAndKeepsItsLevel)
{
    led->setMax(2.0f);
    EXPECT_EQ(idle(2.0f), 5);
    // The held level is 2.0: it takes several redraws to fall below 1.
    EXPECT_EQ(idle(0.0f), 5);
    CPoint where(170, 119);
    EXPECT_EQ(led->onMouseDown(where, kRButton), kMouseEventNotHandled);
    EXPECT_TRUE(led->isTypeOf("CMovieLED"));
}

using Glyphs = CCounter::Glyphs;
constexpr int32_t P = CCounter::kGlyphPoint, K = CCounter::kGlyphKilo, PL = CCounter::kGlyphPlus,
                  MI = CCounter::kGlyphMinus, PC = CCounter::kGlyphPercent, DB = CCounter::kGlyphDecibel,
                  MS = CCounter::kGlyphMilliseconds, B = CCounter::kGlyphBlank;

struct CounterCase {
    int32_t mode;
    float value;
    Glyphs glyphs;
};

class CounterGlyphsTest : public ::testing::TestWithParam<CounterCase> {};

TEST_P(CounterGlyphsTest, ShowsTheValueInItsMode)
{
    const CounterCase& c = GetParam();
    EXPECT_EQ(CCounter::glyphsFor(c.value, c.mode), c.glyphs) << "mode " << c.mode << " value " << c.value;
}

const CounterCase kCounterCases[] = {
    {0, 15.32f, {B, B, B, B, B, B}},
    {0, -3.0f, {B, B, B, B, B, B}},

    {1, 0.006f, {PL, 0, P, 0, 1, DB}},
    {1, 0.004f, {B, 0, P, 0, 0, DB}},
    {1, -3.456f, {MI, 3, P, 4, 6, DB}},
    {1, 12.34f, {PL, 1, 2, P, 3, DB}},
    {1, -0.005f, {MI, 0, P, 0, 1, DB}},
    {1, 0.0049f, {B, 0, P, 0, 0, DB}},
    {1, 0.0f, {B, 0, P, 0, 0, DB}},
    {1, -24.0f, {MI, 2, 4, P, 0, DB}},
    {1, 15.32f, {PL, 1, 5, P, 3, DB}},
    {1, 9.999f, {PL, 1, 0, P, 0, DB}},

    {2, 0.125f, {B, B, 0, P, 1, MS}},
    {2, 150.0f, {1, 5, 0, P, 0, MS}},
    {2, 1234.5f, {B, 1, K, 2, 3, MS}},
    {2, 999.96f, {B, 1, K, 0, 0, MS}},
    {2, 9.995f, {B, 1, 0, P, 0, MS}},
    {2, 26.13f, {B, 2, 6, P, 1, MS}},
    {2, 0.0f, {B, B, 0, P, 0, MS}},
    {2, 12345.0f, {1, 2, K, 3, 5, MS}},
    {2, 105.0f, {1, 0, 5, P, 0, MS}},

    {3, 0.0f, {B, B, 0, P, 0, PC}},
    {3, 12.34f, {B, 1, 2, P, 3, PC}},
    {3, 99.99f, {1, 0, 0, P, 0, PC}},
    {3, 100.0f, {1, 0, 0, P, 0, PC}},
    {3, 5.05f, {B, B, 5, P, 1, PC}},
    {3, 50.0f, {B, 5, 0, P, 0, PC}},

    {4, 2.345f, {B, B, 2, P, 3, 5}},
    {4, 150.0f, {1, 5, 0, P, 0, 0}},
    {4, 1234.5f, {2, 3, 4, P, 5, 0}},
    {4, -2.5f, {B, B, 2, P, 5, 0}},
    {-1, 0.29f, {B, B, 0, P, 2, 9}},
    {7, 10.0f, {B, 1, 0, P, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Table, CounterGlyphsTest, ::testing::ValuesIn(kCounterCases));

class CounterTest : public FrameFixture {};

TEST_F(CounterTest, DrawsTheSixGlyphsFromItsStrip)
{
    // 18 glyphs of 9 x 17; glyph g filled with red g.
    CBitmap* glyphs = makeStrip(9, 17, 18);
    auto* counter = add(new CCounter(CRect(152, 281, 207, 297), &listener, 50, 15.32f, 1, 152, 281, 9, 17, glyphs));
    glyphs->forget();
    EXPECT_EQ(counter->getValue(), 15.32f);

    auto read = [&] {
        Glyphs shown;
        for (int32_t i = 0; i < 6; ++i) shown[size_t(i)] = red(152 + i * 9 + 4, 289);
        return shown;
    };
    redraw();
    EXPECT_EQ(read(), (Glyphs{PL, 1, 5, P, 3, DB}));
    counter->setValueAndMode(-3.456f, 1);
    EXPECT_TRUE(counter->isDirty());
    frame->idle();
    EXPECT_EQ(read(), (Glyphs{MI, 3, P, 4, 6, DB}));
    EXPECT_EQ(counter->getGlyphs(), (Glyphs{MI, 3, P, 4, 6, DB}));
    counter->setValueAndMode(1234.5f, 2);
    frame->idle();
    EXPECT_EQ(read(), (Glyphs{B, 1, K, 2, 3, MS}));
    counter->setValueAndMode(0.0f, 0);
    frame->idle();
    EXPECT_EQ(read(), (Glyphs{B, B, B, B, B, B}));
    screenshot("counter");
    EXPECT_TRUE(counter->isTypeOf("CCounter"));
}

class OldVuMeterTest : public FrameFixture {
protected:
    static constexpr CCoord kPivotX = 121, kPivotY = 119;

    void SetUp() override
    {
        FrameFixture::SetUp();
        CBitmap* face = makeFilled(145, 90, kWhiteCColor);
        CBitmap* indicator = makeStrip(21, 7, 3);
        meter = add(new COldVuMeter(CRect(49, 34, 194, 124), &listener, 17, face, nullptr, CPoint(250, 200),
                                    CPoint(49, 86), indicator, CPoint(kPivotX, kPivotY), 3.0f, 68.0f));
        face->forget();
        indicator->forget();
        meter->setMax(2.0f);
    }

    // The direction of the drawn needle, in degrees counter-clockwise from the right: the mean
    // direction of the needle's dark pixels at 20 to 60 pixels from the pivot.
    double measuredAngle()
    {
        redraw();
        double sx = 0, sy = 0;
        for (int32_t y = 0; y < kHeight; ++y)
            for (int32_t x = 0; x < kWidth; ++x) {
                const double dx = x + 0.5 - (kPivotX + 0.5), dy = (kPivotY + 0.5) - (y + 0.5);
                const double r = std::sqrt(dx * dx + dy * dy);
                if (r < 20 || r > 60) continue;
                const double ink = (255.0 - red(x, y)) / 155.0;  // 1 at the needle's full colour
                if (ink < 0.5) continue;                            // leaves out the faint shadow
                sx += ink * dx / r;
                sy += ink * dy / r;
            }
        return std::atan2(sy, sx) * 180.0 / kPi;
    }

    COldVuMeter* meter = nullptr;
};

TEST_F(OldVuMeterTest, NeedleAngleOnTheRenderedPixels)
{
    struct Case {
        float value;
        double degrees;
        float stored;
    };
    const Case cases[] = {
        {0.0f, 150.0, 1e-6f},
        {1.44f, 30.0, 1.44f},
        {2.0f, 30.0, 1.44f},
        {0.72f, 150.0 - std::pow(0.5, 1.2) * 120.0, 0.72f},
        {1.0f, 150.0 - std::pow(1.0 / 1.44, 1.2) * 120.0, 1.0f},
    };
    for (const Case& c : cases) {
        meter->setValue(c.value);
        EXPECT_NEAR(measuredAngle(), c.degrees, 0.5) << c.value;
        EXPECT_EQ(meter->getValue(), c.stored) << c.value;
    }
    screenshot("old-vu-meter");
}

TEST_F(OldVuMeterTest, NeedleIsAntiAliasedAndCastsAFaintShadow)
{
    // The value at which the needle stands upright.
    const float upright = float(1.44 * std::pow(0.5, 1.0 / 1.2));
    meter->setValue(upright);
    EXPECT_NEAR(measuredAngle(), 90.0, 0.5);
    // Needle: 2 pixels wide round x = 121.5, so pixels 120.5..122.5 are covered; the shadow runs
    // 3 pixels to the right and 2 down, 1 pixel wide, at alpha 70.
    const int32_t y = int32_t(kPivotY) - 40;
    EXPECT_EQ(red(121, y), 100);
    EXPECT_EQ(blue(121, y), 105);
    const int32_t edge = red(120, y);
    EXPECT_GT(edge, 100) << "partly covered edge pixel";
    EXPECT_LT(edge, 255);
    EXPECT_NEAR(red(124, y + 2), (120 * 70 + 255 * 185) / 255, 3);
    EXPECT_NEAR(blue(124, y + 2), (125 * 70 + 255 * 185) / 255, 3);
    EXPECT_EQ(red(127, y), 255);
    EXPECT_EQ(red(116, y), 255);
}

TEST_F(OldVuMeterTest, OverlayCoversTheNeedle)
{
    CBitmap* face = makeFilled(145, 90, kWhiteCColor);
    CBitmap* overlay = makeFilled(145, 10, MakeCColor(0, 200, 0));
    CBitmap* indicator = makeStrip(21, 7, 3);
    auto* covered = add(new COldVuMeter(CRect(249, 34, 394, 124), &listener, 18, face, overlay, CPoint(360, 130),
                                        CPoint(249, 100), indicator, CPoint(321, 119), 3.0f, 68.0f));
    face->forget();
    overlay->forget();
    indicator->forget();
    covered->setValue(float(1.44 * std::pow(0.5, 1.0 / 1.2)));
    redraw();
    EXPECT_EQ(green(321, 105), 200) << "the overlay lies over the needle";
    EXPECT_EQ(red(321, 95), 100) << "the needle above the overlay";
}

TEST_F(OldVuMeterTest, IndicatorShowsOverThenOverHappenedUntilReset)
{
    // The indicator lies outside the view's rectangle: the idle redraw must still reach it.
    auto image = [&] {
        frame->idle();
        return red(260, 203);
    };
    EXPECT_EQ(image(), 2);
    meter->setMeter(0.5f, 1.0f);
    EXPECT_EQ(meter->indicatorImage(), 0);
    EXPECT_EQ(image(), 0);
    meter->setMeter(0.5f, 0.0f);
    EXPECT_EQ(image(), 1);
    meter->setMeter(0.5f, 0.0f);
    meter->setMeter(0.2f, 0.3f);
    EXPECT_EQ(image(), 1);
    meter->setMeter(0.5f, 1.0f);
    EXPECT_EQ(image(), 0);
    meter->resetIndicator();
    EXPECT_EQ(image(), 2);
    meter->setIndicatorState(0.7f);
    EXPECT_EQ(image(), 0);
    meter->setIndicatorState(-1.0f);
    EXPECT_EQ(meter->getIndicatorState(), 1e-9f);
    EXPECT_EQ(image(), 2);
}

TEST_F(OldVuMeterTest, SetMeterLimitsTheLevel)
{
    meter->setMeter(5.0f, 0.0f);
    EXPECT_EQ(meter->getValue(), 2.0f) << "3 at most, then the meter's range";
    meter->setMeter(1e-9f, 0.0f);
    EXPECT_EQ(meter->getValue(), 1e-9f);
    EXPECT_NEAR(measuredAngle(), 150.0, 0.5);
}

TEST_F(OldVuMeterTest, ClickIsReportedWithoutChangingTheValue)
{
    meter->setValue(0.3f);
    press(100, 60);
    release(100, 60);
    ASSERT_EQ(listener.changes.size(), 1u);
    EXPECT_EQ(listener.changes[0], std::make_pair(17, 0.3f));
    CPoint where(100, 60);
    EXPECT_EQ(meter->onMouseDown(where, kRButton), kMouseEventNotHandled);
    EXPECT_TRUE(meter->isTypeOf("COldVuMeter"));
    CView* copy = meter->newCopy();
    EXPECT_TRUE(copy->isTypeOf("COldVuMeter"));
    copy->forget();
}

}  // namespace
}  // namespace velda::gui::test

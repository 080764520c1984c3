#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "ToolkitFixture.h"

namespace velda::test {

using Drawing = FrameTest;

TEST_F(Drawing, AnimKnobShowsTheImageOfItsValue)
{
    CBitmap* strip = makeStrip(20, 10, 11);
    auto* knob = new CAnimKnob(CRect(5, 5, 25, 15), &listener, 1, 11, 10, strip);
    strip->forget();
    frame->addView(knob);
    const struct {
        float value;
        int image;
    } cases[] = {{0.0f, 0}, {0.05f, 0}, {0.1f, 1}, {0.5f, 5}, {0.99f, 9}, {1.0f, 10}};
    for (const auto& c : cases) {
        knob->setValue(c.value);
        frame->idle();
        EXPECT_EQ(frame->getPixel(10, 10), packed(stripColor(c.image))) << c.value;
    }
}

TEST_F(Drawing, SwitchImagesAndBackOffsets)
{
    CBitmap* two = makeStrip(10, 10, 2);
    CBitmap* three = makeStrip(10, 10, 3);
    auto* onOff = new COnOffButton(CRect(0, 0, 10, 10), &listener, 1, two);
    auto* vertical = new CVerticalSwitch(CRect(20, 0, 30, 10), &listener, 2, 3, 10, 3, three);
    auto* display = new CParamDisplay(CRect(40, 0, 50, 10), three, kNoTextStyle);
    display->setBackOffset(CPoint(0, 25));
    for (CView* v : {static_cast<CView*>(onOff), static_cast<CView*>(vertical), static_cast<CView*>(display)})
        frame->addView(v);
    two->forget();
    three->forget();
    onOff->setValue(1.0f);
    vertical->setValue(0.5f);
    frame->idle();
    EXPECT_EQ(frame->getPixel(5, 5), packed(stripColor(1)));
    EXPECT_EQ(frame->getPixel(25, 5), packed(stripColor(1)));
    EXPECT_EQ(frame->getPixel(45, 2), packed(stripColor(2))) << "the display shows the bitmap from its back offset";
}

TEST_F(Drawing, OnlyDirtyAndInvalidatedAreasAreRedrawn)
{
    CBitmap* strip = makeStrip(10, 10, 2);
    auto* a = new COnOffButton(CRect(0, 0, 10, 10), &listener, 1, strip);
    auto* b = new COnOffButton(CRect(20, 0, 30, 10), &listener, 2, strip);
    strip->forget();
    frame->addView(a);
    frame->addView(b);
    frame->idle();
    EXPECT_FALSE(a->isDirty());
    // Paint over b's pixels behind the toolkit's back: they stay until b is dirty again.
    CDrawContext context(const_cast<uint8_t*>(frame->getPixels()), 200, 150, frame->getPixelStride());
    context.setFillColor(kWhiteCColor);
    context.drawRect(CRect(20, 0, 30, 10), kDrawFilled);
    a->setValue(1.0f);
    frame->idle();
    EXPECT_EQ(frame->getPixel(5, 5), packed(stripColor(1)));
    EXPECT_EQ(frame->getPixel(25, 5), packed(kWhiteCColor));
    b->setDirty(true);
    frame->idle();
    EXPECT_EQ(frame->getPixel(25, 5), packed(stripColor(0)));
}

TEST_F(Drawing, ContainerBackgroundComesFromItsOwnOrigin)
{
    CBitmap* strip = makeStrip(200, 10, 15);
    frame->setBackground(strip);
    auto* page = new CViewContainer(CRect(0, 50, 100, 100), strip);
    page->setBackgroundOffset(CPoint(0, 100));
    strip->forget();
    frame->addView(page);
    frame->idle();
    EXPECT_EQ(frame->getPixel(50, 20), packed(stripColor(2)));
    EXPECT_EQ(frame->getPixel(50, 55), packed(stripColor(10))) << "page row 0 shows bitmap row 100";
    EXPECT_EQ(frame->getPixel(150, 55), packed(stripColor(5))) << "outside the page: the frame's background";
}

TEST(Renderer, LinesBlendWithAlphaAndAntialiasing)
{
    std::vector<uint8_t> pixels(20 * 20 * 4, 0);
    CDrawContext context(pixels.data(), 20, 20, 80);
    context.setFrameColor(CColor{255, 0, 0, 255});
    context.drawLine(CPoint(2, 2), CPoint(2, 10));
    EXPECT_EQ(context.getPixel(2, 6) & 0xff, 255u);
    EXPECT_EQ(context.getPixel(3, 6) & 0xff, 0u);
    context.setDrawMode(kAntialias);
    context.setLineWidth(1);
    context.setFrameColor(CColor{0, 255, 0, 128});
    context.drawLine(CPoint(10, 2.5), CPoint(18, 2.5));  // centred on row 2
    EXPECT_NEAR(double((context.getPixel(14, 2) >> 8) & 0xff), 128.0, 1.0);
    context.drawLine(CPoint(10, 6), CPoint(18, 6));  // on the boundary between rows 5 and 6
    EXPECT_NEAR(double((context.getPixel(14, 5) >> 8) & 0xff), 64.0, 1.0);
    EXPECT_NEAR(double((context.getPixel(14, 6) >> 8) & 0xff), 64.0, 1.0);
}

namespace {
std::string sourcePath(const std::string& relative)
{
    const char* root = std::getenv("VELDA_SOURCE_DIR");
    return std::string(root ? root : ".") + "/" + relative;
}
}  // namespace

// Text is drawn from the embedded faces by the same arithmetic everywhere; the golden picture was
// made by this renderer and matches within a small tolerance.
TEST(Renderer, TextMatchesTheGoldenPicture)
{
    const int w = 120, h = 48;
    std::vector<uint8_t> pixels(size_t(w) * h * 4, 0);
    for (size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = 209;
        pixels[i + 1] = 227;
        pixels[i + 2] = 238;
        pixels[i + 3] = 255;
    }
    CDrawContext context(pixels.data(), w, h, w * 4);
    context.setFont(kNormalFontSmall);
    context.setFontColor(CColor{36, 36, 32, 255});
    context.drawString("Velda -6.0dB", CRect(0, 0, w, 16), kCenterText);
    context.setFont(kNormalFontVerySmall);
    context.drawString("1151smps", CRect(2, 16, w, 30), kLeftText);
    context.setFont(kSystemFont);
    context.setFontColor(kBlackCColor);
    context.drawString("x2.50 %", CRect(0, 30, w - 2, 48), kRightText);

    const std::string golden = sourcePath("tests/toolkit/golden/text.png");
    if (std::getenv("VELDA_UPDATE_GOLDEN")) stbi_write_png(golden.c_str(), w, h, 4, pixels.data(), w * 4);
    int gw = 0, gh = 0, channels = 0;
    unsigned char* expected = stbi_load(golden.c_str(), &gw, &gh, &channels, 4);
    ASSERT_NE(expected, nullptr) << golden;
    ASSERT_EQ(gw, w);
    ASSERT_EQ(gh, h);
    int differing = 0, worst = 0;
    for (size_t i = 0; i < pixels.size(); ++i) {
        const int d = std::abs(int(pixels[i]) - int(expected[i]));
        worst = std::max(worst, d);
        differing += d > 2;
    }
    stbi_image_free(expected);
    EXPECT_LE(worst, 24);
    EXPECT_LE(differing, 12);
    // Some ink in every line.
    int ink = 0;
    for (size_t i = 0; i < pixels.size(); i += 4) ink += pixels[i] < 120;
    EXPECT_GT(ink, 100);
}

TEST(Renderer, StringWidthGrowsWithTheFontSize)
{
    uint8_t pixel[4];
    CDrawContext context(pixel, 1, 1, 4);
    context.setFont(kNormalFontVerySmall);
    const CCoord small = context.getStringWidth("Emberline");
    context.setFont(kNormalFontBig);
    const CCoord big = context.getStringWidth("Emberline");
    EXPECT_GT(small, 30);
    EXPECT_NEAR(big / small, 14.0 / 9.0, 0.05);
}

}  // namespace velda::test

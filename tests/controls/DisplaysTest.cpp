#include <algorithm>

#include "ControlsFixture.h"
#include "controls/CBackDisplay.h"
#include "controls/CLabel2.h"
#include "controls/CMyTextEdit.h"
#include "controls/ValueConversions.h"
#include "toolkit/VirtualKeys.h"

namespace velda::gui::test {
namespace {

// Exposes the text a display shows.
class ProbeDisplay : public CBackDisplay {
public:
    using CBackDisplay::CBackDisplay;
    using CBackDisplay::valueText;
};

// A page whose pixel (x, y) is (x, y, 77) so any copied piece shows where it came from.
CBitmap* makePage(int32_t width, int32_t height)
{
    auto* page = new CBitmap(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            uint8_t* p = page->pixel(x, y);
            p[0] = uint8_t(x);
            p[1] = uint8_t(y);
            p[2] = 77;
            p[3] = 255;
        }
    return page;
}

class DisplaysTest : public FrameFixture {};

TEST_F(DisplaysTest, ValueDisplayPaintsThePageUnderItAndTheConvertedEngineeringValue)
{
    CBitmap* page = makePage(200, 200);
    auto* display = add(new ProbeDisplay(CRect(120, 150, 165, 160), page, 0));
    page->forget();
    display->setBackOffset(CPoint(120, 150));
    display->setHoriAlign(kCenterText);
    display->setFont(kNormalFontVerySmall);
    display->setFontColor(MakeCColor(40, 40, 40));
    display->setValueUnbounded(26.13f);
    display->setStringConvert(millisecondsString);

    char text[256];
    display->valueText(text);
    EXPECT_STREQ(text, "26.1ms");
    EXPECT_EQ(display->getValue(), 26.13f);  // not clamped to 0..1
    EXPECT_EQ(display->getTag(), -1);
    EXPECT_EQ(display->getListener(), nullptr);

    redraw();
    // Corners carry no text: they show the page at the same place.
    EXPECT_EQ(red(120, 150), 120);
    EXPECT_EQ(green(120, 150), 150);
    EXPECT_EQ(red(164, 159), 164);
    EXPECT_EQ(green(164, 159), 159);
    int dark = 0;
    for (int32_t y = 150; y < 160; ++y)
        for (int32_t x = 120; x < 165; ++x) dark += blue(x, y) < 60;
    EXPECT_GT(dark, 10) << "the text is drawn in the font colour";
    EXPECT_TRUE(display->isTypeOf("CParamDisplay"));
}

TEST_F(DisplaysTest, LabelShowsItsTextCentredAndBlackWhateverTheValue)
{
    static const char* const kText = "v2.5.1";
    auto* label = add(new CLabel2(CRect(100, 45, 160, 57), kText));
    EXPECT_TRUE(label->isDirty());
    frame->setBackgroundColor(MakeCColor(200, 210, 220));
    redraw();
    screenshot("label");

    int32_t left = 1000, right = -1, inked = 0;
    std::vector<uint32_t> first;
    for (int32_t y = 45; y < 57; ++y)
        for (int32_t x = 100; x < 160; ++x) {
            first.push_back(pixel(x, y));
            const int32_t r = red(x, y), g = green(x, y), b = blue(x, y);
            if (r < 200) {
                ++inked;
                left = std::min(left, x);
                right = std::max(right, x);
                // Black over the background: the three channels stay in the background's ratio.
                EXPECT_LE(r, g);
                EXPECT_LE(g, b);
            }
        }
    ASSERT_GT(inked, 10);
    EXPECT_NEAR((left + right + 1) * 0.5, 130.0, 1.5) << "centred";
    EXPECT_EQ(red(100, 45), 200) << "the background is not filled";
    EXPECT_EQ(red(159, 56), 200);

    label->setValue(0.77f);
    redraw();
    std::vector<uint32_t> second;
    for (int32_t y = 45; y < 57; ++y)
        for (int32_t x = 100; x < 160; ++x) second.push_back(pixel(x, y));
    EXPECT_EQ(first, second);
    EXPECT_FALSE(label->isDirty());
}

class TypedEntryTest : public FrameFixture {
protected:
    void type(const char* text)
    {
        for (const char* c = text; *c; ++c) {
            vst::VstKeyCode key{*c, 0, 0};
            frame->onKeyDown(key);
        }
    }
};

TEST_F(TypedEntryTest, LosingFocusAppliesTheRememberedIndexOnceThenMinusOne)
{
    auto* field = add(new CMyTextEdit(CRect(151, 281, 207, 298), &listener, 58, nullptr, nullptr, 0));
    EXPECT_EQ(field->getTagToEdit(), -1);
    field->setText("12.0");
    frame->setFocusView(field);
    field->startEditing(7);
    EXPECT_EQ(field->getTagToEdit(), 7);
    EXPECT_TRUE(field->isEditing());
    EXPECT_TRUE(editor.begins.empty()) << "the field had the focus already";

    vst::VstKeyCode back{0, VKEY_BACK, 0};
    for (int i = 0; i < 4; ++i) frame->onKeyDown(back);
    type("3.5");
    frame->setFocusView(nullptr);

    ASSERT_EQ(listener.applied.size(), 1u);
    EXPECT_EQ(listener.applied[0].first, 7);
    EXPECT_EQ(listener.applied[0].second, "3.5");
    EXPECT_EQ(field->getTagToEdit(), -1);

    field->looseFocus();
    ASSERT_EQ(listener.applied.size(), 2u);
    EXPECT_EQ(listener.applied[1].first, -1);
    EXPECT_EQ(listener.applied[1].second, "3.5");
}

TEST_F(TypedEntryTest, StartingWithoutFocusOpensTheEditGesture)
{
    auto* field = add(new CMyTextEdit(CRect(151, 281, 207, 298), &listener, 58));
    field->startEditing(9);
    EXPECT_EQ(editor.begins, std::vector<int32_t>{58});
    EXPECT_TRUE(field->isEditing());
    field->looseFocus();
    ASSERT_EQ(listener.applied.size(), 1u);
    EXPECT_EQ(listener.applied[0].first, 9);
}

TEST_F(TypedEntryTest, FieldWithoutListenerAppliesNothing)
{
    auto* field = add(new CMyTextEdit(CRect(151, 281, 207, 298), nullptr, 58));
    field->startEditing(4);
    field->looseFocus();
    EXPECT_TRUE(listener.applied.empty());
    EXPECT_EQ(field->getTagToEdit(), -1);
}

}  // namespace
}  // namespace velda::gui::test

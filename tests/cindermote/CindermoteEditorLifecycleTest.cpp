// Typed entry, reopening, repeated open and close, and the editor's picture.
#include <stb/stb_image_write.h>

#include <filesystem>
#include <string>

#include "cindermote/CindermoteEditorFixture.h"
#include "toolkit/CBaseObject.h"
#include "toolkit/CFrame.h"

namespace velda::test {
namespace {

using CindermoteEditorLifecycle = CindermoteEditorFixture;

constexpr double kDriveX = 179, kDriveY = 208;

TEST_F(CindermoteEditorLifecycle, ADoubleClickOnDriveOpensTheEntryWithItsValue)
{
    ASSERT_TRUE(open());
    fx->setParameter(cindermote::kDrive, 0.75f);
    click(kDriveX, kDriveY, gui::kLButton | gui::kDoubleClick);
    gui::CMyTextEdit* field = views().typedEntry;
    ASSERT_TRUE(views().mainPage->isChild(field));
    EXPECT_STREQ(field->getText(), "12.00");
    EXPECT_EQ(field->getTagToEdit(), cindermote::kDrive);
    EXPECT_EQ(editor->getFrame()->getFocusView(), field);
}

TEST_F(CindermoteEditorLifecycle, TypingSixIntoDriveSetsItSilently)
{
    ASSERT_TRUE(open());
    click(kDriveX, kDriveY, gui::kLButton | gui::kDoubleClick);
    ASSERT_TRUE(views().mainPage->isChild(views().typedEntry));
    host.clear();
    for (int i = 0; i < 8; ++i) key(0, gui::VKEY_BACK);
    type("6");
    key(0, gui::VKEY_RETURN);
    idle();
    EXPECT_FLOAT_EQ(fx->getParameter(cindermote::kDrive), 0.625f);
    EXPECT_FLOAT_EQ(views().control(cindermote::kDrive)->getValue(), 0.625f);
    EXPECT_EQ(host.count(vst::audioMasterAutomate), 0);
    EXPECT_FALSE(views().mainPage->isChild(views().typedEntry));
    EXPECT_EQ(views().typedEntry->getTagToEdit(), -1);
}

TEST_F(CindermoteEditorLifecycle, AnEntryLeftUnchangedOrCancelledKeepsTheExactValue)
{
    ASSERT_TRUE(open());
    const float exact = 0.61234f;  // shown as "5.39"
    fx->setParameter(cindermote::kDrive, exact);
    click(kDriveX, kDriveY, gui::kLButton | gui::kDoubleClick);
    ASSERT_STREQ(views().typedEntry->getText(), "5.39");
    key(0, gui::VKEY_RETURN);
    idle();
    EXPECT_FALSE(views().mainPage->isChild(views().typedEntry));
    EXPECT_EQ(fx->getParameter(cindermote::kDrive), exact);

    click(kDriveX, kDriveY, gui::kLButton | gui::kDoubleClick);
    type("7");
    key(0, gui::VKEY_ESCAPE);
    idle();
    EXPECT_FALSE(views().mainPage->isChild(views().typedEntry));
    EXPECT_EQ(fx->getParameter(cindermote::kDrive), exact);
}

struct TypedCase {
    int index;
    const char* text;
    float expected;
};

TEST_F(CindermoteEditorLifecycle, TypedTextMapsBackToTheNormalisedValue)
{
    ASSERT_TRUE(open());
    const TypedCase cases[] = {
        {cindermote::kDrive, "6", 0.625f},        {cindermote::kDrive, " -24", 0.0f},
        {cindermote::kDrive, "99", 1.0f},          {cindermote::kSpeed, "25.5", 0.255f},
        {cindermote::kKnee, "abc", 0.0f},          {cindermote::kKnee, "50%", 0.5f},
        {cindermote::kReleaseMul, "1", 0.5f},      {cindermote::kReleaseMul, "4", 1.0f},
        {cindermote::kReleaseMul, "0", 0.0f},      {cindermote::kReleaseMul, "-2", 0.0f},
        {cindermote::kLowAdjust, "-6", 0.25f},     {cindermote::kHighAdjust, "12", 1.0f},
        {cindermote::kOutput, "3", 0.625f},      {cindermote::kDrive, "1e300", 1.0f},
        {cindermote::kDrive, "-1e300", 0.0f},    {cindermote::kKnee, "nan", 0.0f},
        {cindermote::kSpeed, "inf", 1.0f},
    };
    for (const TypedCase& c : cases) {
        fx->setParameter(c.index, 0.3f);
        editor->applyTypedEntry(c.index, c.text);
        EXPECT_FLOAT_EQ(fx->getParameter(c.index), c.expected) << c.index << " " << c.text;
    }
    // A second loss of focus passes no index and changes nothing.
    fx->setParameter(cindermote::kMeters, 0.5f);
    editor->applyTypedEntry(-1, "1");
    EXPECT_FLOAT_EQ(fx->getParameter(cindermote::kMeters), 0.5f);
}

TEST_F(CindermoteEditorLifecycle, TypedEntryStartsOnlyOnTheMainPageAndForKnobsWithAnEntry)
{
    ASSERT_TRUE(open());
    editor->startTypedEntry(cindermote::kMeters);
    EXPECT_FALSE(views().mainPage->isChild(views().typedEntry));
    click(194, 327);
    ASSERT_FALSE(editor->showsMainPage());
    editor->startTypedEntry(cindermote::kDrive);
    EXPECT_FALSE(views().mainPage->isChild(views().typedEntry));
    EXPECT_EQ(editor->getFrame()->getFocusView(), nullptr);
}

TEST_F(CindermoteEditorLifecycle, ReopeningRebuildsFromTheCurrentValues)
{
    ASSERT_TRUE(open());
    click(194, 327);
    ASSERT_FALSE(editor->showsMainPage());
    close();
    EXPECT_EQ(editor->getFrame(), nullptr);
    EXPECT_EQ(views().control(cindermote::kDrive), nullptr);
    fx->setParameter(cindermote::kDrive, 0.8f);   // nothing to update while closed
    fx->setParameter(cindermote::kVuReference, 0.7f);
    fx->getAeffect()->setParameter(fx->getAeffect(), cindermote::kLink, 0.0f);
    ASSERT_TRUE(open());
    EXPECT_TRUE(editor->showsMainPage());
    EXPECT_FLOAT_EQ(views().control(cindermote::kDrive)->getValue(), 0.8f);
    EXPECT_FLOAT_EQ(views().control(cindermote::kLink)->getValue(), 0.0f);
    EXPECT_FLOAT_EQ(views().control(cindermote::kVuReference)->getValue(), 0.7f);
    EXPECT_FLOAT_EQ(views().display(cindermote::kVuReference)->getValue(),
                    fx->getParameterValue(cindermote::kVuReference));
    EXPECT_FLOAT_EQ(views().readout->getValue(), 15.32f);
    EXPECT_EQ(views().readout->getMode(), 1);
}

TEST_F(CindermoteEditorLifecycle, ThePresetPanelSitsInTheBottomRowsFromTagSixtySix)
{
    ASSERT_TRUE(open());
    gui::CTextEdit* name = editor->getNameField();
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->getTag(), 66);
    EXPECT_GE(name->getFrameRect().top, 359);
    EXPECT_LE(name->getFrameRect().bottom, 375);
    // A program chosen in the panel reaches the knobs through the effect.
    fx->selectProgram(1);
    EXPECT_FLOAT_EQ(views().control(cindermote::kDrive)->getValue(), fx->getParameter(cindermote::kDrive));
    close();
    EXPECT_EQ(editor->getNameField(), nullptr);
}

TEST_F(CindermoteEditorLifecycle, ClosedEditorIgnoresKeysIdleAndParameters)
{
    vst::VstKeyCode k{};
    EXPECT_EQ(dispatch(vst::effEditKeyDown, 0, 'a'), 0);
    dispatch(vst::effEditIdle);
    dispatch(vst::effEditClose);
    fx->setParameter(cindermote::kDrive, 0.1f);
    fx->setParameter(60, 1.0f);
    (void)k;
    EXPECT_EQ(editor->getFrame(), nullptr);
}

TEST_F(CindermoteEditorLifecycle, TwoHundredOpenAndCloseCyclesLeaveNoViewOrBitmapBehind)
{
    ASSERT_TRUE(open());
    close();
    const int baseline = gui::CBaseObject::liveObjects();
    for (int cycle = 0; cycle < 200; ++cycle) {
        ASSERT_TRUE(open());
        switch (cycle % 4) {
        case 1: click(194, 327); break;  // closed on the settings page
        case 2: click(kDriveX, kDriveY, gui::kLButton | gui::kDoubleClick); break;  // entry open
        case 3: fx->engine().overFlagRight = 1.0f; idle(10); break;
        default: break;
        }
        close();
        ASSERT_EQ(gui::CBaseObject::liveObjects(), baseline) << "cycle " << cycle;
    }
}

TEST_F(CindermoteEditorLifecycle, DeletingTheEffectWithTheEditorOpenClosesItFirst)
{
    ASSERT_TRUE(open());
    click(kDriveX, kDriveY, gui::kLButton | gui::kDoubleClick);
    fx.reset();
    SUCCEED();
}

// The picture of both pages goes into the build tree for people to look at.
TEST_F(CindermoteEditorLifecycle, SavesScreenshotsOfBothPages)
{
    const char* binary = std::getenv("VELDA_BINARY_DIR");
    const std::filesystem::path dir = std::filesystem::path(binary ? binary : ".") / "tests" / "screenshots";
    std::filesystem::create_directories(dir);
    fx->setParameter(cindermote::kMeters, 1.0f);
    ASSERT_TRUE(open());
    renderSine(0.4f, 22050);
    idle(3);
    const std::string main = (dir / "cindermote-editor-main.png").string();
    ASSERT_NE(stbi_write_png(main.c_str(), record->width, record->height, 4, pixels.data(), record->width * 4), 0);
    click(194, 327);
    idle(2);
    const std::string settings = (dir / "cindermote-editor-settings.png").string();
    ASSERT_NE(stbi_write_png(settings.c_str(), record->width, record->height, 4, pixels.data(), record->width * 4),
              0);
    EXPECT_EQ(record->width, 450);
    EXPECT_EQ(record->height, 377);
    // The pages differ: the picture really changed.
    EXPECT_TRUE(std::filesystem::file_size(main) > 1000);
}

}  // namespace
}  // namespace velda::test

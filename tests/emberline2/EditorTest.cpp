// The product editor driven through the host's editor opcodes on the offscreen back-end.
#include <cmath>

#include "EditorFixture.h"
#include "controls/CBackDisplay.h"
#include "controls/CCounter.h"
#include "controls/CMovieLED.h"
#include "controls/CMovieMeter.h"
#include "controls/CMyTextEdit.h"
#include "platform/Timer.h"

namespace velda::test {
namespace {

using namespace vst;
using namespace velda::gui;
using layout::ControlKind;
using layout::ControlSpec;
using layout::Page;

bool isParameterControl(const ControlSpec& s)
{
    switch (s.kind) {
    case ControlKind::onOffButton:
    case ControlKind::verticalSwitch:
    case ControlKind::channelModeButton:
    case ControlKind::knob:
    case ControlKind::multiColumnKnob:
    case ControlKind::plainKnob:
        return true;
    default:
        return false;
    }
}

bool isKnob(const ControlSpec& s)
{
    return s.kind == ControlKind::knob || s.kind == ControlKind::multiColumnKnob || s.kind == ControlKind::plainKnob;
}

// Moves a control the way a user would: knobs by one wheel notch, switches by a click into
// another position, the channel-mode button by a click into its left zone.
struct Move {
    double x, y;
    float wheel;  // 0: a click
};

Move moveFor(const ControlSpec& s, float value)
{
    const double cx = (s.rect.left + s.rect.right) / 2.0;
    const double cy = (s.rect.top + s.rect.bottom) / 2.0;
    if (isKnob(s)) return {cx, cy, value > 0.5f ? -20.0f : 20.0f};  // past the steps of stepped values
    if (s.kind == ControlKind::verticalSwitch) return {cx, value > 0.0f ? s.rect.top + 2.0 : s.rect.bottom - 2.0, 0};
    if (s.kind == ControlKind::channelModeButton) return {s.rect.left + 3.0, cy, 0};
    return {cx, cy, 0};
}

TEST_F(EditorFixture, EveryControlReportsToItsOwnIndexAndHiddenOnesToNoHost)
{
    open();
    int checked = 0;
    for (const ControlSpec& s : product.layout().controls) {
        if (!isParameterControl(s)) continue;
        SCOPED_TRACE(s.name);
        showPage(s.page);
        const float before = effect->getParameter(s.tag);
        host.clear();
        const Move m = moveFor(s, before);
        if (m.wheel != 0)
            wheel(m.x, m.y, m.wheel);
        else
            click(m.x, m.y);
        ASSERT_NE(effect->getParameter(s.tag), before) << "the move did not reach the effect";
        const auto calls = automations();
        if (product.silentIndices.count(s.tag)) {
            EXPECT_TRUE(calls.empty());
        } else if (s.tag == product.channelModeTag) {
            ASSERT_EQ(calls.size(), 2u);
            EXPECT_EQ(calls[0].index, product.stereoIndex);
            EXPECT_EQ(calls[1].index, product.sidesIndex);
            EXPECT_EQ(calls[0].opt, effect->getParameter(product.stereoIndex));
            EXPECT_EQ(calls[1].opt, effect->getParameter(product.sidesIndex));
        } else {
            ASSERT_EQ(calls.size(), 1u);
            EXPECT_EQ(calls[0].index, s.tag);
            EXPECT_EQ(calls[0].opt, effect->getParameter(s.tag));
        }
        ++checked;
    }
    EXPECT_GE(checked, 29);
}

TEST_F(EditorFixture, ChannelModeRightTellsTheHostBothParametersInsideGestures)
{
    open();
    host.clear();
    const auto& r = spec(product.channelModeTag)->rect;
    click(r.right - 10.0, (r.top + r.bottom) / 2.0);  // the Link button covers the last pixels
    std::vector<HostCall> gesture;
    for (const auto& call : host.calls())
        if (call.opcode == audioMasterAutomate || call.opcode == audioMasterBeginEdit ||
            call.opcode == audioMasterEndEdit)
            gesture.push_back(call);
    // Only the host's own parameters, each inside its gesture (the button's index is none of them).
    ASSERT_EQ(gesture.size(), 6u);
    EXPECT_EQ(gesture[0].opcode, audioMasterBeginEdit);
    EXPECT_EQ(gesture[0].index, product.stereoIndex);
    EXPECT_EQ(gesture[1].index, product.sidesIndex);
    EXPECT_EQ(gesture[2].opcode, audioMasterAutomate);
    EXPECT_EQ(gesture[2].index, product.stereoIndex);
    EXPECT_EQ(gesture[2].opt, 0.0f);
    EXPECT_EQ(gesture[3].index, product.sidesIndex);
    EXPECT_EQ(gesture[3].opt, 1.0f);
    EXPECT_EQ(gesture[5].opcode, audioMasterEndEdit);
}

TEST_F(EditorFixture, HostChangesReachTheControlsAndDisplays)
{
    open();
    const auto& views = editor->controls();
    struct Case {
        int index;
        float value;
    };
    const Case cases[] = {{0, 0.0f}, {4, 0.8f}, {12, 0.25f}, {21, 1.0f}, {15, 0.9f}, {product.fineTuneIndex, 0.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        record->setParameter(record, c.index, c.value);
        ASSERT_NE(views.control(c.index), nullptr);
        EXPECT_EQ(views.control(c.index)->getValue(), effect->getParameter(c.index));
        if (CParamDisplay* display = views.display(c.index)) {
            EXPECT_EQ(display->getValue(), effect->getParameterValue(c.index));
        }
    }
    EXPECT_NE(views.display(15), nullptr);
    // The knob's read-out follows the host too: Drive in signed decibels.
    record->setParameter(record, 4, 0.625f);
    EXPECT_EQ(views.readout->getMode(), CCounter::kModeDecibel);
    EXPECT_FLOAT_EQ(views.readout->getValue(), effect->getParameterValue(4));
    // The channel-mode button follows either of its two parameters.
    record->setParameter(record, product.stereoIndex, 0.0f);
    EXPECT_EQ(views.channelMode->getValue(), effect->getParameter(product.channelModeTag));
    EXPECT_LT(views.channelMode->getValue(), 0.25f) << "mono shows the top image";
}

// The opaque pixels of film-strip image `image` (of height h) of bitmap `id` that the frame shows in
// `r`, and how many of them match.
struct ImageMatch {
    int opaque = 0;
    int matching = 0;
};

ImageMatch matchImage(const std::vector<uint8_t>& frame, const layout::Rect& r, int id, int image, int h)
{
    ImageMatch m;
    CBitmap bitmap(id);
    if (!bitmap.isLoaded()) return m;
    for (int y = 0; y < r.height(); ++y) {
        for (int x = 0; x < r.width(); ++x) {
            const uint8_t* b = bitmap.pixel(x, image * h + y);
            if (b[3] != 255) continue;
            const uint8_t* f = &frame[(size_t(r.top + y) * 450 + size_t(r.left + x)) * 4];
            ++m.opaque;
            m.matching += f[0] == b[0] && f[1] == b[1] && f[2] == b[2];
        }
    }
    return m;
}

TEST_F(EditorFixture, ControlsShowTheirValuesFromTheFirstPicture)
{
    record->setParameter(record, 0, 1.0f);
    record->setParameter(record, 12, 1.0f);
    open();
    idle();
    const ControlSpec& mix = *spec(12);
    const ControlSpec& process = *spec(0);
    struct Case {
        const ControlSpec& control;
        int image;
    } const shown[] = {{mix, mix.images - 1}, {process, 1}};
    for (const Case& c : shown) {
        SCOPED_TRACE(c.control.name);
        const ImageMatch m = matchImage(pixels, c.control.rect, c.control.bitmap, c.image, c.control.imageHeight);
        ASSERT_GT(m.opaque, 100);
        EXPECT_EQ(m.matching, m.opaque);
    }
    record->setParameter(record, 12, 0.0f);
    record->setParameter(record, 0, 0.0f);
    idle();
    for (const Case& c : shown) {
        SCOPED_TRACE(c.control.name);
        EXPECT_LT(matchImage(pixels, c.control.rect, c.control.bitmap, c.image, c.control.imageHeight).matching,
                  matchImage(pixels, c.control.rect, c.control.bitmap, 0, c.control.imageHeight).matching);
    }
}

TEST_F(EditorFixture, FineTuneMovesTheGainKnobsWithoutTellingTheHost)
{
    open();
    showPage(Page::settings);
    record->setParameter(record, 4, 0.75f);
    host.clear();
    const auto& r = spec(product.fineTuneIndex)->rect;
    wheel((r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0, -30.0f);
    EXPECT_TRUE(automations().empty());
    EXPECT_LT(effect->getParameter(product.fineTuneIndex), 1.0f);
    EXPECT_EQ(editor->controls().control(4)->getValue(), effect->getParameter(4));
}

TEST_F(EditorFixture, PagesSwitchBothWays)
{
    open();
    idle();
    EXPECT_TRUE(editor->showsMainPage());
    saveScreenshot("main");
    const uint32_t mainPixel = pixel(100, 300);
    showPage(Page::settings);
    idle();
    EXPECT_FALSE(editor->showsMainPage());
    EXPECT_NE(pixel(100, 300), mainPixel);
    saveScreenshot("settings");
    EXPECT_TRUE(automations().empty()) << "page switches are no parameters";
    showPage(Page::main);
    idle();
    EXPECT_TRUE(editor->showsMainPage());
    EXPECT_EQ(pixel(100, 300), mainPixel);
}

TEST_F(EditorFixture, MetersFollowTheEffectAndOverLedsLatch)
{
    open();
    const auto& views = editor->controls();
    effect->meterLeft.store(1.0f);
    effect->meterRight.store(0.25f);
    effect->overFlagLeft.store(1.0f);
    idle(2);  // the values are set after the redraw of each idle call
    EXPECT_FLOAT_EQ(views.meters[0]->getValue(), 1.0f);
    EXPECT_FLOAT_EQ(views.meters[1]->getValue(), 0.25f);
    EXPECT_EQ(effect->overFlagLeft.load(), 0.0f) << "the editor takes the over flag";
    EXPECT_EQ(views.leds[0]->getShownImage(), 5);
    EXPECT_EQ(views.leds[1]->getShownImage(), 0);
    int shown[4];
    for (int& image : shown) {
        idle();
        image = views.leds[0]->getShownImage();
    }
    EXPECT_EQ(shown[0], 4);
    EXPECT_EQ(shown[1], 3);
    EXPECT_EQ(shown[2], 2);
    EXPECT_EQ(shown[3], 2) << "half lit until reset";
    // Far too loud a level stays on the scale.
    effect->meterLeft.store(9.0f);
    idle();
    EXPECT_FLOAT_EQ(views.meters[0]->getValue(), 1.44f);
    // Clicking a meter swaps both scales, silently.
    host.clear();
    const auto& r = views.meters[0]->getViewSize();
    click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    EXPECT_TRUE(automations().empty());
    EXPECT_EQ(views.meters[0]->getAltScale(), 1);
    EXPECT_EQ(views.meters[1]->getAltScale(), 1);
}

TEST_F(EditorFixture, SettingsPageStopsTheMeterFeed)
{
    open();
    showPage(Page::settings);
    const auto& views = editor->controls();
    const float shown = views.meters[0]->getValue();
    effect->meterLeft.store(0.9f);
    effect->overFlagLeft.store(1.0f);
    idle(3);
    EXPECT_EQ(views.meters[0]->getValue(), shown);
    EXPECT_EQ(effect->overFlagLeft.load(), 1.0f);
    showPage(Page::main);
    idle();
    EXPECT_FLOAT_EQ(views.meters[0]->getValue(), 0.9f);
    EXPECT_EQ(effect->overFlagLeft.load(), 0.0f);
}

TEST_F(EditorFixture, MetersActiveOnlyWhileOpen)
{
    EXPECT_FALSE(effect->metersActive.load());
    open();
    EXPECT_TRUE(effect->metersActive.load());
    dispatch(effEditClose);
    EXPECT_FALSE(effect->metersActive.load());
}

TEST_F(EditorFixture, TypedDriveEntryAppliesWithoutTellingTheHost)
{
    open();
    const auto& r = spec(4)->rect;
    host.clear();
    // A double click on Drive opens the field with the drive in dB.
    event(kVeldaMouseMove, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
    event(kVeldaMouseDown, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0, 1 | 128);
    event(kVeldaMouseUp, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0, 1);
    idle();
    CMyTextEdit* field = editor->controls().textEdit;
    ASSERT_TRUE(editor->controls().textEditInPage);
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.2f", (double)effect->getParameterValue(4));
    EXPECT_STREQ(field->getText(), expected);
    EXPECT_EQ(field->getTagToEdit(), 4);
    for (size_t i = 0; i < std::strlen(expected); ++i) key(VKEY_BACK);
    type("-6");
    key(VKEY_RETURN);
    idle();
    const float F = effect->getParameterValue(product.fineTuneIndex);
    EXPECT_NEAR(effect->getParameter(4), (-6.0 + 24.0 * F) / (48.0 * F), 1e-6);
    EXPECT_FALSE(editor->controls().textEditInPage);
    EXPECT_EQ(field->getTagToEdit(), -1);
    EXPECT_TRUE(automations().empty());
    EXPECT_EQ(editor->controls().control(4)->getValue(), effect->getParameter(4));
}

TEST_F(EditorFixture, TypedEntryOnlyOnTheMainPageAndClosingEndsIt)
{
    open();
    showPage(Page::settings);
    editor->startTypedEntry(12);
    EXPECT_FALSE(editor->controls().textEditInPage);
    showPage(Page::main);
    editor->startTypedEntry(12);
    ASSERT_TRUE(editor->controls().textEditInPage);
    for (int i = 0; i < 8; ++i) key(VKEY_BACK);
    type("abc");
    const int before = CBaseObject::liveObjects();
    dispatch(effEditClose);
    EXPECT_LT(CBaseObject::liveObjects(), before);
    EXPECT_EQ(effect->getParameter(12), 0.0f) << "text that is no number applies 0";
}

TEST_F(EditorFixture, HostDeletesTheEffectWithAnEntryInProgress)
{
    open();
    editor->startTypedEntry(7);
    type("3");
    const int before = CBaseObject::liveObjects();
    dispatch(effClose);
    record = nullptr;
    EXPECT_LT(CBaseObject::liveObjects(), before);
    EXPECT_EQ(parent->isOpen, 0);
}

TEST_F(EditorFixture, ReadoutFollowsTheHoveredKnobAndBlanksOverTheBackground)
{
    open();
    CCounter* readout = editor->controls().readout;
    EXPECT_EQ(readout->getMode(), CCounter::kModeDecibel);
    EXPECT_FLOAT_EQ(readout->getValue(), 15.32f);
    const auto& mix = spec(12)->rect;
    event(kVeldaMouseMove, (mix.left + mix.right) / 2.0, (mix.top + mix.bottom) / 2.0);
    idle(9);
    EXPECT_EQ(readout->getMode(), CCounter::kModePercent);
    EXPECT_FLOAT_EQ(readout->getValue(), effect->getParameterValue(12));
    event(kVeldaMouseMove, 5, 150);  // bare background
    idle(98);
    EXPECT_EQ(readout->getMode(), CCounter::kModePercent);
    idle(1);
    EXPECT_EQ(readout->getMode(), CCounter::kModeOff);
}

TEST_F(EditorFixture, SuspendParksTheMetersAndResumeShowsTheLatency)
{
    open();
    const auto& views = editor->controls();
    effect->meterLeft.store(0.7f);
    effect->overFlagRight.store(1.0f);
    idle();
    record->setParameter(record, 21, 0.5f);  // gain reduction
    dispatch(effMainsChanged, 0, 0);
    EXPECT_EQ(views.meters[0]->getValue(), 1.0f);
    EXPECT_EQ(views.leds[1]->getValue(), 0.0f);
    record->setParameter(record, 21, 0.0f);
    dispatch(effMainsChanged, 0, 0);
    EXPECT_EQ(views.meters[0]->getValue(), 0.0f);
    dispatch(effMainsChanged, 0, 1);
    EXPECT_EQ(views.latencySamples->getValue(), effect->getLatencySamples());
    EXPECT_EQ(views.latencyMs->getValue(), effect->getLatencyMs());
}

TEST_F(EditorFixture, KnobModeComesFromThePreferenceNotFromTheHost)
{
    record->setParameter(record, product.knobModeIndex, 0.0f);
    EXPECT_EQ(dispatch(effSetEditKnobMode, 0, 2), 0);
    open();
    EXPECT_EQ(AEffGUIEditor::getLibraryKnobMode(), kCircularMode);
    record->setParameter(record, product.knobModeIndex, 1.0f);
    EXPECT_EQ(AEffGUIEditor::getLibraryKnobMode(), kLinearMode);
    EXPECT_EQ(editor->controls().control(product.knobModeIndex)->getValue(), 1.0f);
}

TEST_F(EditorFixture, ReopeningRebuildsFromTheCurrentValues)
{
    open();
    showPage(Page::settings);
    dispatch(effEditClose);
    EXPECT_EQ(editor->controls().mainPage, nullptr);
    record->setParameter(record, 12, 0.25f);
    record->setParameter(record, 17, 0.75f);
    open();
    EXPECT_TRUE(editor->showsMainPage());
    EXPECT_EQ(editor->controls().control(12)->getValue(), 0.25f);
    EXPECT_EQ(editor->controls().control(17)->getValue(), 0.75f);
    EXPECT_EQ(editor->controls().display(17)->getValue(), effect->getParameterValue(17));
}

TEST_F(EditorFixture, OpenAndCloseTwoHundredTimesLeavesNothingBehind)
{
    const int before = CBaseObject::liveObjects();
    for (int i = 0; i < 200; ++i) {
        open();
        if (i % 2) showPage(Page::settings);
        if (i % 3 == 0) editor->startTypedEntry(5);
        idle();
        dispatch(effEditClose);
    }
    EXPECT_EQ(CBaseObject::liveObjects(), before);
    EXPECT_EQ(platform::Timer::activeCount(), 0);
}

TEST_F(EditorFixture, OnlyTheFirstGenerationLacksTheFatButton)
{
    open();
    if (product.fatIndex < 0) {
        for (const ControlSpec& s : product.layout().controls) EXPECT_STRNE(s.name, "FAT");
        idle();
        const std::vector<uint8_t> before = pixels;
        record->setParameter(record, 31, 1.0f);
        idle();
        EXPECT_EQ(pixels, before);
    } else {
        record->setParameter(record, product.fatIndex, 1.0f);
        EXPECT_EQ(editor->controls().control(product.fatIndex)->getValue(), 1.0f);
    }
}

}  // namespace
}  // namespace velda::test

// Every control of the editor against its parameter index: moves reach the effect (and the host only
// for host-visible parameters), and changes from the host reach the controls.
#include "cindermote/EditorLayout.h"
#include <stdexcept>

#include "cindermote/CindermoteEditorFixture.h"

namespace velda::test {
namespace {

using layout::ControlKind;
using layout::ControlSpec;

bool isParameterControl(const ControlSpec& spec)
{
    return spec.tag >= 0 && spec.tag < cindermote::kIndexCount &&
           (spec.kind == ControlKind::knob || spec.kind == ControlKind::onOffButton ||
            spec.kind == ControlKind::verticalSwitch);
}

const ControlSpec& pageSwitch(int tag)
{
    for (const ControlSpec& spec : cindermote::editorLayout().controls)
        if (spec.kind == ControlKind::pageSwitch && spec.tag == tag) return spec;
    throw std::logic_error("no page switch");
}

double centreX(const ControlSpec& s) { return (s.rect.left + s.rect.right) * 0.5; }
double centreY(const ControlSpec& s) { return (s.rect.top + s.rect.bottom) * 0.5; }

struct CindermoteEditorBinding : CindermoteEditorFixture {
    void showPage(layout::Page page)
    {
        const bool wantMain = page == layout::Page::main;
        if (editor->showsMainPage() == wantMain) return;
        const ControlSpec& s = pageSwitch(wantMain ? 61 : 60);
        click(centreX(s), centreY(s));
        idle();
        ASSERT_EQ(editor->showsMainPage(), wantMain);
    }

    void operate(const ControlSpec& spec)
    {
        const float v = fx->getParameter(spec.tag);
        switch (spec.kind) {
        case ControlKind::knob: drag(centreX(spec), centreY(spec), v < 0.5f ? -30.0 : 30.0); break;
        case ControlKind::verticalSwitch: click(centreX(spec), v < 0.5f ? spec.rect.bottom - 3 : spec.rect.top + 3); break;
        default: click(centreX(spec), centreY(spec)); break;
        }
    }
};

TEST_F(CindermoteEditorBinding, MovingAControlSetsItsIndexAndTellsTheHostOnlyOfVisibleParameters)
{
    ASSERT_TRUE(open());
    int checked = 0;
    for (const ControlSpec& spec : cindermote::editorLayout().controls) {
        if (!isParameterControl(spec)) continue;
        SCOPED_TRACE(spec.name);
        showPage(spec.page);
        const float before = fx->getParameter(spec.tag);
        host.clear();
        operate(spec);
        const float after = fx->getParameter(spec.tag);
        EXPECT_NE(after, before);
        ASSERT_NE(views().control(spec.tag), nullptr);
        EXPECT_FLOAT_EQ(views().control(spec.tag)->getValue(), after);
        const int expected = spec.tag < cindermote::kParameterCount ? 1 : 0;
        EXPECT_EQ(host.count(vst::audioMasterAutomate), expected);
        EXPECT_EQ(automations(spec.tag), expected);
        if (expected) {
            for (const HostCall& c : host.calls())
                if (c.opcode == vst::audioMasterAutomate) {
                    EXPECT_FLOAT_EQ(c.opt, after);
                }
        }
        ++checked;
    }
    EXPECT_EQ(checked, 17);  // 7 knobs, 4 buttons, the Meters switch, 5 preference knobs
}

TEST_F(CindermoteEditorBinding, KnobGesturesReachTheHostAsBeginAndEndEdit)
{
    ASSERT_TRUE(open());
    for (const ControlSpec& spec : cindermote::editorLayout().controls) {
        if (spec.tag != cindermote::kDrive) continue;
        host.clear();
        operate(spec);
        const std::vector<HostCall> calls = host.calls();
        std::vector<vst::VstInt32> order;
        for (const HostCall& c : calls)
            if (c.opcode == vst::audioMasterBeginEdit || c.opcode == vst::audioMasterAutomate ||
                c.opcode == vst::audioMasterEndEdit) {
                EXPECT_EQ(c.index, cindermote::kDrive);
                order.push_back(c.opcode);
            }
        EXPECT_EQ(order, (std::vector<vst::VstInt32>{vst::audioMasterBeginEdit, vst::audioMasterAutomate,
                                                     vst::audioMasterEndEdit}));
    }
}

TEST_F(CindermoteEditorBinding, ClickingAMeterResetsBothIndicatorsAndTellsTheHostNothing)
{
    ASSERT_TRUE(open());
    fx->engine().overFlagLeft = 1.0f;
    fx->engine().overFlagRight = 1.0f;
    idle(2);
    ASSERT_EQ(views().meters[0]->indicatorImage(), 1);
    ASSERT_EQ(views().meters[1]->indicatorImage(), 1);
    host.clear();
    click(121, 60);
    EXPECT_EQ(views().meters[0]->indicatorImage(), 2);
    EXPECT_EQ(views().meters[1]->indicatorImage(), 2);
    EXPECT_EQ(host.count(vst::audioMasterAutomate), 0);
    // Index 17 keeps a normalised value although the meter's range reaches 2.
    views().meters[1]->setValue(1.7f);
    editor->valueChanged(views().meters[1]);
    EXPECT_FLOAT_EQ(fx->getParameter(17), 1.0f);
}

TEST_F(CindermoteEditorBinding, HostChangesMoveTheControlsOnBothPages)
{
    ASSERT_TRUE(open());
    vst::AEffect* e = fx->getAeffect();
    float v = 0.3f;
    for (const ControlSpec& spec : cindermote::editorLayout().controls) {
        if (!isParameterControl(spec)) continue;
        SCOPED_TRACE(spec.name);
        v = v < 0.5f ? 0.8f : 0.3f;
        if (spec.tag < cindermote::kParameterCount)
            e->setParameter(e, spec.tag, v);
        else
            fx->setParameter(spec.tag, v);
        EXPECT_FLOAT_EQ(views().control(spec.tag)->getValue(), fx->getParameter(spec.tag));
        if (gui::CBackDisplay* d = views().display(spec.tag)) {
            EXPECT_FLOAT_EQ(d->getValue(), fx->getParameterValue(spec.tag));
        }
    }
    // The meter preferences are on the settings page, which is not shown.
    EXPECT_TRUE(editor->showsMainPage());
}

struct ReadoutCase {
    int index;
    float value;
    int mode;
};

TEST_F(CindermoteEditorBinding, HostChangesOfMainKnobsShowTheirEngineeringValueInTheReadout)
{
    ASSERT_TRUE(open());
    const ReadoutCase cases[] = {
        {cindermote::kDrive, 0.625f, 1},     {cindermote::kSpeed, 0.25f, 3},   {cindermote::kReleaseMul, 0.75f, 4},
        {cindermote::kLowAdjust, 0.2f, 1},   {cindermote::kHighAdjust, 0.9f, 1}, {cindermote::kOutput, 0.1f, 1},
        {cindermote::kKnee, 0.4f, 3},
    };
    for (const ReadoutCase& c : cases) {
        fx->setParameter(c.index, c.value);
        EXPECT_EQ(views().readout->getMode(), c.mode) << c.index;
        EXPECT_FLOAT_EQ(views().readout->getValue(), fx->getParameterValue(c.index)) << c.index;
    }
    fx->setParameter(cindermote::kDrive, 0.625f);
    EXPECT_FLOAT_EQ(views().readout->getValue(), 6.0f);
    // Buttons leave the read-out as it was.
    fx->setParameter(cindermote::kLink, 0.0f);
    EXPECT_FLOAT_EQ(views().readout->getValue(), 6.0f);
}

TEST_F(CindermoteEditorBinding, ProcessAndSpeedRefreshTheLatencyDisplays)
{
    ASSERT_TRUE(open());
    EXPECT_FLOAT_EQ(views().latencySamples->getValue(), fx->getLatencySamples());
    EXPECT_FLOAT_EQ(views().latencyMs->getValue(), fx->getLatencyMs());
    for (int index : {cindermote::kProcess, cindermote::kSpeed}) {
        views().latencySamples->setValueUnbounded(-1.0f);
        views().latencyMs->setValueUnbounded(-1.0f);
        fx->setParameter(index, 0.5f);
        EXPECT_FLOAT_EQ(views().latencySamples->getValue(), fx->getLatencySamples()) << index;
        EXPECT_FLOAT_EQ(views().latencyMs->getValue(), fx->getLatencyMs()) << index;
    }
    // Other indices leave them.
    views().latencySamples->setValueUnbounded(-1.0f);
    fx->setParameter(cindermote::kDrive, 0.5f);
    EXPECT_FLOAT_EQ(views().latencySamples->getValue(), -1.0f);
}

TEST_F(CindermoteEditorBinding, PageSwitchesSwapThePagesThroughTheEffect)
{
    ASSERT_TRUE(open());
    gui::CFrame* frame = editor->getFrame();
    EXPECT_TRUE(frame->isChild(views().mainPage));
    showPage(layout::Page::settings);
    EXPECT_TRUE(frame->isChild(views().settingsPage));
    EXPECT_FALSE(frame->isChild(views().mainPage));
    EXPECT_EQ(host.count(vst::audioMasterAutomate), 0);
    showPage(layout::Page::main);
    EXPECT_TRUE(frame->isChild(views().mainPage));
    EXPECT_FALSE(frame->isChild(views().settingsPage));
}

TEST_F(CindermoteEditorBinding, TheHostCannotChangeTheKnobModeWhichFollowsThePreferenceAtOpen)
{
    fx->setParameter(cindermote::kKnobMode, 0.0f);
    ASSERT_TRUE(open());
    EXPECT_EQ(editor->getKnobMode(), gui::kCircularMode);
    EXPECT_EQ(dispatch(vst::effSetEditKnobMode, 0, gui::kLinearMode), 0);
    EXPECT_EQ(editor->getKnobMode(), gui::kCircularMode);
    fx->setParameter(cindermote::kKnobMode, 1.0f);
    EXPECT_EQ(editor->getKnobMode(), gui::kCircularMode);
    close();
    ASSERT_TRUE(open());
    EXPECT_EQ(editor->getKnobMode(), gui::kLinearMode);
}

// The hover check runs on every ninth idle call; eleven checks over no value blank the read-out.
// The panel's timer may add idle calls of its own, so only lower bounds of calls are certain.
TEST_F(CindermoteEditorBinding, TheReadoutFollowsTheHoveredKnobAndBlanksOverTheBackground)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(views().readout->getMode(), 1);
    EXPECT_FLOAT_EQ(views().readout->getValue(), 15.32f);
    push(kVeldaMouseMove, 20, 250);
    idle(99);
    EXPECT_EQ(views().readout->getMode(), 0);

    fx->setParameter(cindermote::kKnee, 0.4f);
    views().readout->setValueAndMode(0.0f, 0);
    push(kVeldaMouseMove, 285, 263);  // Knee
    idle(9);
    EXPECT_EQ(views().readout->getMode(), 3);
    EXPECT_FLOAT_EQ(views().readout->getValue(), fx->getParameterValue(cindermote::kKnee));
    // Resting on the same knob does not refresh it.
    views().readout->setValueAndMode(1.0f, 2);
    idle(18);
    EXPECT_EQ(views().readout->getMode(), 2);

    // Resting over a meter counts towards blanking like the background.
    push(kVeldaMouseMove, 121, 60);
    idle(99);
    EXPECT_EQ(views().readout->getMode(), 0);
}

TEST_F(CindermoteEditorBinding, TheRectangleIsKnownBeforeTheFirstOpen)
{
    ASSERT_NE(editor, nullptr);  // the product makes this editor
    EXPECT_TRUE(fx->getAeffect()->flags & vst::effFlagsHasEditor);
    vst::ERect* r = nullptr;
    ASSERT_EQ(dispatch(vst::effEditGetRect, 0, 0, &r), 1);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->right - r->left, 450);
    EXPECT_EQ(r->bottom - r->top, 376);
}

}  // namespace
}  // namespace velda::test

#include "ToolkitFixture.h"
#include "toolkit/CMenuOverlay.h"

namespace velda::test {

using Events = FrameTest;

TEST_F(Events, LinearKnobDragFollowsThePointerWithinEditGestures)
{
    editor.knobMode = kLinearMode;
    auto* knob = new CKnob(CRect(20, 20, 60, 60), &listener, 7, nullptr, nullptr);
    knob->setValue(0.5f);
    frame->addView(knob);
    frame->idle();
    press(40, 40);
    drag(40, 0);  // 40 pixels up of 200 for the range
    drag(40, -1000);
    release(40, -1000);
    ASSERT_EQ(listener.reports.size(), 2u);
    EXPECT_FLOAT_EQ(listener.reports[0].value, 0.7f);
    EXPECT_FLOAT_EQ(listener.reports[1].value, 1.0f);
    EXPECT_EQ(editor.begins, std::vector<int32_t>{7});
    EXPECT_EQ(editor.ends, std::vector<int32_t>{7});
}

TEST_F(Events, CircularKnobMapsAnglesFromTheLowerLeftClockwise)
{
    auto* knob = new CKnob(CRect(0, 0, 100, 100), &listener, 1, nullptr, nullptr);
    frame->addView(knob);
    const struct {
        CPoint where;
        float value;
    } cases[] = {
        {{0, 100}, 0.0f},     // lower left: start
        {{50, 0}, 0.5f},      // straight up: half way
        {{100, 100}, 1.0f},   // lower right: end
        {{0, 50}, 1.0f / 6},  // left
        {{60, 99}, 1.0f},     // the gap, nearer the end
        {{40, 99}, 0.0f},     // the gap, nearer the start
    };
    for (const auto& c : cases) EXPECT_NEAR(knob->valueFromPoint(c.where), c.value, 1e-5) << c.where.x << "," << c.where.y;
}

TEST_F(Events, CircularDragDoesNotJumpAcrossTheGap)
{
    auto* knob = new CKnob(CRect(0, 0, 100, 100), &listener, 1, nullptr, nullptr);
    knob->setValue(1.0f);
    frame->addView(knob);
    press(95, 95);
    drag(10, 95);  // straight to the start: more than half the range away
    release(10, 95);
    EXPECT_EQ(knob->getValue(), 1.0f);
}

TEST_F(Events, ControlClickSetsTheDefaultOnceAndWheelSteps)
{
    auto* knob = new CKnob(CRect(0, 0, 50, 50), &listener, 3, nullptr, nullptr);
    knob->setDefaultValue(0.25f);
    knob->setWheelInc(0.1f);
    frame->addView(knob);
    click(25, 25, kLButton | kControl);
    ASSERT_EQ(listener.reports.size(), 1u);
    EXPECT_EQ(knob->getValue(), 0.25f);
    knob->setDirty(false);
    EXPECT_TRUE(frame->platformWheel(25, 25, 1.0f, 0));
    EXPECT_FLOAT_EQ(knob->getValue(), 0.35f);
    frame->platformWheel(25, 25, 1.0f, kShift);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.36f);
    EXPECT_FALSE(frame->platformWheel(150, 120, 1.0f, 0)) << "nothing under the pointer";
}

TEST_F(Events, ButtonsAndSwitches)
{
    auto* onOff = new COnOffButton(CRect(0, 0, 20, 20), &listener, 1, nullptr);
    auto* kick = new CKickButton(CRect(30, 0, 50, 20), &listener, 2, nullptr);
    auto* rocker = new CRockerSwitch(CRect(60, 0, 100, 20), &listener, 3, nullptr);
    auto* vertical = new CVerticalSwitch(CRect(110, 0, 130, 30), &listener, 4, 3, 10, 3, nullptr);
    for (CView* v : {static_cast<CView*>(onOff), static_cast<CView*>(kick), static_cast<CView*>(rocker),
                     static_cast<CView*>(vertical)})
        frame->addView(v);

    click(10, 10);
    click(10, 10);
    click(40, 10);
    click(65, 10);
    click(95, 10);
    press(120, 25);
    drag(120, 5);
    release(120, 5);
    std::vector<std::pair<int32_t, float>> got;
    for (const auto& r : listener.reports) got.emplace_back(r.tag, r.value);
    const std::vector<std::pair<int32_t, float>> expected{{1, 1.0f}, {1, 0.0f}, {2, 1.0f}, {2, 0.0f}, {3, -1.0f},
                                                          {3, 0.0f}, {3, 1.0f},  {3, 0.0f}, {4, 1.0f}, {4, 0.0f}};
    EXPECT_EQ(got, expected);
}

TEST_F(Events, RightClickIsLeftToTheViewsBelow)
{
    auto* below = new CKickButton(CRect(0, 0, 50, 50), &listener, 1, nullptr);
    auto* above = new CKnob(CRect(0, 0, 50, 50), &listener, 2, nullptr, nullptr);
    frame->addView(below);
    frame->addView(above);
    // The knob refuses the right button; the kick button below also wants the left one.
    click(25, 25, kRButton);
    EXPECT_TRUE(listener.reports.empty());
    click(25, 25, kLButton | kControl);
    ASSERT_FALSE(listener.reports.empty());
    EXPECT_EQ(listener.reports.front().tag, 2) << "the topmost view gets the left click";
}

TEST_F(Events, HitTestingWithAndWithoutDescending)
{
    auto* page = new CViewContainer(CRect(10, 10, 110, 110));
    auto* inner = new CViewContainer(CRect(10, 10, 60, 60));
    auto* knob = new CKnob(CRect(5, 5, 25, 25), &listener, 9, nullptr, nullptr);
    inner->addView(knob);
    page->addView(inner);
    frame->addView(page);
    // Points are in the page's parent (frame) coordinates.
    EXPECT_EQ(page->getViewAt(CPoint(30, 30), false), inner);
    EXPECT_EQ(page->getViewAt(CPoint(30, 30), true), knob);
    EXPECT_EQ(page->getViewAt(CPoint(70, 70), true), nullptr);
    EXPECT_EQ(frame->getViewAt(CPoint(30, 30), true), knob);
    click(30, 30, kLButton | kControl);
    ASSERT_EQ(listener.reports.size(), 1u) << "the click reached the nested knob through both containers";
    CPoint p(0, 0);
    knob->localToFrame(p);
    EXPECT_EQ(p, CPoint(20, 20));
}

TEST_F(Events, MouseDisabledViewsLetClicksThrough)
{
    auto* below = new COnOffButton(CRect(0, 0, 50, 50), &listener, 1, nullptr);
    auto* cover = new CView(CRect(0, 0, 50, 50));
    frame->addView(below);
    frame->addView(cover);
    cover->setMouseEnabled(false);
    click(25, 25);
    EXPECT_EQ(listener.reports.size(), 1u);
}

struct HoverProbe : CView {
    using CView::CView;
    std::vector<std::string> log;
    CMouseEventResult onMouseEntered(CPoint&, const CButtonState&) override
    {
        log.push_back("enter");
        return kMouseEventHandled;
    }
    CMouseEventResult onMouseExited(CPoint&, const CButtonState&) override
    {
        log.push_back("exit");
        return kMouseEventHandled;
    }
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState&) override
    {
        log.push_back("move " + std::to_string(int(where.x)));
        return kMouseEventHandled;
    }
};

TEST_F(Events, HoverEnterMoveExitAndTheMousePosition)
{
    auto* probe = new HoverProbe(CRect(10, 10, 40, 40));
    frame->addView(probe);
    drag(5, 5, 0);
    drag(20, 20, 0);
    drag(25, 20, 0);
    drag(60, 20, 0);
    EXPECT_EQ(probe->log, (std::vector<std::string>{"enter", "move 20", "move 25", "exit"}));
    CPoint where;
    EXPECT_TRUE(frame->getCurrentMouseLocation(where));
    EXPECT_EQ(where, CPoint(60, 20));
}

TEST_F(Events, OptionMenuDrawnByTheToolkitChoosesAnEntry)
{
    auto* menu = new COptionMenu(CRect(10, 10, 30, 20), &listener, 12, nullptr, nullptr, kPopupStyle | kCheckStyle);
    menu->setNbItemsPerColumn(2);
    for (const char* name : {"one", "two", "three"}) menu->addEntry(name);
    frame->addView(menu);
    click(15, 15);
    auto* overlay = dynamic_cast<CMenuOverlay*>(frame->getModalView());
    ASSERT_NE(overlay, nullptr);
    const CRect third = overlay->entryRect(2);
    EXPECT_GT(third.left, overlay->entryRect(0).left) << "the third entry starts a second column";
    EXPECT_EQ(third.top, overlay->entryRect(0).top);
    click(third.getCenter().x, third.getCenter().y);
    EXPECT_EQ(frame->getModalView(), nullptr);
    ASSERT_EQ(listener.reports.size(), 1u);
    EXPECT_EQ(listener.reports[0].value, 2.0f);
    EXPECT_EQ(menu->getCurrent(), 2);

    click(15, 15);
    ASSERT_NE(frame->getModalView(), nullptr);
    click(190, 140);  // outside: cancelled
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(listener.reports.size(), 1u);
    EXPECT_EQ(menu->getLastResult(), -1);
}

TEST_F(Events, TextEntryDrawnByTheToolkitTakesKeysAndReportsOnceWhenFocusGoes)
{
    auto* edit = new CTextEdit(CRect(10, 10, 90, 25), &listener, 5, "abc");
    frame->addView(edit);
    click(20, 15);
    EXPECT_EQ(frame->getFocusView(), edit);
    EXPECT_TRUE(edit->isEditing());
    vst::VstKeyCode back{0, VKEY_BACK, 0}, x{'x', 0, 0}, enter{0, VKEY_RETURN, 0};
    EXPECT_EQ(frame->onKeyDown(back), 1);
    EXPECT_EQ(frame->onKeyDown(x), 1);
    EXPECT_STREQ(edit->getText(), "abc") << "the field keeps its text until the entry ends";
    EXPECT_EQ(frame->onKeyDown(enter), 1);
    EXPECT_STREQ(edit->getText(), "abx");
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(listener.reports.size(), 1u);

    click(20, 15);
    vst::VstKeyCode y{'y', 0, 0}, escape{0, VKEY_ESCAPE, 0};
    frame->onKeyDown(y);
    frame->onKeyDown(escape);
    EXPECT_STREQ(edit->getText(), "abx") << "Escape drops the typing";
    click(20, 15);
    frame->onKeyDown(y);
    click(150, 100);  // a click elsewhere ends the entry and keeps the typing
    EXPECT_STREQ(edit->getText(), "abxy");
    EXPECT_EQ(listener.reports.size(), 3u);
}

TEST_F(Events, KeysWithoutFocusAreNotUsed)
{
    vst::VstKeyCode key{'a', 0, 0};
    EXPECT_EQ(frame->onKeyDown(key), -1);
}

}  // namespace velda::test

#include "ToolkitFixture.h"

namespace velda::test {

namespace {
struct CountedView : CView {
    static inline int alive = 0;
    explicit CountedView(const CRect& r) : CView(r) { ++alive; }
    ~CountedView() override { --alive; }
};
}  // namespace

TEST(ReferenceCounting, APageRemovedWithoutReleaseSurvivesAndReturns)
{
    const int before = CBaseObject::liveObjects();
    RecordingEditor editor;
    auto* frame = new CFrame(CRect(0, 0, 100, 100), &editor);
    ASSERT_TRUE(frame->open(nullptr));
    auto* main = new CViewContainer(CRect(0, 0, 100, 90));
    auto* settings = new CViewContainer(CRect(0, 0, 100, 90));
    main->addView(new CountedView(CRect(0, 0, 10, 10)));
    settings->addView(new CountedView(CRect(0, 0, 10, 10)));
    frame->addView(main);
    EXPECT_EQ(CountedView::alive, 2);

    for (int swap = 0; swap < 3; ++swap) {
        frame->addView(settings);
        frame->removeView(main, false);
        std::swap(main, settings);
        EXPECT_EQ(CountedView::alive, 2);
        EXPECT_EQ(settings->getNbReference(), 1);
        EXPECT_EQ(settings->getFrame(), nullptr) << "the page outside the frame is detached";
        EXPECT_EQ(settings->getView(0)->getFrame(), nullptr);
        EXPECT_EQ(main->getView(0)->getFrame(), frame);
    }
    // The page outside the frame is the caller's to release; close releases the rest.
    settings->forget();
    EXPECT_EQ(CountedView::alive, 1);
    frame->close();
    EXPECT_EQ(CountedView::alive, 0);
    EXPECT_EQ(CBaseObject::liveObjects(), before);
}

TEST(ReferenceCounting, BitmapsLiveAsLongAsTheirLastHolder)
{
    const int before = CBaseObject::liveObjects();
    CBitmap* strip = makeStrip(4, 4, 2);
    auto* a = new CAnimKnob(CRect(0, 0, 4, 4), nullptr, 1, 2, 4, strip);
    auto* b = new COnOffButton(CRect(0, 0, 4, 4), nullptr, 2, strip);
    EXPECT_EQ(strip->getNbReference(), 3);
    strip->forget();
    a->forget();
    EXPECT_EQ(strip->getNbReference(), 1);
    b->forget();
    EXPECT_EQ(CBaseObject::liveObjects(), before);
}

TEST(ReferenceCounting, ARemovedFocusViewLosesItsFocusFirst)
{
    RecordingEditor editor;
    RecordingListener listener;
    auto* frame = new CFrame(CRect(0, 0, 100, 100), &editor);
    ASSERT_TRUE(frame->open(nullptr));
    auto* edit = new CTextEdit(CRect(0, 0, 50, 20), &listener, 4, "x");
    edit->remember();
    frame->addView(edit);
    frame->setFocusView(edit);
    EXPECT_TRUE(edit->isEditing());
    frame->removeView(edit, true);
    EXPECT_FALSE(edit->isEditing());
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(listener.reports.size(), 1u);
    edit->forget();
    frame->close();
}

}  // namespace velda::test

namespace velda::test {

namespace {
// Like a typed-entry editor: when its field loses the focus it takes the field off the page.
struct FieldRemover : CControlListener {
    CViewContainer* page = nullptr;
    int reports = 0;
    void valueChanged(CControl* control) override
    {
        ++reports;
        if (page && page->isChild(control)) page->removeView(control, false);
    }
};
}  // namespace

TEST(ReferenceCounting, AFocusedFieldMayLeaveItsPageWhileThePageLeavesTheFrame)
{
    const int before = CBaseObject::liveObjects();
    RecordingEditor editor;
    FieldRemover remover;
    auto* frame = new CFrame(CRect(0, 0, 100, 100), &editor);
    ASSERT_TRUE(frame->open(nullptr));
    auto* page = new CViewContainer(CRect(0, 0, 100, 100));
    auto* field = new CTextEdit(CRect(0, 0, 50, 20), &remover, 58, "1.0");
    for (int i = 0; i < 4; ++i) page->addView(new CView(CRect(0, 30, 10, 40)));
    page->addView(field);
    page->addView(new CView(CRect(60, 30, 70, 40)));
    remover.page = page;
    frame->addView(page);
    frame->setFocusView(field);
    frame->removeView(page, false);
    EXPECT_EQ(remover.reports, 1);
    EXPECT_FALSE(page->isChild(field));
    EXPECT_EQ(page->getNbViews(), 5);
    field->forget();
    page->forget();
    frame->close();
    EXPECT_EQ(CBaseObject::liveObjects(), before);
}

}  // namespace velda::test

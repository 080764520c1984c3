#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>

#include "emberline2/EmberlineEditor.h"
#include "platform/OffscreenParent.h"
#include "platform/Timer.h"
#include "shell/AudioEffectX.h"
#include "support/FakeHost.h"
#include "toolkit/vstgui.h"

using namespace vst;
using namespace velda::gui;
using velda::test::FakeHost;

namespace {

constexpr int kHostParameters = 42;

// Host-visible parameters below 42, hidden ones above; every change is forwarded to the editor.
class EchoEffect : public AudioEffectX {
public:
    explicit EchoEffect(audioMasterCallback host) : AudioEffectX(host, 1, kHostParameters) {}
    void processReplacing(float**, float**, VstInt32) override {}
    void setParameter(VstInt32 index, float value) override
    {
        if (index < 0 || index >= int(values.size())) return;
        values[size_t(index)] = value;
        ++sets;
        if (editor) editor->setParameter(index, value);
    }
    float getParameter(VstInt32 index) override { return values[size_t(index)]; }
    std::array<float, 64> values{};
    int sets = 0;
};

// The product editor with one host parameter knob and one hidden preference switch.
class ProbeEditor : public EmberlineEditor {
public:
    using EmberlineEditor::EmberlineEditor;
    bool open(void* window) override
    {
        if (!EmberlineEditor::open(window)) return false;
        knob = new CKnob(CRect(10, 10, 60, 60), this, 5, nullptr, nullptr);
        preference = new COnOffButton(CRect(100, 10, 120, 30), this, 45, nullptr);
        frame->addView(knob);
        frame->addView(preference);
        ++opens;
        return true;
    }
    void close() override
    {
        knob = nullptr;
        preference = nullptr;
        EmberlineEditor::close();
    }
    void setParameter(int index, float value) override
    {
        if (index == 5 && knob) knob->setValue(value);
    }
    CKnob* knob = nullptr;
    COnOffButton* preference = nullptr;
    int opens = 0;
};

struct EditorShell : ::testing::Test {
    FakeHost host;
    EchoEffect* effect = nullptr;
    ProbeEditor* editor = nullptr;
    AEffect* record = nullptr;
    std::unique_ptr<VeldaOffscreenParent> parent = std::make_unique<VeldaOffscreenParent>();
    std::vector<uint8_t> pixels;

    void SetUp() override
    {
        effect = new EchoEffect(FakeHost::callback);
        editor = new ProbeEditor(effect, velda::kEmberline2Look);
        record = effect->getAeffect();
        std::memset(parent.get(), 0, sizeof(VeldaOffscreenParent));
        parent->magic = VELDA_OFFSCREEN_MAGIC;
        parent->version = VELDA_OFFSCREEN_VERSION;
        pixels.assign(450 * 460 * 4, 0);
        parent->pixels = pixels.data();
        parent->pixelBytes = int64_t(pixels.size());
    }
    void TearDown() override
    {
        if (record) dispatch(effClose);
    }
    VstIntPtr dispatch(VstInt32 op, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0)
    {
        return record->dispatcher(record, op, index, value, ptr, opt);
    }
    void event(int32_t type, double x, double y, uint32_t buttons)
    {
        VeldaOffscreenEvent& e = parent->events[parent->eventWrite % VELDA_OFFSCREEN_EVENTS];
        e = VeldaOffscreenEvent{};
        e.type = type;
        e.x = x;
        e.y = y;
        e.buttons = buttons;
        ++parent->eventWrite;
    }
    int automations(int index) const
    {
        int n = 0;
        for (const auto& call : host.calls()) n += call.opcode == audioMasterAutomate && call.index == index;
        return n;
    }
};

TEST_F(EditorShell, RectangleIsKnownBeforeTheFirstOpen)
{
    EXPECT_TRUE(record->flags & effFlagsHasEditor);
    ERect* rect = nullptr;
    EXPECT_EQ(dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 460);
    EXPECT_EQ(rect->right, 450);
}

TEST_F(EditorShell, ClosedEditorIgnoresKeysCloseIdleAndKnobMode)
{
    EXPECT_EQ(dispatch(effEditKeyDown, 'a', 0), 0);
    dispatch(effEditClose);
    dispatch(effEditIdle);
    EXPECT_FALSE(editor->isOpen());
    EXPECT_EQ(editor->getFrame(), nullptr);
    EXPECT_EQ(dispatch(effSetEditKnobMode, 0, 2), 0);
    EXPECT_EQ(AEffGUIEditor::getLibraryKnobMode(), kCircularMode);
}

TEST_F(EditorShell, OpensOffscreenDrawsAndCloses)
{
    ASSERT_EQ(dispatch(effEditOpen, 0, 0, parent.get()), 1);
    EXPECT_TRUE(editor->isOpen());
    EXPECT_EQ(parent->isOpen, 1);
    EXPECT_EQ(parent->width, 450);
    EXPECT_EQ(parent->height, 460);
    dispatch(effEditIdle);
    EXPECT_GT(parent->presents, 0u);
    dispatch(effEditClose);
    EXPECT_EQ(parent->isOpen, 0);
    EXPECT_FALSE(editor->isOpen());
    EXPECT_EQ(editor->getFrame(), nullptr);
}

TEST_F(EditorShell, ReopeningRebuildsFromTheCurrentValues)
{
    ASSERT_EQ(dispatch(effEditOpen, 0, 0, parent.get()), 1);
    dispatch(effEditClose);
    record->setParameter(record, 5, 0.75f);
    ASSERT_EQ(dispatch(effEditOpen, 0, 0, parent.get()), 1);
    EXPECT_EQ(editor->opens, 2);
    editor->knob->setValue(effect->getParameter(5));
    EXPECT_EQ(editor->knob->getValue(), 0.75f);
}

TEST_F(EditorShell, EachControlMoveIsOneAutomationAndHiddenIndicesNone)
{
    AEffGUIEditor::setLibraryKnobMode(kLinearMode);
    ASSERT_EQ(dispatch(effEditOpen, 0, 0, parent.get()), 1);
    dispatch(effEditIdle);
    host.clear();
    event(kVeldaMouseDown, 35, 35, 1);
    event(kVeldaMouseMove, 35, 15, 1);
    event(kVeldaMouseMove, 35, 5, 1);
    event(kVeldaMouseUp, 35, 5, 1);
    event(kVeldaMouseDown, 110, 20, 1);
    dispatch(effEditIdle);
    AEffGUIEditor::setLibraryKnobMode(kCircularMode);

    EXPECT_EQ(automations(5), 2);
    EXPECT_EQ(automations(45), 0);
    EXPECT_FLOAT_EQ(effect->values[5], 0.15f);
    EXPECT_EQ(effect->values[45], 1.0f) << "the hidden index reached the effect without the host";
    EXPECT_EQ(host.count(audioMasterBeginEdit), 2);
    EXPECT_EQ(host.count(audioMasterEndEdit), 2);
}

TEST_F(EditorShell, WheelAndKeysReachTheFrame)
{
    ASSERT_EQ(dispatch(effEditOpen, 0, 0, parent.get()), 1);
    event(kVeldaMouseMove, 35, 35, 0);
    dispatch(effEditIdle);
    EXPECT_TRUE(editor->onWheel(1.0f));
    EXPECT_FLOAT_EQ(effect->values[5], 0.1f);
    EXPECT_EQ(automations(5), 1);
    EXPECT_EQ(dispatch(effEditKeyDown, 'a', 0), 0) << "no view has the keyboard focus";
}

TEST_F(EditorShell, OpenAndCloseAThousandTimesLeavesNothingBehind)
{
    const int before = CBaseObject::liveObjects();
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(dispatch(effEditOpen, 0, 0, parent.get()), 1);
        dispatch(effEditIdle);
        dispatch(effEditClose);
    }
    EXPECT_EQ(CBaseObject::liveObjects(), before);
    EXPECT_EQ(velda::platform::Timer::activeCount(), 0);
}

TEST_F(EditorShell, IdleStuffIsPacedAndAsksTheHostToIdle)
{
    ASSERT_EQ(dispatch(effEditOpen, 0, 0, parent.get()), 1);
    host.clear();
    editor->doIdleStuff();
    editor->doIdleStuff();  // within 100 ms of the first: paced
    EXPECT_GE(host.count(audioMasterIdle), 1);
    EXPECT_LE(host.count(audioMasterIdle), 2);
}

}  // namespace

namespace {

// A host that deletes the effect with the editor open and a text entry in progress.
TEST_F(EditorShell, DeletingTheEffectWithTheEditorOpenClosesItFirst)
{
    ASSERT_EQ(dispatch(effEditOpen, 0, 0, parent.get()), 1);
    auto* field = new CTextEdit(CRect(10, 100, 100, 120), editor, 58, "2.0");
    editor->getFrame()->addView(field);
    editor->getFrame()->setFocusView(field);
    const int before = CBaseObject::liveObjects();
    dispatch(effClose);
    record = nullptr;
    EXPECT_LT(CBaseObject::liveObjects(), before);
    EXPECT_EQ(parent->isOpen, 0);
}

}  // namespace

// An Emberline product with its real editor, opened offscreen on a fake host with an empty
// per-user store. The test program carries the product's pictures.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "emberline/Emberline1Product.h"
#include "emberline2/Emberline.h"
#include "emberline2/Emberline2Product.h"
#include "emberline2/EmberlineEditor.h"
#include "platform/OffscreenParent.h"
#include "platform/RegistryTestRoot.h"
#include "support/FakeHost.h"
#include "toolkit/vstgui.h"

namespace velda::test {

// What a test expects of one product (written out here, not taken from the code under test).
struct EditorProduct {
    const char* name;
    const ProductLayout* product;
    const layout::EditorLayout& (*layout)();
    std::set<int> silentIndices;  // change the effect without telling the host
    int stereoIndex;              // the two host parameters behind the channel-mode button
    int sidesIndex;
    int channelModeTag;
    int meterTag;
    int fineTuneIndex;
    int knobModeIndex;
    int toSettingsTag;
    int toMainTag;
    int fatIndex;  // -1: no FAT button
};

// The product this test program carries the pictures of.
const EditorProduct& editorProduct();

class EditorFixture : public ::testing::Test {
protected:
    platform::ScopedRegistryRoot store;
    FakeHost host;
    const EditorProduct& product = editorProduct();
    Emberline* effect = nullptr;
    EmberlineEditor* editor = nullptr;
    vst::AEffect* record = nullptr;
    std::unique_ptr<VeldaOffscreenParent> parent = std::make_unique<VeldaOffscreenParent>();
    std::vector<uint8_t> pixels;

    void SetUp() override
    {
        effect = new Emberline(FakeHost::callback, *product.product);
        editor = dynamic_cast<EmberlineEditor*>(effect->getEditor());
        ASSERT_NE(editor, nullptr);
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
        if (record) dispatch(vst::effClose);
    }

    vst::VstIntPtr dispatch(vst::VstInt32 op, vst::VstInt32 index = 0, vst::VstIntPtr value = 0,
                            void* ptr = nullptr, float opt = 0)
    {
        return record->dispatcher(record, op, index, value, ptr, opt);
    }
    void open() { ASSERT_EQ(dispatch(vst::effEditOpen, 0, 0, parent.get()), 1); }
    void idle(int times = 1)
    {
        for (int i = 0; i < times; ++i) dispatch(vst::effEditIdle);
    }
    void event(int32_t type, double x, double y, uint32_t buttons = 0, float distance = 0)
    {
        VeldaOffscreenEvent& e = parent->events[parent->eventWrite % VELDA_OFFSCREEN_EVENTS];
        e = VeldaOffscreenEvent{};
        e.type = type;
        e.x = x;
        e.y = y;
        e.buttons = buttons;
        e.distance = distance;
        ++parent->eventWrite;
    }
    void click(double x, double y)
    {
        event(kVeldaMouseMove, x, y);
        event(kVeldaMouseDown, x, y, 1);
        event(kVeldaMouseUp, x, y, 1);
        idle();
    }
    void wheel(double x, double y, float distance)
    {
        event(kVeldaMouseMove, x, y);
        event(kVeldaWheel, x, y, 0, distance);
        idle();
    }
    void type(const char* text)
    {
        for (const char* c = text; *c; ++c) dispatch(vst::effEditKeyDown, *c, 0);
    }
    void key(int virt) { dispatch(vst::effEditKeyDown, 0, virt); }

    // The layout row of the control bound to `tag` on `page`.
    const layout::ControlSpec* spec(int tag) const
    {
        for (const auto& s : product.layout().controls)
            if (s.tag == tag) return &s;
        return nullptr;
    }
    void showPage(layout::Page page)
    {
        if ((page == layout::Page::main) == editor->showsMainPage()) return;
        const int tag = page == layout::Page::main ? product.toMainTag : product.toSettingsTag;
        const auto& r = spec(tag)->rect;
        click((r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
    }

    std::vector<HostCall> automations() const
    {
        std::vector<HostCall> found;
        for (const auto& call : host.calls())
            if (call.opcode == vst::audioMasterAutomate) found.push_back(call);
        return found;
    }
    uint32_t pixel(int x, int y) const
    {
        const uint8_t* p = &pixels[(size_t(y) * 450 + size_t(x)) * 4];
        return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    // A picture of the editor for people to look at, in the build tree.
    void saveScreenshot(const std::string& name) const;
};

}  // namespace velda::test

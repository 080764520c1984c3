// A Cindermote with its editor opened offscreen through the dispatcher, on a recording host, with
// synthetic mouse and keys fed through the offscreen record.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "cindermote/Cindermote.h"
#include "cindermote/CindermoteEditor.h"
#include "platform/OffscreenParent.h"
#include "platform/RegistryTestRoot.h"
#include "support/FakeHost.h"
#include "toolkit/MouseEvents.h"
#include "toolkit/VirtualKeys.h"

namespace velda::test {

struct CindermoteEditorFixture : ::testing::Test {
    platform::ScopedRegistryRoot store;
    FakeHost host;
    std::unique_ptr<Cindermote> fx;
    cindermote::EmberlineEditor* editor = nullptr;
    std::unique_ptr<VeldaOffscreenParent> record = std::make_unique<VeldaOffscreenParent>();
    std::vector<uint8_t> pixels;

    CindermoteEditorFixture()
    {
        fx = std::make_unique<Cindermote>(FakeHost::callback);
        editor = dynamic_cast<cindermote::EmberlineEditor*>(fx->getEditor());
        dispatch(vst::effSetSampleRate, 0, 0, nullptr, 44100.0f);
        dispatch(vst::effMainsChanged, 0, 1);
    }

    ~CindermoteEditorFixture() override
    {
        if (fx) dispatch(vst::effEditClose);
    }

    vst::VstIntPtr dispatch(vst::VstInt32 opcode, vst::VstInt32 index = 0, vst::VstIntPtr value = 0,
                            void* ptr = nullptr, float opt = 0.0f)
    {
        return fx->dispatcher(opcode, index, value, ptr, opt);
    }

    bool open()
    {
        if (!editor) return false;
        std::memset(record.get(), 0, sizeof(VeldaOffscreenParent));
        record->magic = VELDA_OFFSCREEN_MAGIC;
        record->version = VELDA_OFFSCREEN_VERSION;
        if (!dispatch(vst::effEditOpen, 0, 0, record.get())) return false;
        pixels.assign(size_t(record->width) * size_t(record->height) * 4, 0);
        record->pixels = pixels.data();
        record->pixelBytes = int64_t(pixels.size());
        idle();
        return true;
    }

    void close() { dispatch(vst::effEditClose); }

    void idle(int times = 1)
    {
        for (int i = 0; i < times; ++i) dispatch(vst::effEditIdle);
    }

    void push(int32_t type, double x, double y, uint32_t buttons = 0)
    {
        VeldaOffscreenEvent e{};
        e.type = type;
        e.x = x;
        e.y = y;
        e.buttons = buttons;
        record->events[record->eventWrite % VELDA_OFFSCREEN_EVENTS] = e;
        ++record->eventWrite;
    }

    void key(int32_t character, uint8_t virt = 0)
    {
        VeldaOffscreenEvent e{};
        e.type = kVeldaKeyDown;
        e.character = character;
        e.virt = virt;
        record->events[record->eventWrite % VELDA_OFFSCREEN_EVENTS] = e;
        ++record->eventWrite;
        e.type = kVeldaKeyUp;
        record->events[record->eventWrite % VELDA_OFFSCREEN_EVENTS] = e;
        ++record->eventWrite;
    }

    void click(double x, double y, uint32_t buttons = gui::kLButton)
    {
        push(kVeldaMouseMove, x, y);
        push(kVeldaMouseDown, x, y, buttons);
        push(kVeldaMouseUp, x, y, buttons & ~uint32_t(gui::kDoubleClick));
        idle();
    }

    // A press, one move by dy pixels and the release.
    void drag(double x, double y, double dy)
    {
        push(kVeldaMouseMove, x, y);
        push(kVeldaMouseDown, x, y, gui::kLButton);
        push(kVeldaMouseMove, x, y + dy, gui::kLButton);
        push(kVeldaMouseUp, x, y + dy, gui::kLButton);
        idle();
    }

    void type(const char* text)
    {
        for (const char* c = text; *c; ++c) key(*c);
    }

    const cindermote::CindermoteEditorViews& views() const { return editor->views(); }

    int automations(int index) const
    {
        int n = 0;
        for (const HostCall& c : host.calls())
            if (c.opcode == vst::audioMasterAutomate && c.index == index) ++n;
        return n;
    }

    // Renders a stereo sine of the given peak through the 32-bit entry.
    void renderSine(float peak, int frames)
    {
        const size_t count = (size_t)frames;
        std::vector<float> l(count), r(count), ol(count), orr(count);
        for (int i = 0; i < frames; ++i) l[size_t(i)] = r[size_t(i)] = peak * (float)std::sin(0.0627 * i);
        for (int at = 0; at < frames; at += 256) {
            const int n = std::min(256, frames - at);
            float* in[2] = {l.data() + at, r.data() + at};
            float* out[2] = {ol.data() + at, orr.data() + at};
            fx->processReplacing(in, out, n);
        }
    }
};

}  // namespace velda::test

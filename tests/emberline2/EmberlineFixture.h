// A product effect constructed on a fake host with an empty per-user store.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "emberline2/Emberline.h"
#include "platform/RegistryTestRoot.h"
#include "shell/AEffEditor.h"
#include "support/FakeHost.h"

namespace velda::test {

struct ForwardedValue {
    int index;
    float value;
};

class RecordingEditor : public AEffEditor {
public:
    using AEffEditor::AEffEditor;
    void setParameter(int index, float value) override { forwarded.push_back({index, value}); }
    std::vector<ForwardedValue> forwarded;
};

inline AEffEditor* createRecordingEditor(AudioEffect* effect) { return new RecordingEditor(effect); }

class EmberlineFixture : public ::testing::Test {
protected:
    explicit EmberlineFixture(const ProductLayout& layout) : layout(layout) {}
    void SetUp() override { effect = std::make_unique<Emberline>(FakeHost::callback, layout); }

    std::string display(int index)
    {
        char text[64] = "stale";
        effect->getParameterDisplay(index, text);
        return text;
    }
    std::string name(int index)
    {
        char text[64] = "stale";
        effect->getParameterName(index, text);
        return text;
    }
    std::string label(int index)
    {
        char text[64] = "stale";
        effect->getParameterLabel(index, text);
        return text;
    }
    EngineeringValues& values() { return effect->engineeringValues(); }
    vst::VstIntPtr dispatch(vst::VstInt32 opcode, vst::VstInt32 index = 0, vst::VstIntPtr value = 0,
                            void* ptr = nullptr, float opt = 0.0f)
    {
        vst::AEffect* record = effect->getAeffect();
        return record->dispatcher(record, opcode, index, value, ptr, opt);
    }

    const ProductLayout& layout;
    platform::ScopedRegistryRoot registry;
    FakeHost host;
    std::unique_ptr<Emberline> effect;
};

}  // namespace velda::test

// A small product for the preset panel: three parameters, twenty programs, an editor whose frame
// opens offscreen with the panel along its bottom edge, and helpers for clicks and files.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/OffscreenParent.h"
#include "platform/RegistryTestRoot.h"
#include "presets/CPresetSystemEditor.h"
#include "presets/CPresetSystemEffect.h"
#include "support/FakeHost.h"
#include "toolkit/vstgui.h"

namespace velda::test::panel {

constexpr int kParams = 3;
constexpr int kPrograms = 20;
constexpr const char* kKey = "PanelTest10";
constexpr layout::PanelPlacement kPlacement{59, 19000, 444, 458, 446, 456};
constexpr int T = kPlacement.tagBase;

inline const std::array<FactoryProgram, kPrograms>& panelFactoryPrograms()
{
    static double values[kPrograms][kParams];
    static std::array<std::string, kPrograms> names;
    static std::array<FactoryProgram, kPrograms> programs = [] {
        std::array<FactoryProgram, kPrograms> table{};
        for (int p = 0; p < kPrograms; ++p) {
            for (int i = 0; i < kParams; ++i) values[p][i] = (p * kParams + i) / 64.0;
            names[size_t(p)] = "Factory " + std::to_string(p);
            table[size_t(p)] = {names[size_t(p)].c_str(), values[p]};
        }
        return table;
    }();
    return programs;
}

class PanelEffect : public CPresetSystemEffect {
public:
    static constexpr vst::VstInt32 kId = vst::fourCC('P', 'n', 'l', 'T');
    explicit PanelEffect(vst::audioMasterCallback host, vst::VstInt32 id = kId)
        : CPresetSystemEffect(host, kParams, kPrograms, panelFactoryPrograms().data())
    {
        setUniqueID(id);
    }
    void processReplacing(float**, float**, vst::VstInt32) override {}
    void setParameter(vst::VstInt32 index, float value) override
    {
        CPresetSystemEffect::setParameter(index, value);
        if (index >= 0 && index < kParams) applied[size_t(index)] = value;
        if (editor) editor->setParameter(index, value);
    }
    float getParameter(vst::VstInt32 index) override
    {
        return index >= 0 && index < kParams ? programValues(getCurrentProgramIndex())[index] : 0.0f;
    }
    std::array<float, kParams> applied{-1, -1, -1};
};

class PanelEditor : public CPresetSystemEditor {
public:
    explicit PanelEditor(AudioEffect* e, const char* key = kKey, const layout::PanelPlacement& placement = kPlacement)
        : CPresetSystemEditor(e)
    {
        rect.right = 450;
        rect.bottom = 460;
        setPresetPanel(placement, key);
    }
    ~PanelEditor() override
    {
        if (frame) close();
    }
    bool open(void* window) override
    {
        AEffGUIEditor::open(window);
        frame = new gui::CFrame(gui::CRect(0, 0, 450, 460), this);
        if (!frame->open(window)) {
            frame->forget();
            frame = nullptr;
            return false;
        }
        CPresetSystemEditor::open(window);
        return true;
    }
    void close() override
    {
        CPresetSystemEditor::close();
        if (frame) frame->close();
        frame = nullptr;
        AEffGUIEditor::close();
    }
    void valueChanged(gui::CControl* control) override
    {
        CPresetSystemEditor::valueChanged(control);
        if (control && !isPanelTag(control->getTag())) sendParameter(control->getTag(), control->getValue());
    }
};

// One instance as the product builds it: effect, editor, registry defaults, program 0.
struct Instance {
    PanelEffect* effect;
    PanelEditor* editor;
    explicit Instance(vst::VstInt32 id = PanelEffect::kId, const char* key = kKey)
        : effect(new PanelEffect(FakeHost::callback, id)), editor(new PanelEditor(effect, key))
    {
        effect->loadEditorDefaults();
        effect->selectProgram(0);
    }
    ~Instance() { delete effect; }
    std::string name(int program) const
    {
        return std::string(effect->programName(program), strnlen(effect->programName(program), 24));
    }
    std::vector<uint8_t> table() const
    {
        const uint8_t* begin = effect->programRecord(0);
        return {begin, begin + effect->programRecordSize() * kPrograms};
    }
    std::vector<float> values(int program) const
    {
        return {effect->programValues(program), effect->programValues(program) + kParams};
    }
};

// Button centres: x from the panel layout, y in the middle of the rows.
enum Button : int {
    kSaveBank = 26,
    kDefaultBank = 50,
    kLoadBank = 76,
    kSavePreset = 97,
    kDefaultPreset = 126,
    kLoadPreset = 156,
    kRockerLeft = 320,
    kRockerRight = 338,
    kStoreA = 358,
    kRecallA = 380,
    kStoreB = 401,
    kRecallB = 423,
};
constexpr uint32_t kLeft = 1, kRight = 4, kShiftKey = 8, kControlKey = 16, kDouble = 128;

struct PanelTest : ::testing::Test {
    platform::ScopedRegistryRoot registryRoot;
    FakeHost host;
    std::unique_ptr<Instance> instance = std::make_unique<Instance>();
    std::unique_ptr<VeldaOffscreenParent> parent = std::make_unique<VeldaOffscreenParent>();
    std::filesystem::path folder;

    void SetUp() override
    {
        ASSERT_TRUE(registryRoot.active());
        std::memset(parent.get(), 0, sizeof(VeldaOffscreenParent));
        parent->magic = VELDA_OFFSCREEN_MAGIC;
        parent->version = VELDA_OFFSCREEN_VERSION;
        static std::atomic<int> counter{0};
        folder = std::filesystem::temp_directory_path() /
                 ("velda-panel-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  std::to_string(counter++) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override
    {
        instance.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    PanelEffect& effect() { return *instance->effect; }
    PanelEditor& editor() { return *instance->editor; }
    vst::VstIntPtr dispatch(vst::VstInt32 op, vst::VstInt32 index = 0, vst::VstIntPtr value = 0, void* ptr = nullptr)
    {
        vst::AEffect* record = effect().getAeffect();
        return record->dispatcher(record, op, index, value, ptr, 0.0f);
    }
    void openEditor() { ASSERT_EQ(dispatch(vst::effEditOpen, 0, 0, parent.get()), 1); }
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
    // A press and release on a panel button, delivered at the next idle.
    void click(int x, uint32_t buttons = kLeft)
    {
        event(kVeldaMouseDown, x, 451, buttons);
        event(kVeldaMouseUp, x, 451, buttons);
        dispatch(vst::effEditIdle);
    }
    // The next file dialog chooses this path.
    void answer(const std::filesystem::path& path)
    {
        std::strncpy(parent->fileAnswer, path.string().c_str(), sizeof(parent->fileAnswer) - 1);
    }
    static std::vector<uint8_t> readFile(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
    {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    int displayUpdates() const { return host.count(vst::audioMasterUpdateDisplay); }
};

}  // namespace velda::test::panel

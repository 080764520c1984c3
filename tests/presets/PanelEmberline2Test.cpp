// The panel over the real "Velda Emberline2" effect: its record sizes, its thirty programs and its
// registry defaults as a new instance reads them.
#include "PanelFixture.h"
#include "emberline2/Emberline.h"
#include "emberline2/Emberline2Product.h"
#include "emberline2/EditorLayout.h"

namespace velda::test::panel {
namespace {

AEffEditor* createPanelEditor(AudioEffect* effect)
{
    return new PanelEditor(effect, kEmberline2Product.presetRegistryKey, emberline2::editorLayout().panel);
}

const ProductLayout& productWithPanel()
{
    static const ProductLayout layout = [] {
        ProductLayout copy = kEmberline2Product;
        copy.createEditor = createPanelEditor;
        return copy;
    }();
    return layout;
}

struct Emberline2Panel : ::testing::Test {
    platform::ScopedRegistryRoot registryRoot;
    FakeHost host;
    std::unique_ptr<VeldaOffscreenParent> parent = std::make_unique<VeldaOffscreenParent>();
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("velda-panel-e2-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));

    void SetUp() override
    {
        ASSERT_TRUE(registryRoot.active());
        std::memset(parent.get(), 0, sizeof(VeldaOffscreenParent));
        parent->magic = VELDA_OFFSCREEN_MAGIC;
        parent->version = VELDA_OFFSCREEN_VERSION;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    static std::unique_ptr<Emberline> makeEffect() { return std::make_unique<Emberline>(FakeHost::callback, productWithPanel()); }
    static CPresetSystemEditor& editorOf(Emberline& effect) { return *static_cast<CPresetSystemEditor*>(effect.getEditor()); }
    void open(Emberline& effect)
    {
        vst::AEffect* record = effect.getAeffect();
        ASSERT_EQ(record->dispatcher(record, vst::effEditOpen, 0, 0, parent.get(), 0), 1);
    }
    void click(Emberline& effect, int x, uint32_t buttons = kLeft)
    {
        for (int32_t type : {kVeldaMouseDown, kVeldaMouseUp}) {
            VeldaOffscreenEvent& e = parent->events[parent->eventWrite++ % VELDA_OFFSCREEN_EVENTS];
            e = VeldaOffscreenEvent{};
            e.type = type;
            e.x = x;
            e.y = 451;
            e.buttons = buttons;
        }
        vst::AEffect* record = effect.getAeffect();
        record->dispatcher(record, vst::effEditIdle, 0, 0, nullptr, 0);
    }
    static std::string name(Emberline& effect, int program)
    {
        return std::string(effect.programName(program), strnlen(effect.programName(program), 24));
    }
};

TEST_F(Emberline2Panel, MenuListsTheThirtyProgramsAndTheRockerAppliesThem)
{
    auto effect = makeEffect();
    open(*effect);
    gui::COptionMenu* menu = editorOf(*effect).getProgramMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->getNbEntries(), 30);
    EXPECT_EQ(menu->getNbItemsPerColumn(), 15);
    for (int i = 0; i < 30; ++i) EXPECT_EQ(menu->getEntry(i), name(*effect, i));
    click(*effect, kRockerRight);
    ASSERT_EQ(effect->getCurrentProgramIndex(), 1);
    for (int i = 0; i < kEmberline2ParamCount; ++i) EXPECT_EQ(effect->getParameter(i), effect->programValues(1)[i]) << i;
    EXPECT_STREQ(editorOf(*effect).getNameField()->getText(), name(*effect, 1).c_str());
}

TEST_F(Emberline2Panel, FilesHoldOneRecordOfTheProductsSize)
{
    auto effect = makeEffect();
    open(*effect);
    std::strcpy(parent->fileAnswer, (folder / "one.vdp").string().c_str());
    click(*effect, kSavePreset);
    std::strcpy(parent->fileAnswer, (folder / "all.vdb").string().c_str());
    click(*effect, kSaveBank);
    EXPECT_EQ(std::filesystem::file_size(folder / "one.vdp"), 197u);
    EXPECT_EQ(std::filesystem::file_size(folder / "all.vdb"), 5765u);

    effect->selectProgram(12);
    std::strcpy(parent->fileAnswer, (folder / "one.vdp").string().c_str());
    click(*effect, kLoadPreset);
    EXPECT_EQ(name(*effect, 12), name(*effect, 0));
    EXPECT_EQ(std::memcmp(effect->programValues(12), effect->programValues(0), 4 * kEmberline2ParamCount), 0);
}

TEST_F(Emberline2Panel, DefaultPresetFromProgramSevenStartsTheNextInstance)
{
    std::string sevenName;
    std::vector<float> sevenValues;
    {
        auto effect = makeEffect();
        open(*effect);
        effect->selectProgram(7);
        sevenName = name(*effect, 7);
        sevenValues.assign(effect->programValues(7), effect->programValues(7) + kEmberline2ParamCount);
        click(*effect, kDefaultPreset, kLeft | kDouble);
    }
    auto next = makeEffect();
    EXPECT_EQ(next->getCurrentProgramIndex(), 0);
    EXPECT_EQ(name(*next, 0), sevenName);
    for (int i = 0; i < kEmberline2ParamCount; ++i) EXPECT_EQ(next->getParameter(i), sevenValues[size_t(i)]) << i;
}

}  // namespace
}  // namespace velda::test::panel

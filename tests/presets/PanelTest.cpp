#include <cstring>
#include <cmath>
#include <limits>

#include "PanelFixture.h"
#include "platform/Timer.h"
#include "presets/CPSKickButton.h"
#include "presets/CPSRockerSwitch.h"
#include "presets/CSaveLoadButton.h"
#include "toolkit/CMenuOverlay.h"

using namespace velda::gui;

namespace velda::test::panel {
namespace {

TEST_F(PanelTest, OpenBuildsThePanelAndCloseDropsIt)
{
    openEditor();
    CTextEdit* field = editor().getNameField();
    COptionMenu* menu = editor().getProgramMenu();
    ASSERT_NE(field, nullptr);
    ASSERT_NE(menu, nullptr);
    EXPECT_STREQ(field->getText(), "Factory 0");
    EXPECT_EQ(field->getTag(), T);
    EXPECT_EQ(field->getViewSize(), CRect(175, 443.5, 292, 458.5)) << "narrowed to the font around row middle 451";
    EXPECT_EQ(menu->getTag(), T + 12);
    EXPECT_EQ(menu->getNbEntries(), kPrograms);
    EXPECT_EQ(menu->getNbItemsPerColumn(), 15);
    EXPECT_TRUE(menu->getStyle() & kCheckStyle);
    EXPECT_EQ(menu->getCurrent(), 0);
    EXPECT_STREQ(menu->getEntry(19), "Factory 19");
    EXPECT_TRUE(editor().isIdleTimerRunning());
    EXPECT_EQ(platform::Timer::activeCount(), 1);

    dispatch(vst::effEditClose);
    EXPECT_EQ(editor().getNameField(), nullptr);
    EXPECT_EQ(editor().getProgramMenu(), nullptr);
    EXPECT_FALSE(editor().isIdleTimerRunning());
    EXPECT_EQ(platform::Timer::activeCount(), 0);
}

TEST_F(PanelTest, NoPanelWithoutAFrame)
{
    EXPECT_FALSE(editor().CPresetSystemEditor::open(nullptr));
    EXPECT_EQ(editor().getNameField(), nullptr);
    EXPECT_FALSE(editor().isIdleTimerRunning());
}

TEST_F(PanelTest, RockerStepsThroughProgramsAndStopsAtBothEnds)
{
    openEditor();
    click(kRockerRight);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 1);
    EXPECT_EQ(effect().applied[2], float(5 / 64.0));
    EXPECT_STREQ(editor().getNameField()->getText(), "Factory 1");
    EXPECT_EQ(editor().getProgramMenu()->getCurrent(), 1);

    click(kRockerLeft);
    click(kRockerLeft);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 0) << "no step below the first program";

    effect().selectProgram(kPrograms - 1);
    host.clear();
    click(kRockerRight);
    EXPECT_EQ(effect().getCurrentProgramIndex(), kPrograms - 1);
    EXPECT_STREQ(editor().getNameField()->getText(), "Factory 19");
    EXPECT_EQ(editor().getProgramMenu()->getCurrent(), kPrograms - 1);
    EXPECT_GE(displayUpdates(), 1) << "the last program is applied again and the host display refreshed";
}

TEST_F(PanelTest, RockerShowsHoverAndPressedImages)
{
    openEditor();
    CPSRockerSwitch& rocker = *new CPSRockerSwitch(CRect(313, 444, 344, 458), nullptr, T + 1, 14, nullptr);
    CPoint left(320, 451), right(338, 451);
    rocker.onMouseEntered(left, 0);
    EXPECT_EQ(rocker.imageIndex(), 1);
    rocker.onMouseMoved(right, 0);
    EXPECT_EQ(rocker.imageIndex(), 2);
    rocker.onMouseDown(left, kLButton);
    EXPECT_EQ(rocker.imageIndex(), 3);
    rocker.onMouseUp(left, 0);
    EXPECT_EQ(rocker.getValue(), 0.0f);
    rocker.onMouseExited(left, 0);
    EXPECT_EQ(rocker.imageIndex(), 0);
    rocker.forget();
}

TEST_F(PanelTest, MenuChoiceAppliesTheProgram)
{
    openEditor();
    host.clear();
    editor().getProgramMenu()->chooseEntry(7);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 7);
    EXPECT_EQ(effect().applied[0], float(21 / 64.0));
    EXPECT_STREQ(editor().getNameField()->getText(), "Factory 7");
    EXPECT_EQ(editor().getProgramMenu()->getCurrent(), 7);
    EXPECT_GE(displayUpdates(), 1);
}

TEST_F(PanelTest, RenameKeepsTwentyFourCharactersEverywhere)
{
    openEditor();
    effect().selectProgram(3);
    CTextEdit* field = editor().getNameField();
    field->setText("A forty character name typed into field");
    host.clear();
    field->valueChanged();
    const char* cut = "A forty character name t";
    EXPECT_STREQ(field->getText(), cut);
    EXPECT_STREQ(editor().getProgramMenu()->getEntry(3), cut);
    EXPECT_EQ(instance->name(3), cut);
    EXPECT_EQ(displayUpdates(), 1);

    char hostName[] = "Host given name";
    dispatch(vst::effSetProgramName, 0, 0, hostName);
    EXPECT_STREQ(field->getText(), "Host given name");
    EXPECT_STREQ(editor().getProgramMenu()->getEntry(3), "Host given name");
}

TEST_F(PanelTest, TypedNameRenamesWithoutAnyHostGesture)
{
    openEditor();
    effect().selectProgram(2);
    host.clear();
    event(kVeldaMouseDown, 230, 451, kLeft);
    event(kVeldaMouseUp, 230, 451, kLeft);
    dispatch(vst::effEditIdle);
    ASSERT_TRUE(editor().getNameField()->isEditing());
    auto key = [&](int32_t character, uint8_t virt) {
        VeldaOffscreenEvent& e = parent->events[parent->eventWrite++ % VELDA_OFFSCREEN_EVENTS];
        e = VeldaOffscreenEvent{};
        e.type = kVeldaKeyDown;
        e.character = character;
        e.virt = virt;
    };
    for (int i = 0; i < 9; ++i) key(0, VKEY_BACK);
    for (char c : std::string("Typed by hand, far longer than it may be")) key(c, 0);
    key(0, VKEY_RETURN);
    dispatch(vst::effEditIdle);
    EXPECT_FALSE(editor().getNameField()->isEditing());
    EXPECT_EQ(instance->name(2), "Typed by hand, far longe");
    EXPECT_STREQ(editor().getProgramMenu()->getEntry(2), "Typed by hand, far longe");
    EXPECT_STREQ(editor().getNameField()->getText(), "Typed by hand, far longe");
    EXPECT_EQ(host.count(vst::audioMasterBeginEdit), 0);
    EXPECT_EQ(host.count(vst::audioMasterEndEdit), 0);
    EXPECT_EQ(host.count(vst::audioMasterAutomate), 0);
}

TEST_F(PanelTest, MenuOpensOverTheInvisibleClickAreaInColumnsOfFifteen)
{
    openEditor();
    host.clear();
    event(kVeldaMouseDown, 299, 451, kLeft);
    event(kVeldaMouseUp, 299, 451, kLeft);
    dispatch(vst::effEditIdle);
    auto* overlay = dynamic_cast<CMenuOverlay*>(editor().getFrame()->getModalView());
    ASSERT_NE(overlay, nullptr);
    EXPECT_EQ(overlay->entryRect(15).top, overlay->entryRect(0).top);
    EXPECT_GT(overlay->entryRect(15).left, overlay->entryRect(0).left);
    const CRect entry = overlay->entryRect(17);
    event(kVeldaMouseDown, (entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2, kLeft);
    event(kVeldaMouseUp, (entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2, kLeft);
    dispatch(vst::effEditIdle);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 17);
    EXPECT_STREQ(editor().getNameField()->getText(), "Factory 17");
    EXPECT_EQ(host.count(vst::audioMasterBeginEdit), 0);
    EXPECT_EQ(host.count(vst::audioMasterAutomate), 0);
}

TEST_F(PanelTest, IdleTimerCallsIdleEveryFiftyMilliseconds)
{
    openEditor();
    effect().selectProgram(0);
    // A rename behind the panel's back shows once the timer's idle has run.
    std::strcpy(effect().programName(0), "Behind");
    // Poll: a loaded machine (or wine's tick count) may need more than one period.
    for (int i = 0; i < 100 && std::strcmp(editor().getNameField()->getText(), "Behind") != 0; ++i) {
        platform::sleepMs(20);
        platform::Timer::runDue();
    }
    EXPECT_STREQ(editor().getNameField()->getText(), "Behind");
    EXPECT_EQ(editor().getProgramMenu()->getEntry(0), std::string("Behind"));
}

TEST_F(PanelTest, HoverFollowsTheMouseAcrossTheButtons)
{
    openEditor();
    event(kVeldaMouseMove, kStoreA, 451, 0);
    dispatch(vst::effEditIdle);
    auto* storeA = dynamic_cast<CPSKickButton*>(editor().getFrame()->getViewAt(CPoint(kStoreA, 451)));
    ASSERT_NE(storeA, nullptr);
    EXPECT_TRUE(storeA->isHovered());
    event(kVeldaMouseMove, kRecallA, 451, 0);
    dispatch(vst::effEditIdle);
    EXPECT_FALSE(storeA->isHovered());
}

TEST_F(PanelTest, StateChunkLoadedWhileOpenShowsInMenuAndField)
{
    Instance other;
    other.effect->selectProgram(5);
    other.effect->setCurrentProgramName("From the host");
    void* data = nullptr;
    const auto size = other.effect->getChunk(&data, false);
    const std::vector<uint8_t> chunk(static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);

    openEditor();
    ASSERT_EQ(effect().setChunk(const_cast<uint8_t*>(chunk.data()), size, false), 0);
    dispatch(vst::effEditIdle);
    EXPECT_EQ(editor().getProgramMenu()->getCurrent(), 5);
    EXPECT_STREQ(editor().getProgramMenu()->getEntry(5), "From the host");
    EXPECT_STREQ(editor().getNameField()->getText(), "From the host");
}

TEST_F(PanelTest, MemoriesStoreAndRecallOnlyTheCurrentProgram)
{
    openEditor();
    effect().selectProgram(1);
    effect().setParameter(0, 0.875f);
    click(kStoreA);
    effect().selectProgram(2);
    click(kStoreB);

    effect().selectProgram(4);
    const auto before = instance->table();
    click(kRecallA);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 4);
    EXPECT_EQ(instance->name(4), "Factory 1");
    EXPECT_EQ(instance->values(4), (std::vector<float>{0.875f, float(4 / 64.0), float(5 / 64.0)}));
    EXPECT_EQ(effect().applied[0], 0.875f);
    EXPECT_STREQ(editor().getNameField()->getText(), "Factory 1");
    EXPECT_STREQ(editor().getProgramMenu()->getEntry(4), "Factory 1");
    auto after = instance->table();
    const size_t record = effect().programRecordSize();
    std::copy(before.begin() + 4 * record, before.begin() + 5 * record, after.begin() + 4 * record);
    EXPECT_EQ(after, before) << "no other program changed";

    click(kRecallB);
    EXPECT_EQ(instance->name(4), "Factory 2");
}

TEST_F(PanelTest, RecallWithNothingStoredChangesNothing)
{
    openEditor();
    const auto before = instance->table();
    click(kRecallA);
    click(kRecallB);
    EXPECT_EQ(instance->table(), before);
}

TEST_F(PanelTest, MemoryButtonsActOnLeftClicksOnly)
{
    openEditor();
    click(kStoreA, kRight);
    effect().selectProgram(3);
    click(kRecallA);
    EXPECT_EQ(instance->name(3), "Factory 3") << "a right click stored nothing";
}

TEST_F(PanelTest, KickButtonImagesFollowHoverAndPress)
{
    CPSKickButton& button = *new CPSKickButton(CRect(352, 444, 364, 458), nullptr, T + 15, 14, nullptr, false);
    CPoint where(358, 451);
    button.onMouseEntered(where, 0);
    EXPECT_EQ(button.imageIndex(), 1);
    button.onMouseDown(where, kLButton);
    EXPECT_EQ(button.imageIndex(), 2);
    EXPECT_EQ(button.getValue(), 1.0f);
    button.onMouseUp(where, kLButton);
    EXPECT_EQ(button.getValue(), 0.0f);
    EXPECT_EQ(button.imageIndex(), 1);
    button.onMouseExited(where, 0);
    EXPECT_EQ(button.imageIndex(), 0);
    button.forget();
}

// Each control shows one image of its film strip: images of 14 rows, image i filled with grey i * 40.
TEST_F(PanelTest, ControlsDrawTheImageOfTheirState)
{
    auto* strip = new CBitmap(12, 14 * 5);
    for (int32_t y = 0; y < 14 * 5; ++y)
        for (int32_t x = 0; x < 12; ++x) {
            uint8_t* p = strip->pixel(x, y);
            p[0] = p[1] = p[2] = uint8_t(y / 14 * 40);
            p[3] = 255;
        }
    std::vector<uint8_t> pixels(12 * 14 * 4);
    auto shown = [&](CControl& control) {
        CDrawContext context(pixels.data(), 12, 14, 12 * 4);
        control.draw(&context);
        return pixels[(7 * 12 + 6) * 4] / 40;
    };
    const CRect area(0, 0, 12, 14);
    CPoint left(2, 7), right(10, 7);

    auto* kick = new CPSKickButton(area, nullptr, T + 15, 14, strip, false);
    EXPECT_EQ(shown(*kick), 0);
    kick->onMouseEntered(left, 0);
    EXPECT_EQ(shown(*kick), 1);
    kick->onMouseDown(left, kLButton);
    EXPECT_EQ(shown(*kick), 2);
    kick->forget();

    auto* file = new CSaveLoadButton(area, nullptr, T + 2, 14, strip);
    file->onMouseEntered(left, 0);
    EXPECT_EQ(shown(*file), 1);
    file->setValue(1.0f);
    EXPECT_EQ(shown(*file), 2);
    file->forget();

    auto* rocker = new CPSRockerSwitch(area, nullptr, T + 1, 14, strip);
    rocker->onMouseEntered(right, 0);
    EXPECT_EQ(shown(*rocker), 2);
    rocker->onMouseDown(left, kLButton);
    EXPECT_EQ(shown(*rocker), 3);
    rocker->onMouseDown(right, kLButton);
    EXPECT_EQ(shown(*rocker), 4);
    rocker->forget();
    strip->forget();
}

TEST_F(PanelTest, SaveLoadButtonsReportOnceAndReverseOnlyOnAPlainRightClick)
{
    struct Recorder : CControlListener {
        std::vector<float> values;
        void valueChanged(CControl* control) override { values.push_back(control->getValue()); }
    } recorder;
    auto* button = new CSaveLoadButton(CRect(0, 0, 12, 14), &recorder, T + 4, 14, nullptr);
    CPoint where(6, 7);
    const struct {
        CButtonState buttons;
        float reported;
    } cases[] = {{kLButton, 1.0f}, {kRButton, 0.5f}, {kRButton | kShift, 1.0f}, {kRButton | kControl, 1.0f},
                 {kLButton | kRButton, 1.0f}, {kLButton | kDoubleClick, 1.0f}};
    for (const auto& c : cases) {
        recorder.values.clear();
        EXPECT_EQ(button->onMouseDown(where, c.buttons), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
        EXPECT_EQ(recorder.values, std::vector<float>{c.reported}) << c.buttons;
        EXPECT_EQ(button->getValue(), 0.0f);
    }
    recorder.values.clear();
    EXPECT_EQ(button->onMouseDown(where, kMButton), kMouseEventNotHandled);
    EXPECT_TRUE(recorder.values.empty());
    button->forget();
}

// ---------------------------------------------------------------------------------------------
// Files

std::vector<uint8_t> reversedWords(std::vector<uint8_t> bytes, size_t from, size_t count)
{
    for (size_t i = 0; i < count; ++i) std::reverse(bytes.begin() + long(from + 4 * i), bytes.begin() + long(from + 4 * i + 4));
    return bytes;
}

float floatAt(const std::vector<uint8_t>& bytes, size_t offset)
{
    float v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

float byteReversed(float v)
{
    uint8_t b[4];
    std::memcpy(b, &v, 4);
    std::reverse(b, b + 4);
    std::memcpy(&v, b, 4);
    return v;
}

TEST_F(PanelTest, SavedPresetIsOneRecordAndLoadsBack)
{
    openEditor();
    effect().selectProgram(2);
    effect().setParameter(1, 0.625f);
    answer(folder / "warm.vdp");
    click(kSavePreset);
    EXPECT_STREQ(parent->lastDialogTitle, "Save preset");
    const auto bytes = readFile(folder / "warm.vdp");
    ASSERT_EQ(bytes.size(), 5u + 24u + 4u * kParams);
    EXPECT_EQ(bytes[0], 'T');
    EXPECT_EQ(bytes[3], 'P') << "the unique ID in little-endian order";
    EXPECT_EQ(bytes[4], 0x21);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[5])), "Factory 2");
    EXPECT_EQ(floatAt(bytes, 29 + 4), 0.625f);
    EXPECT_FALSE(std::filesystem::exists(folder / "warm.vdp.saving"));

    effect().selectProgram(9);
    host.clear();
    answer(folder / "warm.vdp");
    click(kLoadPreset);
    EXPECT_STREQ(parent->lastDialogTitle, "Load preset");
    EXPECT_EQ(effect().getCurrentProgramIndex(), 9);
    EXPECT_EQ(instance->name(9), "Factory 2");
    EXPECT_EQ(instance->values(9), instance->values(2));
    EXPECT_EQ(effect().applied[1], 0.625f);
    EXPECT_STREQ(editor().getNameField()->getText(), "Factory 2");
    EXPECT_STREQ(editor().getProgramMenu()->getEntry(9), "Factory 2");
    EXPECT_GE(displayUpdates(), 1);
}

TEST_F(PanelTest, ByteOrderOfPresetFilesFollowsTheIdAndTheRightClick)
{
    openEditor();
    effect().selectProgram(6);
    answer(folder / "little.vdp");
    click(kSavePreset);
    const auto little = readFile(folder / "little.vdp");
    writeFile(folder / "big.vdp", reversedWords(reversedWords(little, 0, 1), 29, kParams));
    const auto stored = instance->values(6);
    const std::vector<float> swapped{byteReversed(stored[0]), byteReversed(stored[1]), byteReversed(stored[2])};

    struct Case {
        const char* file;
        uint32_t buttons;
        bool expectSwapped;
        const char* title;
    } cases[] = {
        {"little.vdp", kLeft, false, "Load preset"},
        {"little.vdp", kRight, true, "Load preset (endian-reversed)"},
        {"little.vdp", kRight | kShiftKey, false, "Load preset"},
        {"big.vdp", kLeft, false, "Load preset"},
        {"big.vdp", kRight, true, "Load preset (endian-reversed)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " buttons " + std::to_string(c.buttons));
        effect().selectProgram(0);
        answer(folder / c.file);
        click(kLoadPreset, c.buttons);
        EXPECT_STREQ(parent->lastDialogTitle, c.title);
        // A big-endian file is turned round by its ID, so both files read the same way.
        EXPECT_EQ(instance->values(0), c.expectSwapped ? swapped : stored);
        EXPECT_EQ(instance->name(0), "Factory 6");
    }
}

TEST_F(PanelTest, BankSavesEveryProgramAndLoadsBackIntoMenuAndField)
{
    openEditor();
    effect().selectProgram(4);
    effect().setCurrentProgramName("Renamed four");
    effect().setParameter(2, 0.25f);
    const auto saved = instance->table();
    answer(folder / "all.vdb");
    click(kSaveBank);
    EXPECT_STREQ(parent->lastDialogTitle, "Save bank");
    const auto bytes = readFile(folder / "all.vdb");
    ASSERT_EQ(bytes.size(), 5u + kPrograms * (24u + 4u * kParams));
    EXPECT_EQ(bytes[4], 0x37);

    for (int p = 0; p < kPrograms; ++p) {
        effect().selectProgram(p);
        effect().setCurrentProgramName("Scratch");
        effect().setParameter(0, 0.5f);
    }
    answer(folder / "all.vdb");
    click(kLoadBank);
    EXPECT_STREQ(parent->lastDialogTitle, "Load bank");
    EXPECT_EQ(instance->table(), saved);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 0);
    EXPECT_EQ(editor().getProgramMenu()->getCurrent(), 0);
    EXPECT_STREQ(editor().getProgramMenu()->getEntry(4), "Renamed four");
    EXPECT_STREQ(editor().getProgramMenu()->getEntry(19), "Factory 19");
    EXPECT_STREQ(editor().getNameField()->getText(), "Factory 0");
    EXPECT_EQ(effect().applied[0], 0.0f);
}

TEST_F(PanelTest, BigEndianBankLoadsAndRightClickTitlesTheDialog)
{
    openEditor();
    answer(folder / "little.vdb");
    click(kSaveBank);
    const auto saved = instance->table();
    auto bytes = reversedWords(readFile(folder / "little.vdb"), 0, 1);
    for (int p = 0; p < kPrograms; ++p) bytes = reversedWords(bytes, 5 + size_t(p) * (24 + 4 * kParams) + 24, kParams);
    writeFile(folder / "big.vdb", bytes);
    effect().selectProgram(3);
    effect().setParameter(0, 0.5f);
    answer(folder / "big.vdb");
    click(kLoadBank);
    EXPECT_EQ(instance->table(), saved);

    answer(folder / "big.vdb");
    click(kLoadBank, kRight);
    EXPECT_STREQ(parent->lastDialogTitle, "Load bank (endian-reversed)");
    EXPECT_EQ(instance->values(1)[0], byteReversed(float(3 / 64.0)));
    EXPECT_EQ(instance->name(1), "Factory 1") << "names are never reversed";
}

TEST_F(PanelTest, RefusedFilesChangeNoProgram)
{
    openEditor();
    answer(folder / "good.vdp");
    click(kSavePreset);
    answer(folder / "good.vdb");
    click(kSaveBank);
    const auto preset = readFile(folder / "good.vdp");
    const auto bank = readFile(folder / "good.vdb");

    auto foreign = preset;
    foreign[0] ^= 0x5A;
    auto wrongMarker = preset;
    wrongMarker[4] = 0x37;
    auto notANumber = preset;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::memcpy(&notANumber[29 + 4], &nan, 4);
    auto infinite = bank;
    const float inf = std::numeric_limits<float>::infinity();
    std::memcpy(&infinite[5 + 7 * (24 + 4 * kParams) + 24], &inf, 4);
    const std::vector<uint8_t> truncatedPreset(preset.begin(), preset.end() - 1);
    const std::vector<uint8_t> truncatedBank(bank.begin(), bank.begin() + 100);

    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        int button;
    } cases[] = {
        {"foreign.vdp", foreign, kLoadPreset},
        {"bank-as-preset.vdb", bank, kLoadPreset},
        {"preset-as-bank.vdp", preset, kLoadBank},
        {"marker.vdp", wrongMarker, kLoadPreset},
        {"nan.vdp", notANumber, kLoadPreset},
        {"inf.vdb", infinite, kLoadBank},
        {"short.vdp", truncatedPreset, kLoadPreset},
        {"short.vdb", truncatedBank, kLoadBank},
        {"empty.vdp", {}, kLoadPreset},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(folder / c.name, c.bytes);
        effect().selectProgram(5);
        const auto before = instance->table();
        answer(folder / c.name);
        click(c.button);
        EXPECT_EQ(instance->table(), before);
        EXPECT_STREQ(editor().getProgramMenu()->getEntry(5), "Factory 5");
        // A refused bank leaves program 0 selected, as the bank load selects it first.
        EXPECT_EQ(effect().getCurrentProgramIndex(), c.button == kLoadBank ? 0 : 5);
    }

    effect().selectProgram(5);
    const auto before = instance->table();
    answer(folder / "missing.vdp");
    click(kLoadPreset);
    EXPECT_EQ(instance->table(), before);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 5);
}

TEST_F(PanelTest, CancelledDialogChangesNothing)
{
    openEditor();
    effect().selectProgram(5);
    const auto before = instance->table();
    const std::string folderBefore = editor().getCurrentFolder();
    click(kLoadBank);
    click(kLoadPreset);
    click(kSavePreset);
    EXPECT_EQ(parent->fileDialogs, 3);
    EXPECT_EQ(instance->table(), before);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 5);
    EXPECT_EQ(editor().getCurrentFolder(), folderBefore);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(PanelTest, SaveThatCannotWriteLeavesNoFileBehind)
{
    openEditor();
    answer(folder / "no-such-folder" / "a.vdp");
    click(kSavePreset);
    EXPECT_FALSE(std::filesystem::exists(folder / "no-such-folder"));

    const std::vector<uint8_t> original{1, 2, 3};
    writeFile(folder / "locked.vdb", original);
    std::filesystem::permissions(folder / "locked.vdb", std::filesystem::perms::owner_read);
    if (std::FILE* writable = std::fopen((folder / "locked.vdb").string().c_str(), "rb+")) {
        std::fclose(writable);
        GTEST_SKIP() << "this user may write read-only files";
    }
    answer(folder / "locked.vdb");
    click(kSaveBank);
    std::filesystem::permissions(folder / "locked.vdb", std::filesystem::perms::owner_all);
    EXPECT_EQ(readFile(folder / "locked.vdb"), original) << "a read-only file is not replaced";
    EXPECT_FALSE(std::filesystem::exists(folder / "locked.vdb.saving"));
}

TEST_F(PanelTest, ChosenFileBecomesTheRememberedFolderAndName)
{
    openEditor();
    std::filesystem::create_directories(folder / "sub");
    answer(folder / "sub" / "mine.vdp");
    click(kSavePreset);
    answer(folder / "sub" / "all.vdb");
    click(kSaveBank);
    const std::string subFolder = (folder / "sub").string();
    EXPECT_EQ(editor().getCurrentFolder().substr(0, subFolder.size()), subFolder);
    EXPECT_EQ(editor().getCurrentFolder().size(), subFolder.size() + 1) << "the folder keeps its separator";
    EXPECT_EQ(editor().getCurrentPresetFileName(), "mine.vdp");
    EXPECT_EQ(editor().getCurrentBankFileName(), "all.vdb");

    // A bare name is taken in the remembered folder.
    effect().selectProgram(8);
    answer("mine.vdp");
    click(kLoadPreset);
    EXPECT_EQ(instance->name(8), "Factory 0");
    EXPECT_EQ(editor().getCurrentPresetFileName(), "mine.vdp");
}

// ---------------------------------------------------------------------------------------------
// Defaults and recent locations

TEST_F(PanelTest, DefaultButtonsNeedADoubleClickAndControlDeletes)
{
    openEditor();
    effect().selectProgram(7);
    effect().setParameter(1, 0.75f);
    click(kDefaultPreset);
    {
        Instance fresh;
        EXPECT_EQ(fresh.name(0), "Factory 0") << "a single click stores nothing";
    }
    click(kDefaultPreset, kLeft | kDouble);
    {
        Instance fresh;
        EXPECT_EQ(fresh.effect->getCurrentProgramIndex(), 0);
        EXPECT_EQ(fresh.name(0), "Factory 7");
        EXPECT_EQ(fresh.values(0), instance->values(7));
        EXPECT_EQ(fresh.effect->applied[1], 0.75f);
        EXPECT_EQ(fresh.name(7), "Factory 7");
        EXPECT_EQ(fresh.name(1), "Factory 1");
    }
    click(kDefaultPreset, kLeft | kDouble | kControlKey);
    {
        Instance fresh;
        EXPECT_EQ(fresh.name(0), "Factory 0");
    }
}

TEST_F(PanelTest, DefaultBankSurvivesIntoNewInstancesOfTheSameProductOnly)
{
    openEditor();
    effect().selectProgram(3);
    effect().setCurrentProgramName("Bank three");
    effect().selectProgram(0);
    effect().setCurrentProgramName("Bank zero");
    click(kDefaultBank, kLeft | kDouble);
    {
        Instance fresh;
        EXPECT_EQ(fresh.table(), instance->table());
        EXPECT_EQ(fresh.effect->getCurrentProgramIndex(), 0);
    }
    {
        Instance otherProduct(vst::fourCC('O', 't', 'h', 'r'));
        EXPECT_EQ(otherProduct.name(3), "Factory 3") << "another product's ID is refused";
    }
    {
        Instance otherKey(PanelEffect::kId, "PanelOther10");
        EXPECT_EQ(otherKey.name(3), "Factory 3");
    }
    click(kDefaultBank, kLeft | kDouble | kControlKey);
    {
        Instance fresh;
        EXPECT_EQ(fresh.name(3), "Factory 3");
    }
}

TEST_F(PanelTest, DefaultPresetLandsOnTopOfTheDefaultBank)
{
    openEditor();
    effect().selectProgram(5);
    effect().setCurrentProgramName("Bank five");
    click(kDefaultBank, kLeft | kDouble);
    effect().selectProgram(2);
    effect().setCurrentProgramName("Preset two");
    click(kDefaultPreset, kLeft | kDouble);
    Instance fresh;
    EXPECT_EQ(fresh.name(0), "Preset two");
    EXPECT_EQ(fresh.name(2), "Factory 2") << "the bank was stored before the rename";
    EXPECT_EQ(fresh.name(5), "Bank five");
}

TEST_F(PanelTest, RecentLocationsAreWrittenWhenTheEditorGoesAndReadByTheNextInstance)
{
    {
        Instance first;
        EXPECT_EQ(first.editor->getCurrentFolder(), "") << "nothing stored yet";
    }
    openEditor();
    answer(folder / "kept.vdp");
    click(kSavePreset);
    answer(folder / "kept.vdb");
    click(kSaveBank);
    const std::string rememberedFolder = editor().getCurrentFolder();
    instance.reset();

    Instance next;
    EXPECT_EQ(next.editor->getCurrentFolder(), rememberedFolder);
    EXPECT_EQ(next.editor->getCurrentPresetFileName(), "kept.vdp");
    EXPECT_EQ(next.editor->getCurrentBankFileName(), "kept.vdb");
}

TEST_F(PanelTest, LongestRememberedFolderRoundTripsAndLongerOnesAreNotKept)
{
    const std::string longest = "/" + std::string(254, 'f') + "/";
    ASSERT_EQ(longest.size(), 256u);
    openEditor();
    answer(longest + "x.vdp");
    click(kSavePreset);
    EXPECT_EQ(editor().getCurrentFolder(), longest);
    instance.reset();
    {
        Instance next;
        EXPECT_EQ(next.editor->getCurrentFolder(), longest);
    }
    instance = std::make_unique<Instance>();
    parent->isOpen = 0;
    openEditor();
    answer("/" + std::string(300, 'g') + "/y.vdp");
    click(kSavePreset);
    EXPECT_EQ(editor().getCurrentFolder(), longest);
    EXPECT_EQ(editor().getCurrentPresetFileName(), "x.vdp");
}

}  // namespace
}  // namespace velda::test::panel

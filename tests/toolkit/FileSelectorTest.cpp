#include <cstring>
#include <memory>

#include "ToolkitFixture.h"
#include "platform/OffscreenParent.h"

namespace velda::test {

// Offscreen, the record answers the dialog: its path once, then nothing (cancel).
TEST(FileSelector, OffscreenDialogTakesTheRecordsAnswerOnce)
{
    auto record = std::make_unique<VeldaOffscreenParent>();
    std::memset(record.get(), 0, sizeof(VeldaOffscreenParent));
    record->magic = VELDA_OFFSCREEN_MAGIC;
    record->version = VELDA_OFFSCREEN_VERSION;
    std::strcpy(record->fileAnswer, "/presets/warm.vdp");
    RecordingEditor editor;
    auto* frame = new CFrame(CRect(0, 0, 100, 100), &editor);
    ASSERT_TRUE(frame->open(record.get()));

    CNewFileSelector* selector = CNewFileSelector::create(frame, CNewFileSelector::kSelectFile);
    selector->setTitle("Load Preset");
    selector->addFileExtension(CFileExtension("Velda Preset", "vdp"));
    ASSERT_TRUE(selector->runModal());
    ASSERT_EQ(selector->getNumSelectedFiles(), 1);
    EXPECT_STREQ(selector->getSelectedFile(0), "/presets/warm.vdp");
    EXPECT_EQ(selector->getSelectedFile(1), nullptr);
    EXPECT_STREQ(record->lastDialogTitle, "Load Preset");
    EXPECT_FALSE(selector->runModal());
    EXPECT_EQ(selector->getNumSelectedFiles(), 0);
    EXPECT_EQ(record->fileDialogs, 2);
    selector->forget();
    frame->close();
    EXPECT_EQ(record->isOpen, 0);
}

TEST(FileSelector, WithoutAWindowNothingIsChosen)
{
    CNewFileSelector* selector = CNewFileSelector::create(nullptr, CNewFileSelector::kSelectSaveFile);
    EXPECT_FALSE(selector->runModal());
    selector->forget();
}

}  // namespace velda::test

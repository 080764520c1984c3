#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "presets/PresetFileIo.h"

using namespace velda::presets;
namespace fs = std::filesystem;

namespace {

struct PresetFileIoTest : ::testing::Test {
    fs::path folder;
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() / (std::string("velda-files-") + info->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        std::error_code error;
        fs::permissions(folder / "locked.vdp", fs::perms::owner_all, error);
        fs::remove_all(folder, error);
    }
    std::string pathOf(const char* name) const { return (folder / name).string(); }
};

TEST(PresetFilePath, SplitsAtTheLastSeparator)
{
    auto split = splitChosenPath("/home/user/presets/Warm Bus.vdp");
    ASSERT_TRUE(split);
    EXPECT_EQ(split->folder, "/home/user/presets/");
    EXPECT_EQ(split->fileName, "Warm Bus.vdp");
    split = splitChosenPath("/x");
    ASSERT_TRUE(split);
    EXPECT_EQ(split->folder, "/");
    EXPECT_EQ(split->fileName, "x");
    EXPECT_FALSE(splitChosenPath("Warm Bus.vdp"));
    EXPECT_FALSE(splitChosenPath(""));

    if (fs::path::preferred_separator == '\\') {
        split = splitChosenPath("C:\\Presets\\mine/Warm.vdp");
        ASSERT_TRUE(split);
        EXPECT_EQ(split->folder, "C:\\Presets\\mine/");
        split = splitChosenPath("C:\\Presets\\Warm.vdp");
        ASSERT_TRUE(split);
        EXPECT_EQ(split->folder, "C:\\Presets\\");
        EXPECT_EQ(split->fileName, "Warm.vdp");
    }
}

TEST(PresetFilePath, JoinAddsASeparatorOnlyWhenNeeded)
{
    const std::string separator(1, static_cast<char>(fs::path::preferred_separator));
    EXPECT_EQ(joinPath("/a/", "b.vdb"), "/a/b.vdb");
    EXPECT_EQ(joinPath("/a", "b.vdb"), "/a" + separator + "b.vdb");
    EXPECT_EQ(joinPath("", "b.vdb"), "b.vdb");
}

TEST_F(PresetFileIoTest, WrittenRecordReadsBackExactly)
{
    const std::vector<std::uint8_t> record{0x6C, 0x45, 0x51, 0x51, 0x21, 0, 1, 2, 0xFF};
    ASSERT_TRUE(writeRecordFile(pathOf("a.vdp"), record));
    EXPECT_EQ(fs::file_size(folder / "a.vdp"), record.size());
    EXPECT_EQ(readRecordFile(pathOf("a.vdp"), record.size()), record);
    // Saving again replaces the whole file.
    ASSERT_TRUE(writeRecordFile(pathOf("a.vdp"), std::vector<std::uint8_t>{7}));
    EXPECT_EQ(readRecordFile(pathOf("a.vdp"), record.size()), std::vector<std::uint8_t>{7});
}

TEST_F(PresetFileIoTest, ReadsAtMostTheRecordSize)
{
    std::ofstream(folder / "long.vdp", std::ios::binary) << std::string(300, 'x');
    EXPECT_EQ(readRecordFile(pathOf("long.vdp"), 197).size(), 197u);
    EXPECT_EQ(readRecordFile(pathOf("long.vdp"), 5765).size(), 300u);
}

TEST_F(PresetFileIoTest, MissingFileReadsNothingAndMissingFolderWritesNothing)
{
    EXPECT_TRUE(readRecordFile(pathOf("none.vdp"), 197).empty());
    EXPECT_FALSE(writeRecordFile(pathOf("no-such-folder/a.vdp"), std::vector<std::uint8_t>(197)));
    EXPECT_FALSE(fs::exists(folder / "no-such-folder"));
}

TEST_F(PresetFileIoTest, ReadOnlyFileStillLoads)
{
    const std::vector<std::uint8_t> record(117, 0x42);
    ASSERT_TRUE(writeRecordFile(pathOf("locked.vdp"), record));
    fs::permissions(folder / "locked.vdp", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(readRecordFile(pathOf("locked.vdp"), 117), record);
}

}  // namespace

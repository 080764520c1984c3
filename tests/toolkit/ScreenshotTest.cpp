#include <gtest/gtest.h>

#include <stb/stb_image.h>

#include <filesystem>

#include "tools/ToolRunner.h"

namespace velda::test {

// The tool opens the fixture's editor without a window and saves what it shows.
TEST(Screenshot, SavesTheOffscreenEditorAsAPng)
{
    const std::string plugin = buildFile(std::string("tests/fixtures/") + VELDA_EDITOR_FIXTURE);
    const std::filesystem::path out = std::filesystem::temp_directory_path() / "velda_editor_fixture.png";
    std::filesystem::remove(out);
    const ToolResult result = runVelda({"screenshot", plugin, nativePath(out)});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = stbi_load(out.string().c_str(), &w, &h, &channels, 4);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(w, 450);
    EXPECT_EQ(h, 376);
    // The generated background: red follows x, green follows y.
    const unsigned char* p = pixels + (size_t(300) * w + 225) * 4;
    EXPECT_EQ(p[0], 225 * 255 / 449);
    EXPECT_EQ(p[1], 300 * 255 / 375);
    EXPECT_EQ(p[2], 90);
    EXPECT_EQ(p[3], 255);
    stbi_image_free(pixels);

    EXPECT_NE(runVelda({"screenshot", plugin, nativePath(out), "--page", "sideways"}).exitCode, 0);
}

}  // namespace velda::test

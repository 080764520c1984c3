// The velda tool opens the real plug-in's editor offscreen and saves both pages.
#include <gtest/gtest.h>

#include <stb/stb_image.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "tools/ToolRunner.h"

namespace velda::test {
namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;
};

Picture load(const std::filesystem::path& path)
{
    Picture p;
    int channels = 0;
    unsigned char* data = stbi_load(path.string().c_str(), &p.width, &p.height, &channels, 4);
    if (data) {
        p.rgba.assign(data, data + size_t(p.width) * size_t(p.height) * 4);
        stbi_image_free(data);
    }
    return p;
}

int differingPixels(const Picture& a, const Picture& b, int left, int top, int right, int bottom)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const size_t at = (size_t(y) * size_t(a.width) + size_t(x)) * 4;
            if (a.rgba[at] != b.rgba[at] || a.rgba[at + 1] != b.rgba[at + 1] || a.rgba[at + 2] != b.rgba[at + 2]) ++n;
        }
    return n;
}

TEST(CindermoteEditorScreenshot, TheToolSavesBothPagesOfThePlugIn)
{
    const char* binary = std::getenv("VELDA_BINARY_DIR");
    const std::filesystem::path dir = std::filesystem::path(binary ? binary : ".") / "tests" / "screenshots";
    std::filesystem::create_directories(dir);
    const std::string plugin = pluginFile(VELDA_CINDERMOTE_PLUGIN);
    const std::filesystem::path main = dir / "cindermote-plugin-main.png";
    const std::filesystem::path settings = dir / "cindermote-plugin-settings.png";
    const std::filesystem::path drive = dir / "cindermote-plugin-drive-up.png";

    ToolResult r = runVelda({"screenshot", plugin, nativePath(main)});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    r = runVelda({"screenshot", plugin, nativePath(settings), "--page", "settings"});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    r = runVelda({"screenshot", plugin, nativePath(drive), "--set", "6=1.0"});
    ASSERT_EQ(r.exitCode, 0) << r.output;

    const Picture m = load(main), s = load(settings), d = load(drive);
    ASSERT_EQ(m.width, 450);
    ASSERT_EQ(m.height, 377);
    ASSERT_EQ(s.width, m.width);
    ASSERT_EQ(s.height, m.height);
    ASSERT_EQ(d.width, m.width);
    ASSERT_EQ(d.height, m.height);
    // The pages differ above the preset panel; the panel row is shared.
    EXPECT_GT(differingPixels(m, s, 0, 0, 450, 358), 20000);
    EXPECT_EQ(differingPixels(m, s, 0, 362, 450, 377), 0);
    // Drive turned fully up moves the Drive knob and nothing far from it.
    EXPECT_GT(differingPixels(m, d, 122, 151, 236, 265), 200);
    EXPECT_EQ(differingPixels(m, d, 250, 150, 450, 300), 0);
}

}  // namespace
}  // namespace velda::test

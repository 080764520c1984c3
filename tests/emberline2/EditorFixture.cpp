#include "EditorFixture.h"

#include <stb/stb_image_write.h>

#include <cstdlib>
#include <filesystem>

namespace velda::test {

void EditorFixture::saveScreenshot(const std::string& name) const
{
    const char* binary = std::getenv("VELDA_BINARY_DIR");
    if (!binary) return;  // run outside ctest: no build tree to write into
    const std::filesystem::path folder = std::filesystem::path(binary) / "tests" / "screenshots";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::string file = (folder / (std::string(product.name) + "-" + name + ".png")).string();
    stbi_write_png(file.c_str(), 450, 460, 4, pixels.data(), 450 * 4);
}

}  // namespace velda::test

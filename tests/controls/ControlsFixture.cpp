#include "ControlsFixture.h"

#include <cstdlib>
#include <filesystem>

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace velda::gui::test {

CBitmap* makeStrip(int32_t width, int32_t imageHeight, int32_t images, uint8_t tint)
{
    auto* bitmap = new CBitmap(width, imageHeight * images);
    for (int32_t i = 0; i < images; ++i)
        for (int32_t y = i * imageHeight; y < (i + 1) * imageHeight; ++y)
            for (int32_t x = 0; x < width; ++x) {
                uint8_t* p = bitmap->pixel(x, y);
                p[0] = uint8_t(i);
                p[1] = uint8_t(255 - i);
                p[2] = tint;
                p[3] = 255;
            }
    return bitmap;
}

CBitmap* makeFilled(int32_t width, int32_t height, CColor colour)
{
    auto* bitmap = new CBitmap(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            uint8_t* p = bitmap->pixel(x, y);
            p[0] = colour.red;
            p[1] = colour.green;
            p[2] = colour.blue;
            p[3] = colour.alpha;
        }
    return bitmap;
}

void FrameFixture::SetUp()
{
    frame = new CFrame(CRect(0, 0, kWidth, kHeight), &editor);
    frame->setBackgroundColor(kWhiteCColor);
}

void FrameFixture::TearDown()
{
    frame->close();
    frame = nullptr;
}

void FrameFixture::screenshot(const char* name) const
{
    const char* binary = std::getenv("VELDA_BINARY_DIR");
    if (!binary) return;
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(binary) / "tests" / "controls-screens";
    std::filesystem::create_directories(folder, error);
    const std::string path = (folder / (std::string(name) + ".png")).string();
    stbi_write_png(path.c_str(), kWidth, kHeight, 4, frame->getPixels(), frame->getPixelStride());
}

}  // namespace velda::gui::test

// The editor bitmaps as the library hands them out: every one present with its size and image count,
// film strips running from one end of their scale to the other, controls sitting on their background.
#include "cindermote/EditorLayout.h"
#include "emberline/EditorLayout.h"
#include "emberline2/EditorLayout.h"
#include "platform/ModuleResources.h"
#include "presets/PresetPanelLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using velda::layout::BitmapSpec;
using velda::layout::ControlKind;
using velda::layout::ControlSpec;
using velda::layout::EditorLayout;

const EditorLayout& productLayout() {
  for (const EditorLayout* l : {&velda::emberline2::editorLayout(), &velda::emberline::editorLayout(),
                                &velda::cindermote::editorLayout()})
    if (std::strcmp(l->shortName, VELDA_ARTWORK_PRODUCT) == 0) return *l;
  throw std::runtime_error("unknown product");
}

std::uint32_t read32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t read16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }
std::uint32_t readBig32(const unsigned char* p) { return std::uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

// A decoded 24-bit bottom-up DIB, addressed top-down.
struct Dib {
  int width = 0, height = 0;
  const unsigned char* pixels = nullptr;
  int stride = 0;
  std::uint32_t at(int x, int y) const {
    const unsigned char* p = pixels + (height - 1 - y) * stride + 3 * x;
    return p[0] | p[1] << 8 | p[2] << 16;
  }
};

::testing::AssertionResult loadDib(int id, Dib& dib) {
  velda::platform::ResourceBytes bytes{};
  if (!velda::platform::findBitmapResource(id, bytes)) return ::testing::AssertionFailure() << "bitmap " << id << " missing";
  if (bytes.size < 40 || read32(bytes.data) != 40) return ::testing::AssertionFailure() << id << ": no BITMAPINFOHEADER";
  const std::int32_t width = std::int32_t(read32(bytes.data + 4)), height = std::int32_t(read32(bytes.data + 8));
  if (height <= 0) return ::testing::AssertionFailure() << id << ": not bottom-up";
  if (read16(bytes.data + 12) != 1 || read16(bytes.data + 14) != 24 || read32(bytes.data + 16) != 0)
    return ::testing::AssertionFailure() << id << ": not 24-bit BI_RGB";
  dib = {width, height, bytes.data + 40, (3 * width + 3) & ~3};
  if (bytes.size != 40 + std::size_t(dib.stride) * height)
    return ::testing::AssertionFailure() << id << ": " << bytes.size << " bytes for " << width << " x " << height;
  return ::testing::AssertionSuccess();
}

std::vector<BitmapSpec> allBitmaps() {
  std::vector<BitmapSpec> out(productLayout().bitmaps.begin(), productLayout().bitmaps.end());
  for (const BitmapSpec& s : velda::layout::presetPanelBitmaps()) out.push_back(s);
  return out;
}

TEST(ArtworkResources, EveryBitmapLoadsWithItsSizeAndImageCount) {
  for (const BitmapSpec& spec : allBitmaps()) {
    if (spec.name) continue;
    SCOPED_TRACE(spec.id);
    Dib dib;
    ASSERT_TRUE(loadDib(spec.id, dib));
    EXPECT_EQ(dib.width, spec.width);
    EXPECT_EQ(dib.height, spec.height);
  }
}

TEST(ArtworkResources, FilmStripsHoldTheirImageCount) {
  for (const ControlSpec& c : productLayout().controls) {
    if (c.bitmap == 0 || c.images < 2) continue;
    SCOPED_TRACE(c.name);
    Dib dib;
    ASSERT_TRUE(loadDib(c.bitmap, dib));
    ASSERT_EQ(dib.height % c.imageHeight, 0) << "images share one height";
    if (c.kind == ControlKind::multiColumnKnob)
      EXPECT_GE((dib.width / c.columnWidth) * (dib.height / c.imageHeight), c.images);
    else
      EXPECT_EQ(dib.height / c.imageHeight, c.images);
  }
  for (const auto& p : velda::layout::presetPanelControls()) {
    if (p.bitmap == 0) continue;
    Dib dib;
    ASSERT_TRUE(loadDib(p.bitmap, dib));
    EXPECT_EQ(dib.height % p.images, 0) << p.name;
  }
}

TEST(ArtworkResources, NamedPngResourcesLoadWithTheirSize) {
  int named = 0;
  for (const BitmapSpec& spec : allBitmaps()) {
    if (!spec.name) continue;
    ++named;
    SCOPED_TRACE(spec.name);
    velda::platform::ResourceBytes bytes{};
    ASSERT_TRUE(velda::platform::findNamedResource("PNG", spec.name, bytes));
    ASSERT_GT(bytes.size, 24u);
    EXPECT_EQ(0, std::memcmp(bytes.data, "\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(readBig32(bytes.data + 16), std::uint32_t(spec.width));
    EXPECT_EQ(readBig32(bytes.data + 20), std::uint32_t(spec.height));
    velda::platform::ResourceBytes lower{};
    std::string name = spec.name;
    for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(velda::platform::findNamedResource("png", name.c_str(), lower)) << "names ignore case";
  }
  EXPECT_EQ(named, std::strcmp(VELDA_ARTWORK_PRODUCT, "Cindermote") == 0 ? 2 : 0);
}

TEST(ArtworkResources, UnknownResourcesAreNotFound) {
  velda::platform::ResourceBytes bytes{};
  EXPECT_FALSE(velda::platform::findBitmapResource(18999, bytes));
  EXPECT_EQ(bytes.data, nullptr);
  EXPECT_FALSE(velda::platform::findBitmapResource(-1, bytes));
  EXPECT_FALSE(velda::platform::findNamedResource("PNG", "BMP19000.PNG", bytes));
  EXPECT_FALSE(velda::platform::findNamedResource("PNG", nullptr, bytes));
}

// Where image k of a control's strip starts.
struct Slot {
  int x, y;
};

Slot slotOf(const ControlSpec& c, int k, const Dib& dib) {
  if (c.kind != ControlKind::multiColumnKnob) return {0, k * c.imageHeight};
  const int perColumn = dib.height / c.imageHeight;
  return {(k / perColumn) * c.columnWidth, (k % perColumn) * c.imageHeight};
}

// Pixels where image k differs from the middle image, counted left and right of the centre line
// (where the middle image has its pointer).
std::pair<int, int> sidesOfDifference(const ControlSpec& c, const Dib& dib, int k, int width) {
  const Slot a = slotOf(c, k, dib), mid = slotOf(c, (c.images - 1) / 2, dib);
  const int centreBand = std::max(8, width / 8);
  int left = 0, right = 0;
  for (int y = 0; y < c.imageHeight; ++y)
    for (int x = 0; x < width; ++x)
      if (dib.at(a.x + x, a.y + y) != dib.at(mid.x + x, mid.y + y)) {
        if (2 * x < width - centreBand) ++left;
        if (2 * x > width + centreBand) ++right;
      }
  return {left, right};
}

bool isFilmStripScale(const ControlSpec& c) {
  return c.kind == ControlKind::knob || c.kind == ControlKind::plainKnob || c.kind == ControlKind::multiColumnKnob ||
         c.kind == ControlKind::movieMeter;
}

TEST(ArtworkResources, FilmStripsRunFromTheLowEndToTheHighEnd) {
  int strips = 0;
  for (const ControlSpec& c : productLayout().controls) {
    if (!isFilmStripScale(c)) continue;
    for (int id : {c.bitmap, c.altBitmap}) {
      if (id == 0) continue;
      SCOPED_TRACE(std::string(c.name) + " " + std::to_string(id));
      Dib dib;
      ASSERT_TRUE(loadDib(id, dib));
      const int width = c.kind == ControlKind::multiColumnKnob ? c.rect.width() : dib.width;
      const auto [firstLeft, firstRight] = sidesOfDifference(c, dib, 0, width);
      const auto [lastLeft, lastRight] = sidesOfDifference(c, dib, c.images - 1, width);
      EXPECT_GT(firstLeft, 4 * firstRight + 4) << "image 0 points to the low end (left)";
      EXPECT_GT(lastRight, 4 * lastLeft + 4) << "the last image points to the high end (right)";
      ++strips;
    }
  }
  EXPECT_GT(strips, 5);
}

bool sitsOnFaceplate(const ControlSpec& c) {
  switch (c.kind) {
    case ControlKind::knob:
    case ControlKind::plainKnob:
    case ControlKind::multiColumnKnob:
    case ControlKind::onOffButton:
    case ControlKind::verticalSwitch:
    case ControlKind::channelModeButton:
    case ControlKind::movieMeter:
    case ControlKind::overLed: return true;
    default: return false;
  }
}

// The outermost ring of every control image shows the page background beneath it, so no control
// draws a visible rectangle, wherever the same bitmap is used.
TEST(ArtworkResources, ControlImagesBlendIntoThePageBackground) {
  const EditorLayout& layout = productLayout();
  Dib mainPage, settingsPage;
  ASSERT_TRUE(loadDib(layout.frameBitmap, mainPage));
  ASSERT_TRUE(loadDib(layout.settingsBitmap, settingsPage));
  for (const ControlSpec& c : layout.controls) {
    if (!sitsOnFaceplate(c)) continue;
    SCOPED_TRACE(c.name);
    const Dib& page = c.page == velda::layout::Page::main ? mainPage : settingsPage;
    Dib dib;
    ASSERT_TRUE(loadDib(c.bitmap, dib));
    const int w = c.kind == ControlKind::multiColumnKnob ? c.rect.width() : dib.width, h = c.imageHeight;
    for (int k : {0, c.images - 1}) {
      const Slot s = slotOf(c, k, dib);
      int mismatches = 0;
      for (int x = 0; x < w; ++x)
        for (int y : {0, h - 1}) mismatches += dib.at(s.x + x, s.y + y) != page.at(c.rect.left + x, c.rect.top + y);
      for (int y = 0; y < h; ++y)
        for (int x : {0, w - 1}) mismatches += dib.at(s.x + x, s.y + y) != page.at(c.rect.left + x, c.rect.top + y);
      EXPECT_EQ(mismatches, 0) << "image " << k;
    }
  }
}

}  // namespace

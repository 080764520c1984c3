// Each product's bitmaps looked up from inside a loaded library that carries them: the look-up finds
// the library's own pictures, not those of the program or of another library loaded beside it.
#include "cindermote/EditorLayout.h"
#include "emberline/EditorLayout.h"
#include "emberline2/EditorLayout.h"
#include "presets/PresetPanelLayout.h"
#include "tools/DynamicLibrary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using ProbeBitmap = int (*)(int, const unsigned char**, size_t*);
using ProbeNamed = int (*)(const char*, const char*, const unsigned char**, size_t*);

struct Probe {
  const velda::layout::EditorLayout* layout;
  std::string path;
  std::unique_ptr<velda::tool::DynamicLibrary> library;
  ProbeBitmap bitmap = nullptr;
  ProbeNamed named = nullptr;
};

std::uint32_t read32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }

class ArtworkLibraries : public ::testing::Test {
protected:
  void SetUp() override {
    probes.push_back({&velda::emberline2::editorLayout(), VELDA_PROBE_EMBERLINE2, nullptr});
    probes.push_back({&velda::emberline::editorLayout(), VELDA_PROBE_EMBERLINE, nullptr});
    probes.push_back({&velda::cindermote::editorLayout(), VELDA_PROBE_CINDERMOTE, nullptr});
    // All three stay loaded together.
    for (Probe& p : probes) {
      std::string error;
      p.library = velda::tool::DynamicLibrary::open(p.path, error);
      ASSERT_TRUE(p.library) << error;
      p.bitmap = reinterpret_cast<ProbeBitmap>(p.library->symbol("veldaProbeBitmap"));
      p.named = reinterpret_cast<ProbeNamed>(p.library->symbol("veldaProbeNamed"));
      ASSERT_TRUE(p.bitmap && p.named);
    }
  }
  std::vector<Probe> probes;
};

TEST_F(ArtworkLibraries, EachLibraryFindsItsOwnBitmaps) {
  for (const Probe& p : probes) {
    SCOPED_TRACE(p.layout->product);
    std::vector<velda::layout::BitmapSpec> specs(p.layout->bitmaps.begin(), p.layout->bitmaps.end());
    for (const auto& s : velda::layout::presetPanelBitmaps()) specs.push_back(s);
    for (const auto& spec : specs) {
      const unsigned char* data = nullptr;
      size_t size = 0;
      if (spec.name) {
        ASSERT_TRUE(p.named("PNG", spec.name, &data, &size)) << spec.name;
        EXPECT_EQ(data[1], 'P');
        continue;
      }
      ASSERT_TRUE(p.bitmap(spec.id, &data, &size)) << spec.id;
      ASSERT_GE(size, 40u);
      EXPECT_EQ(read32(data + 4), std::uint32_t(spec.width)) << spec.id;
      EXPECT_EQ(read32(data + 8), std::uint32_t(spec.height)) << spec.id;
    }
  }
}

TEST_F(ArtworkLibraries, BitmapsOfOtherProductsAreNotVisible) {
  const unsigned char* data = nullptr;
  size_t size = 0;
  EXPECT_FALSE(probes[0].bitmap(19100, &data, &size)) << "Emberline2 has no 19100";
  EXPECT_FALSE(probes[1].bitmap(19000, &data, &size)) << "Emberline has no 19000";
  EXPECT_FALSE(probes[1].bitmap(19034, &data, &size)) << "Emberline has no FAT button";
  EXPECT_FALSE(probes[2].bitmap(19003, &data, &size)) << "Cindermote has no film-strip meters";
  EXPECT_FALSE(probes[0].named("PNG", "BMP19029.PNG", &data, &size));
}

}  // namespace

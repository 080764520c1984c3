// Draws every editor bitmap of one product and writes them with the scripts that embed them:
//   velda_artgen <Emberline2|Emberline|Cindermote> <output folder>
#include "cindermote/EditorLayout.h"
#include "emberline/EditorLayout.h"
#include "emberline2/EditorLayout.h"
#include "resources/generator/Artwork.h"
#include "resources/generator/BmpFile.h"
#include "resources/generator/ResourceScripts.h"
#include "resources/generator/Sheets.h"
#include "resources/generator/Text.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

const velda::layout::EditorLayout* layoutFor(const char* name) {
  for (const auto* l : {&velda::emberline2::editorLayout(), &velda::emberline::editorLayout(),
                        &velda::cindermote::editorLayout()})
    if (std::strcmp(l->shortName, name) == 0) return l;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace velda::artwork;
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <product> <output folder>\n", argv[0]);
    return 2;
  }
  const velda::layout::EditorLayout* layout = layoutFor(argv[1]);
  const Theme* theme = themeFor(argv[1]);
  if (!layout || !theme) {
    std::fprintf(stderr, "unknown product %s\n", argv[1]);
    return 2;
  }
  if (!loadFonts()) {
    std::fprintf(stderr, "the Liberation fonts are missing (fonts-liberation2)\n");
    return 1;
  }
  const std::string dir = argv[2];
  std::filesystem::create_directories(dir);
  const Artwork art = drawArtwork(*layout, *theme);
  bool ok = true;
  for (const auto& b : art.bitmaps) {
    const std::string path = dir + "/" + fileNameOf(b.spec);
    ok = (b.spec.name ? b.image.writePng(path) : writeBmp(path, b.image)) && ok;
  }
  ok = writeResourceScript(dir, art) && ok;
  ok = writeEmbeddingSource(dir, art) && ok;
  ok = contactSheet(*layout, art, *theme).writePng(dir + "/contact-sheet.png") && ok;
  ok = pagePreview(*layout, art, velda::layout::Page::main).writePng(dir + "/preview-main.png") && ok;
  ok = pagePreview(*layout, art, velda::layout::Page::settings).writePng(dir + "/preview-settings.png") && ok;
  for (const auto& problem : art.problems) std::fprintf(stderr, "%s: %s\n", layout->product, problem.c_str());
  if (!ok) std::fprintf(stderr, "%s: could not write the artwork to %s\n", layout->product, dir.c_str());
  return ok && art.problems.empty() ? 0 : 1;
}

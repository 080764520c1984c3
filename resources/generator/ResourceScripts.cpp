#include "resources/generator/ResourceScripts.h"

#include <filesystem>
#include <fstream>

namespace velda::artwork {
namespace {

constexpr int kFileHeaderBytes = 14;

// FNV-1a over a file, so that the embedding source changes whenever a picture does.
unsigned long long contentHash(const std::string& path, unsigned long long hash) {
  std::ifstream in(path, std::ios::binary);
  char c;
  while (in.get(c)) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return hash;
}

bool writeIfChanged(const std::string& path, const std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (in) {
    const std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (old == text) return true;
  }
  std::ofstream out(path, std::ios::binary);
  out << text;
  return bool(out);
}

}  // namespace

std::string fileNameOf(const layout::BitmapSpec& spec) {
  return spec.name ? std::string(spec.name) : "BMP" + std::to_string(spec.id) + ".bmp";
}

bool writeResourceScript(const std::string& dir, const Artwork& art) {
  std::string text = "// Editor bitmaps, written by the artwork generator.\n";
  for (const auto& b : art.bitmaps) {
    if (b.spec.name)
      text += std::string(b.spec.name) + " PNG \"" + fileNameOf(b.spec) + "\"\n";
    else
      text += std::to_string(b.spec.id) + " BITMAP \"" + fileNameOf(b.spec) + "\"\n";
  }
  return writeIfChanged(dir + "/resources.rc", text);
}

bool writeEmbeddingSource(const std::string& dir, const Artwork& art) {
  const std::string absolute = std::filesystem::absolute(dir).lexically_normal().string();
  std::string blobs, declarations, entries;
  int index = 0;
  unsigned long long hash = 14695981039346656037ull;
  for (const auto& b : art.bitmaps) {
    const std::string symbol = "velda_resource_" + std::to_string(index++);
    const std::string path = absolute + "/" + fileNameOf(b.spec);
    const auto fileSize = std::filesystem::file_size(path);
    hash = contentHash(path, hash);
    const int skip = b.spec.name ? 0 : kFileHeaderBytes;  // bitmaps are handed out as DIBs, like Windows does
    blobs += "    \".balign 16\\n" + symbol + ":\\n.incbin \\\"" + path + "\\\", " + std::to_string(skip) + "\\n\"\n";
    declarations += "extern \"C\" const unsigned char " + symbol + "[];\n";
    entries += "    {" + std::to_string(b.spec.id) + ", " + (b.spec.name ? "\"PNG\", \"" + std::string(b.spec.name) + "\"" : std::string("nullptr, nullptr")) +
               ", " + symbol + ", " + std::to_string(fileSize - skip) + "},\n";
  }
  std::string text =
      "// Editor bitmaps embedded into the library, written by the artwork generator.\n"
      "// Content " + std::to_string(hash) + "\n"
      "#include \"platform/EmbeddedResources.h\"\n\n"
      "__asm__(\n    \".pushsection .rodata.velda_resources, \\\"a\\\"\\n\"\n" +
      blobs + "    \".popsection\\n\");\n\n" + declarations +
      "\nnamespace {\nconst velda::platform::EmbeddedResource kEntries[] = {\n" + entries +
      "};\n}  // namespace\n\n"
      "extern \"C\" VELDA_EMBEDDED_RESOURCES_VISIBILITY const velda::platform::EmbeddedResourceTable "
      "velda_embedded_resources{kEntries, sizeof kEntries / sizeof kEntries[0]};\n";
  return writeIfChanged(dir + "/resources.cpp", text);
}

}  // namespace velda::artwork

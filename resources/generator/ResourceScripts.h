#pragma once
// Scripts that put the written bitmap files into a library: a resource script for windres and a
// source file embedding them for ELF libraries.
#include "resources/generator/Artwork.h"

#include <string>

namespace velda::artwork {

std::string fileNameOf(const layout::BitmapSpec& spec);

bool writeResourceScript(const std::string& dir, const Artwork& art);
bool writeEmbeddingSource(const std::string& dir, const Artwork& art);

}  // namespace velda::artwork

#pragma once
#include "resources/generator/Image.h"

#include <string>

namespace velda::artwork {

// Writes a 24-bit uncompressed bottom-up BMP; transparent pixels come out as black.
bool writeBmp(const std::string& path, const Image& image);

}  // namespace velda::artwork

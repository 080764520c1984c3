// The table of editor pictures that an ELF library carries (written by the artwork generator).
#pragma once
#include <cstddef>

namespace velda::platform {

struct EmbeddedResource {
    int id;                     // bitmap resource id; 0 for named resources
    const char* type;           // nullptr for bitmaps, else e.g. "PNG"
    const char* name;           // nullptr for bitmaps
    const unsigned char* data;  // bitmaps: DIB without the file header
    size_t size;
};

struct EmbeddedResourceTable {
    const EmbeddedResource* entries;
    size_t count;
};

}  // namespace velda::platform

// One table per library, never exported.
#define VELDA_EMBEDDED_RESOURCES_VISIBILITY __attribute__((visibility("hidden")))

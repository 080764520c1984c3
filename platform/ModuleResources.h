// The editor pictures stored in this library.
#pragma once
#include <cstddef>

namespace velda::platform {

struct ResourceBytes {
    const unsigned char* data;
    size_t size;
};

// RT_BITMAP: a DIB = BITMAPINFOHEADER (40 bytes) + pixels, 24- or 32-bit BI_RGB, bottom-up, as Windows
// stores it (no 14-byte file header).
bool findBitmapResource(int id, ResourceBytes& out);
// e.g. ("PNG", "BMP19029.PNG"): the PNG file bytes.
bool findNamedResource(const char* type, const char* name, ResourceBytes& out);

}  // namespace velda::platform

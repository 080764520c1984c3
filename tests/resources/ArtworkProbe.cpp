// A small library carrying one product's bitmaps, as a plug-in does, with the look-up exported so a
// test can ask it from outside.
#include "platform/ModuleResources.h"

extern "C" int veldaProbeBitmap(int id, const unsigned char** data, size_t* size)
{
    velda::platform::ResourceBytes bytes{};
    const bool found = velda::platform::findBitmapResource(id, bytes);
    *data = bytes.data;
    *size = bytes.size;
    return found ? 1 : 0;
}

extern "C" int veldaProbeNamed(const char* type, const char* name, const unsigned char** data, size_t* size)
{
    velda::platform::ResourceBytes bytes{};
    const bool found = velda::platform::findNamedResource(type, name, bytes);
    *data = bytes.data;
    *size = bytes.size;
    return found ? 1 : 0;
}

// For programs without editor pictures (toolkit tests): every look-up fails.
#include "platform/ModuleResources.h"

namespace velda::platform {

bool findBitmapResource(int, ResourceBytes& out)
{
    out = {nullptr, 0};
    return false;
}

bool findNamedResource(const char*, const char*, ResourceBytes& out)
{
    out = {nullptr, 0};
    return false;
}

}  // namespace velda::platform

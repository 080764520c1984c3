// Editor pictures from the library's own resources: the PE resource section on Windows, the
// embedded table on ELF systems.
#include "platform/ModuleResources.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/EmbeddedResources.h"

#include <strings.h>

// Weak: programs without pictures link and find nothing.
extern "C" __attribute__((weak)) VELDA_EMBEDDED_RESOURCES_VISIBILITY const velda::platform::EmbeddedResourceTable
    velda_embedded_resources;
#endif

namespace velda::platform {

#ifdef _WIN32

namespace {

HMODULE ownModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ownModule), &module);
    return module;
}

bool lookup(LPCSTR name, LPCSTR type, ResourceBytes& out)
{
    out = {nullptr, 0};
    HMODULE module = ownModule();
    if (!module) return false;
    HRSRC info = FindResourceA(module, name, type);
    if (!info) return false;
    HGLOBAL handle = LoadResource(module, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data) return false;
    out = {static_cast<const unsigned char*>(data), static_cast<size_t>(SizeofResource(module, info))};
    return true;
}

}  // namespace

bool findBitmapResource(int id, ResourceBytes& out)
{
    if (id <= 0 || id > 0xffff) {
        out = {nullptr, 0};
        return false;
    }
    return lookup(MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */, out);
}

bool findNamedResource(const char* type, const char* name, ResourceBytes& out)
{
    if (!type || !name) {
        out = {nullptr, 0};
        return false;
    }
    return lookup(name, type, out);
}

#else

namespace {

const EmbeddedResourceTable* table()
{
    return &velda_embedded_resources;  // null when the program carries no pictures
}

bool found(const EmbeddedResource& entry, ResourceBytes& out)
{
    out = {entry.data, entry.size};
    return true;
}

}  // namespace

bool findBitmapResource(int id, ResourceBytes& out)
{
    out = {nullptr, 0};
    const EmbeddedResourceTable* t = table();
    if (!t) return false;
    for (size_t i = 0; i < t->count; ++i)
        if (!t->entries[i].type && t->entries[i].id == id) return found(t->entries[i], out);
    return false;
}

// Names and types compare without regard to case, as Windows compares them.
bool findNamedResource(const char* type, const char* name, ResourceBytes& out)
{
    out = {nullptr, 0};
    const EmbeddedResourceTable* t = table();
    if (!t || !type || !name) return false;
    for (size_t i = 0; i < t->count; ++i) {
        const EmbeddedResource& e = t->entries[i];
        if (e.type && strcasecmp(e.type, type) == 0 && strcasecmp(e.name, name) == 0) return found(e, out);
    }
    return false;
}

#endif

}  // namespace velda::platform

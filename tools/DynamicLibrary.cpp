#include "tools/DynamicLibrary.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace velda::tool {

namespace {

#ifdef _WIN32
std::wstring widen(const std::string& text)
{
    if (text.empty()) return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), (int)text.size(), wide.data(), size);
    return wide;
}

std::string lastErrorText()
{
    DWORD code = GetLastError();
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                  buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.')) text.pop_back();
    if (text.empty()) text = "error " + std::to_string(code);
    return text;
}
#endif

}  // namespace

std::unique_ptr<DynamicLibrary> DynamicLibrary::open(const std::string& path, std::string& error)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::path(std::u8string(path.begin(), path.end())), ec)) {
        error = "cannot open plug-in '" + path + "': no such file";
        return nullptr;
    }
#ifdef _WIN32
    UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryW(widen(path).c_str());
    SetErrorMode(oldMode);
    if (!module) {
        error = "cannot load plug-in '" + path + "': " + lastErrorText();
        return nullptr;
    }
    return std::unique_ptr<DynamicLibrary>(new DynamicLibrary((void*)module));
#else
    // A bare file name would be looked up on the library path instead of in the current folder.
    std::string name = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        error = "cannot load plug-in '" + path + "': " + (reason ? reason : "unknown reason");
        return nullptr;
    }
    return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(handle));
#endif
}

DynamicLibrary::~DynamicLibrary()
{
#ifdef _WIN32
    FreeLibrary((HMODULE)handle);
#else
    dlclose(handle);
#endif
}

void* DynamicLibrary::symbol(const char* name) const
{
#ifdef _WIN32
    return (void*)GetProcAddress((HMODULE)handle, name);
#else
    return dlsym(handle, name);
#endif
}

}  // namespace velda::tool

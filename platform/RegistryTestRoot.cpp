#include "platform/RegistryTestRoot.h"

#include "platform/RegistryValueFile.h"

#include <atomic>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#include <unistd.h>
#endif

namespace velda::platform {

namespace {
std::atomic<unsigned> rootCounter{0};
}

#ifdef _WIN32

struct RootState {
    HKEY key = nullptr;
    std::wstring path;
};

ScopedRegistryRoot::ScopedRegistryRoot()
{
    auto* root = new RootState;
    root->path = L"Software\\VeldaTestRoots\\" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                 std::to_wstring(rootCounter.fetch_add(1));
    ::RegDeleteTreeW(HKEY_CURRENT_USER, root->path.c_str());
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, root->path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root->key,
                          nullptr) == ERROR_SUCCESS &&
        ::RegOverridePredefKey(HKEY_CURRENT_USER, root->key) == ERROR_SUCCESS) {
        isActive = true;
    }
    state = root;
}

ScopedRegistryRoot::~ScopedRegistryRoot()
{
    auto* root = static_cast<RootState*>(state);
    if (isActive) ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (root->key) ::RegCloseKey(root->key);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, root->path.c_str());
    ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\VeldaTestRoots");  // only once no other root is left
    delete root;
}

std::optional<std::string> ScopedRegistryRoot::valueFilePath(std::string_view, std::string_view) const
{
    return std::nullopt;
}

#else

struct RootState {
    std::filesystem::path directory;
    bool hadPrevious = false;
    std::string previous;
};

ScopedRegistryRoot::ScopedRegistryRoot()
{
    auto* root = new RootState;
    if (const char* previous = std::getenv("XDG_CONFIG_HOME")) {
        root->hadPrevious = true;
        root->previous = previous;
    }
    std::error_code error;
    root->directory = std::filesystem::temp_directory_path(error) /
                      ("velda-store-" + std::to_string(::getpid()) + "-" + std::to_string(rootCounter.fetch_add(1)));
    std::filesystem::remove_all(root->directory, error);
    if (std::filesystem::create_directories(root->directory, error) &&
        ::setenv("XDG_CONFIG_HOME", root->directory.c_str(), 1) == 0) {
        isActive = true;
    }
    state = root;
}

ScopedRegistryRoot::~ScopedRegistryRoot()
{
    auto* root = static_cast<RootState*>(state);
    if (root->hadPrevious)
        ::setenv("XDG_CONFIG_HOME", root->previous.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    std::error_code error;
    std::filesystem::remove_all(root->directory, error);
    delete root;
}

std::optional<std::string> ScopedRegistryRoot::valueFilePath(std::string_view keyName, std::string_view valueName) const
{
    if (!isActive) return std::nullopt;
    const auto* root = static_cast<const RootState*>(state);
    return (root->directory / "Velda-Acoustics" / registryFileName(keyName) / (registryFileName(valueName) + ".value"))
        .string();
}

#endif

}  // namespace velda::platform

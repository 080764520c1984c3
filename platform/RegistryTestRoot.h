// For tests: while an object lives, the per-user store of this process is a fresh, empty
// one that is thrown away afterwards (a temporary $XDG_CONFIG_HOME, or on Windows a
// throwaway key standing in for HKEY_CURRENT_USER). Not for use in the plug-ins.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace velda::platform {

class ScopedRegistryRoot {
public:
    ScopedRegistryRoot();
    ~ScopedRegistryRoot();
    ScopedRegistryRoot(const ScopedRegistryRoot&) = delete;
    ScopedRegistryRoot& operator=(const ScopedRegistryRoot&) = delete;

    bool active() const { return isActive; }
    // Where the file store keeps a value; nothing where the store is the registry.
    std::optional<std::string> valueFilePath(std::string_view keyName, std::string_view valueName) const;

private:
    bool isActive = false;
    void* state = nullptr;
};

}  // namespace velda::platform

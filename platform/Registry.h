// Per-user settings store: keys under "SOFTWARE\Velda-Acoustics\" of the current user.
// Windows keeps them in the registry; elsewhere each value is a file under
// $XDG_CONFIG_HOME/Velda-Acoustics/<key>/, replaced atomically on every write.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velda::platform {

// Value types, numbered as the Windows registry numbers them.
enum class RegistryType : std::uint32_t {
    None = 0,
    String = 1,  // REG_SZ: UTF-16 little-endian text with its terminating null
    Binary = 3,  // REG_BINARY
};

struct RegistryValue {
    RegistryType type = RegistryType::None;
    std::vector<std::uint8_t> bytes;
};

// An open key. Move-only; closed when destroyed. Value names are UTF-8.
class RegistryKey {
public:
    // keyName is the part after "SOFTWARE\Velda-Acoustics\", e.g. "Emberline20".
    static std::optional<RegistryKey> openForQuery(std::string_view keyName);
    static std::optional<RegistryKey> createForWrite(std::string_view keyName);

    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey();

    // The value's type and exact bytes; nothing when it is absent, unreadable, damaged
    // or longer than maxBytes.
    std::optional<RegistryValue> read(std::string_view valueName, std::size_t maxBytes) const;

    bool writeBinary(std::string_view valueName, std::span<const std::uint8_t> bytes);
    // Stores the text followed by a terminating null unit.
    bool writeString(std::string_view valueName, std::u16string_view text);
    bool deleteValue(std::string_view valueName);

private:
    struct Handle;
    explicit RegistryKey(Handle* handle);
    bool write(std::string_view valueName, RegistryType type, std::span<const std::uint8_t> bytes);
    Handle* handle = nullptr;
};

}  // namespace velda::platform

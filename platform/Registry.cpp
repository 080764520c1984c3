#include "platform/Registry.h"

namespace velda::platform {

bool RegistryKey::writeBinary(std::string_view valueName, std::span<const std::uint8_t> bytes)
{
    return write(valueName, RegistryType::Binary, bytes);
}

bool RegistryKey::writeString(std::string_view valueName, std::u16string_view text)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve((text.size() + 1) * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return write(valueName, RegistryType::String, bytes);
}

}  // namespace velda::platform

// The file form of one stored value, and the mapping of key and value names to file names.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace velda::platform {

// Layout, little-endian: "VRV1", type, name length, data length, name, data, CRC-32 of
// everything before it. Any other length or a wrong checksum is a damaged file.
std::vector<std::uint8_t> encodeValueFile(std::string_view valueName, RegistryType type,
                                          std::span<const std::uint8_t> data);

// The stored value when the file is intact and holds valueName (compared like registry
// names, ignoring ASCII case); nothing otherwise.
std::optional<RegistryValue> decodeValueFile(std::span<const std::uint8_t> file, std::string_view valueName);

// Largest file that can hold a value of maxBytes bytes under valueName.
std::size_t valueFileSizeLimit(std::string_view valueName, std::size_t maxBytes);

// A file name standing for a key or value name: ASCII letters folded to lower case (the
// registry ignores their case), [a-z0-9_-] kept, every other byte as %XX, "@" for the
// empty name; names whose form would be too long are cut and end in a hash of the name.
// The result never contains '/', '\', '.' or a NUL and is never "." or "..".
std::string registryFileName(std::string_view name);

std::uint32_t crc32(std::span<const std::uint8_t> bytes);

}  // namespace velda::platform

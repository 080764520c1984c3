#include "platform/RegistryValueFile.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace velda::platform {
namespace {

constexpr std::array<std::uint8_t, 4> fileMagic{'V', 'R', 'V', '1'};
constexpr std::size_t headerSize = 16;
constexpr std::size_t checksumSize = 4;
// File names stay well below the 255 bytes most file systems allow.
constexpr std::size_t longestFileName = 160;

void putWord(std::vector<std::uint8_t>& out, std::size_t offset, std::uint32_t word)
{
    for (int i = 0; i < 4; ++i) out[offset + i] = static_cast<std::uint8_t>(word >> (8 * i));
}

std::uint32_t getWord(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameRegistryName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    return true;
}

std::uint64_t fnv1a64(std::string_view text)
{
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (char c : text) {
        hash ^= static_cast<std::uint8_t>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

constexpr char hexDigits[] = "0123456789ABCDEF";

}  // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::vector<std::uint8_t> encodeValueFile(std::string_view valueName, RegistryType type,
                                          std::span<const std::uint8_t> data)
{
    std::vector<std::uint8_t> file(headerSize + valueName.size() + data.size() + checksumSize);
    std::memcpy(file.data(), fileMagic.data(), fileMagic.size());
    putWord(file, 4, static_cast<std::uint32_t>(type));
    putWord(file, 8, static_cast<std::uint32_t>(valueName.size()));
    putWord(file, 12, static_cast<std::uint32_t>(data.size()));
    if (!valueName.empty()) std::memcpy(file.data() + headerSize, valueName.data(), valueName.size());
    if (!data.empty()) std::memcpy(file.data() + headerSize + valueName.size(), data.data(), data.size());
    const std::size_t body = file.size() - checksumSize;
    putWord(file, body, crc32(std::span(file).first(body)));
    return file;
}

std::optional<RegistryValue> decodeValueFile(std::span<const std::uint8_t> file, std::string_view valueName)
{
    if (file.size() < headerSize + checksumSize) return std::nullopt;
    if (std::memcmp(file.data(), fileMagic.data(), fileMagic.size()) != 0) return std::nullopt;
    const std::uint64_t nameLength = getWord(file, 8);
    const std::uint64_t dataLength = getWord(file, 12);
    if (headerSize + nameLength + dataLength + checksumSize != file.size()) return std::nullopt;
    const std::size_t body = file.size() - checksumSize;
    if (crc32(file.first(body)) != getWord(file, body)) return std::nullopt;
    const std::string_view storedName(reinterpret_cast<const char*>(file.data() + headerSize), nameLength);
    if (!sameRegistryName(storedName, valueName)) return std::nullopt;
    const auto data = file.subspan(headerSize + nameLength, dataLength);
    return RegistryValue{static_cast<RegistryType>(getWord(file, 4)), {data.begin(), data.end()}};
}

std::size_t valueFileSizeLimit(std::string_view valueName, std::size_t maxBytes)
{
    const std::size_t overhead = headerSize + valueName.size() + checksumSize;
    return maxBytes > SIZE_MAX - overhead ? SIZE_MAX : overhead + maxBytes;
}

std::string registryFileName(std::string_view name)
{
    if (name.empty()) return "@";
    // Hashed names keep a readable prefix; '~' is escaped elsewhere, so they meet no plain name.
    constexpr std::size_t hashedPrefix = longestFileName - 17;
    std::string out;
    std::size_t prefixEnd = 0;
    for (char c : name) {
        const char folded = foldAscii(c);
        if ((folded >= 'a' && folded <= 'z') || (folded >= '0' && folded <= '9') || folded == '_' || folded == '-') {
            out += folded;
        } else {
            const auto b = static_cast<std::uint8_t>(c);
            out += '%';
            out += hexDigits[b >> 4];
            out += hexDigits[b & 15];
        }
        if (out.size() <= hashedPrefix) prefixEnd = out.size();
    }
    if (out.size() <= longestFileName) return out;
    std::string folded(name);
    for (char& c : folded) c = foldAscii(c);
    const std::uint64_t hash = fnv1a64(folded);
    out.resize(prefixEnd);
    out += '~';
    for (int i = 15; i >= 0; --i) out += hexDigits[(hash >> (i * 4)) & 15];
    return out;
}

}  // namespace velda::platform

// Stored value files under any name, the file names standing for names, and stored text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/RegistryText.h"
#include "platform/RegistryValueFile.h"

using namespace velda::platform;

namespace {

void check(bool condition)
{
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const std::size_t nameLength = std::min<std::size_t>(data[0], size - 1);
    const std::string_view name(reinterpret_cast<const char*>(data + 1), nameLength);
    const std::span<const std::uint8_t> file(data + 1 + nameLength, size - 1 - nameLength);

    if (const auto value = decodeValueFile(file, name)) {
        check(value->bytes.size() <= file.size());
        const auto reencoded = encodeValueFile(name, value->type, value->bytes);
        const auto again = decodeValueFile(reencoded, name);
        check(again && again->type == value->type && again->bytes == value->bytes);
    }
    const auto roundTrip = decodeValueFile(encodeValueFile(name, RegistryType::Binary, file), name);
    check(roundTrip && roundTrip->bytes.size() == file.size() && std::equal(file.begin(), file.end(),
                                                                           roundTrip->bytes.begin()));

    const std::string fileName = registryFileName(name);
    check(!fileName.empty() && fileName.size() <= 160 && fileName != "." && fileName != "..");
    check(fileName.find_first_of(std::string_view("/\\.\0", 4)) == std::string::npos);

    // 8-bit text survives the trip through stored UTF-16 when it fits.
    const std::string text(name);
    const std::u16string stored = toStoredText(text, 256);
    check(stored.size() <= 256);
    if (stored.size() < 256) check(fromStoredText(stored, 4096) == text);
    std::u16string units;
    for (std::size_t i = 0; i + 1 < file.size(); i += 2) units += static_cast<char16_t>(file[i] | file[i + 1] << 8);
    check(fromStoredText(units, 256).size() <= 256);
    return 0;
}

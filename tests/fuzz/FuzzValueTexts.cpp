// Every value text of the editors and the fixed-decimal formatter, for any 32-bit value: the
// text is terminated well inside the caller's buffer.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "controls/ValueConversions.h"
#include "controls/ValueFormat.h"

namespace {

void check(bool condition)
{
    if (!condition) std::abort();
}

constexpr size_t kBuffer = 256;
constexpr size_t kLongestText = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 5) return 0;
    float value;
    std::memcpy(&value, data + 1, sizeof value);
    using Convert = void (*)(float, char*);
    static const Convert conversions[] = {velda::percentString, velda::decibelString,     velda::decibelFSString,
                                          velda::integerString, velda::ratioString,       velda::samplesString,
                                          velda::millisecondsString};
    char text[kBuffer];
    for (Convert convert : conversions) {
        std::memset(text, 0x7f, sizeof text);
        convert(value, text);
        check(std::memchr(text, 0, kLongestText) != nullptr);
    }
    const int decimals = data[0] % 8;
    const size_t fieldSize = 1 + data[0] / 8 % 32;
    std::memset(text, 0x7f, sizeof text);
    text[0] = 0;
    velda::formatFixed(value, decimals, text, fieldSize);
    check(std::memchr(text, 0, fieldSize) != nullptr);
    check(text[fieldSize] == 0x7f);
    return 0;
}

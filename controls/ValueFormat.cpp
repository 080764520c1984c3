#include "controls/ValueFormat.h"

#include <cmath>
#include <cstdint>

namespace velda {

namespace {

constexpr int kFieldWidth = 8;

double powerOfTen(int n)
{
    double result = 1.0;
    double square = 10.0;
    for (unsigned e = (unsigned)n; e; e >>= 1) {
        if (e & 1u) result *= square;
        square *= square;
    }
    return result;
}

}  // namespace

double roundForDecimals(double x, int decimals)
{
    const bool scaleUp = decimals >= 0;
    const double s = powerOfTen(scaleUp ? decimals : -decimals);
    const double y = scaleUp ? x * s : x / s;
    const double r = y - std::trunc(y);
    if (r >= 0.49999) return scaleUp ? (y + 1.0) / s : (y + 1.0) * s;
    if (r <= -0.49999) return scaleUp ? (y - 1.0) / s : (y - 1.0) * s;
    return x;
}

void formatFixed(float x, int decimals, char* out, size_t size)
{
    if (!out || size == 0) return;
    double y = roundForDecimals(x, decimals);
    const bool negative = y < 0.0;
    if (negative) y = -y;
    if (!(y == y) || (negative && y > 9999999.0) || (!negative && y > 99999999.0)) return;

    char text[32];
    int length = 0;
    if (negative) text[length++] = '-';
    char digits[16];
    int count = 0;
    uint64_t integer = (uint64_t)std::floor(y);
    do {
        digits[count++] = (char)('0' + integer % 10);
        integer /= 10;
    } while (integer > 0);
    while (count > 0) text[length++] = digits[--count];
    const int pointAt = length;
    text[length++] = '.';

    const int room = kFieldWidth - length;
    int kept = 0;
    if (room > 0 && decimals > 0) {
        // Digits are produced from the right of a room-digit fraction and then cut to `decimals`.
        uint64_t e = (uint64_t)(powerOfTen(room) * std::fmod(y, 1.0));
        char fraction[kFieldWidth];
        for (int i = room - 1; i >= 0; --i) {
            fraction[i] = (char)('0' + e % 10);
            e /= 10;
        }
        kept = decimals < room ? decimals : room;
        for (int i = 0; i < kept; ++i) text[length++] = fraction[i];
    }
    if (kept == 0) length = pointAt;  // no fraction digits: the point goes too

    size_t i = 0;
    for (; i + 1 < size && i < (size_t)length; ++i) out[i] = text[i];
    out[i] = 0;
}

}  // namespace velda

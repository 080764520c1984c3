#include "controls/ValueConversions.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "controls/ValueFormat.h"

namespace velda {

namespace {

constexpr size_t kTextSize = 256;

// Integer part cut toward zero, held inside the int range so that no conversion is undefined.
int wholePart(double x)
{
    if (!(x == x)) return 0;
    if (x >= 2147483647.0) return 2147483647;
    if (x <= -2147483648.0) return -2147483647 - 1;
    return int(x);
}

// One decimal of a level in dB; between 0 and -1 the integer part is 0 and the sign is written apart.
void levelString(double a, const char* unit, char* text)
{
    const int i = wholePart(a);
    const int d = wholePart(std::fabs((a - i) * 10.0));
    if (a >= 0.0 || a <= -1.0)
        std::snprintf(text, kTextSize, "%d.%d%s", i, d, unit);
    else
        std::snprintf(text, kTextSize, "-%d.%d%s", i, d, unit);
}

// The logarithm rounded to a 32-bit float, taken through the 64-bit one so that every C library
// gives the same float (their 32-bit logarithms differ in the last place).
double log10As32Bit(float x) { return double(float(std::log10(double(x)))); }

}  // namespace

void percentString(float value, char* text)
{
    // Products in 32-bit floats, so 0.29 shows "29%" rather than "28%".
    const float hundred = value * 100.0f;
    if (value >= 0.2f)
        std::snprintf(text, kTextSize, "%d%%", wholePart(hundred));
    else
        std::snprintf(text, kTextSize, "%d.%d%%", wholePart(hundred), wholePart(value * 1000.0f) % 10);
}

void decibelString(float value, char* text)
{
    if (double(value) <= 1e-8) {
        std::strcpy(text, "-oo dB");
        return;
    }
    levelString(20.0 * log10As32Bit(value), "dB", text);
}

void decibelFSString(float value, char* text)
{
    if (double(value) <= 1e-8) {
        std::strcpy(text, "-oo dBFS");
        return;
    }
    levelString(6.0 * log10As32Bit(value) / std::log10(2.0), "dBFS", text);
}

void integerString(float value, char* text) { std::snprintf(text, kTextSize, "%d", wholePart(value)); }

void ratioString(float value, char* text)
{
    const double x = value;
    std::snprintf(text, kTextSize, "x%d.%d%d", wholePart(x), wholePart(x * 10.0) % 10, wholePart(x * 100.0) % 10);
}

void samplesString(float value, char* text)
{
    if (value >= 1.0f)
        std::snprintf(text, kTextSize, "%dsmps", wholePart(value));
    else
        std::strcpy(text, "0smps");
}

void millisecondsString(float value, char* text)
{
    if (value < 0.0001f) {
        std::strcpy(text, "0ms");
        return;
    }
    char number[kTextSize] = "";
    if (value < 1000.0f) {
        const int decimals = value < 1.0f ? 3 : value < 10.0f ? 2 : value < 100.0f ? 1 : 0;
        formatFixed(value, decimals, number, sizeof number);
        std::snprintf(text, kTextSize, "%sms", number);
    } else {
        formatFixed(float(double(value) * 0.001), 3, number, sizeof number);
        std::snprintf(text, kTextSize, "%ss", number);
    }
}

}  // namespace velda

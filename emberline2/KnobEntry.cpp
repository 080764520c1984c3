#include "emberline2/KnobEntry.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace velda {

namespace {

using R = ParameterRole;

// Read-out modes: 1 signed decibels, 2 milliseconds (used for the frequencies), 3 per cent,
// 4 a plain number.
constexpr KnobEntry kKnobEntries[] = {
    {R::Drive, 1, 2},      {R::Knee, 3, 1},       {R::Speed, 3, 1},   {R::Release, 4, 2},
    {R::HighAdjust, 1, 1}, {R::LowAdjust, 1, 1},  {R::HighFreq, 2, 1}, {R::LowFreq, 2, 1},
    {R::Mix, 3, 1},        {R::Ceiling, 1, 1},    {R::Output, 1, 1},
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

const KnobEntry* knobEntryFor(ParameterRole role)
{
    for (const KnobEntry& entry : kKnobEntries)
        if (entry.role == role) return &entry;
    return nullptr;
}

float parseTypedNumber(const char* text)
{
    if (!text) return 0.0f;
    const char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    double sign = 1.0;
    if (*p == '+' || *p == '-') sign = *p++ == '-' ? -1.0 : 1.0;
    double mantissa = 0.0;
    int digits = 0;
    int scale = 0;  // decimal exponent of the digits read after the point
    for (; isDigit(*p); ++p, ++digits) mantissa = mantissa * 10.0 + (*p - '0');
    if (*p == '.') {
        for (++p; isDigit(*p); ++p, ++digits, --scale) mantissa = mantissa * 10.0 + (*p - '0');
    }
    if (digits == 0) return 0.0f;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        int expSign = 1;
        if (*q == '+' || *q == '-') expSign = *q++ == '-' ? -1 : 1;
        if (isDigit(*q)) {
            int exponent = 0;
            for (; isDigit(*q); ++q)
                if (exponent < 10000) exponent = exponent * 10 + (*q - '0');
            scale += expSign * exponent;
        }
    }
    const double value = sign * mantissa * std::pow(10.0, scale);
    return (float)value;
}

float typedEntryValue(ParameterRole role, float typed, float fineTune)
{
    const double t = typed;
    const double F = fineTune;
    const double ln16 = std::log(16.0);
    double p = 0.0;
    switch (role) {
    case R::Drive:
        p = (t + 24.0 * F) / (48.0 * F);
        break;
    case R::Knee:
    case R::Speed:
    case R::Mix:
        p = t / 100.0;
        break;
    case R::Release:
        p = std::log(4.0 * t) / ln16;
        break;
    case R::HighAdjust:
    case R::LowAdjust:
        p = (t + 12.0 * F) / (24.0 * F);
        break;
    case R::HighFreq:
        p = std::log(t / 1000.0) / ln16;
        break;
    case R::LowFreq:
        p = std::log(t / 25.0) / ln16;
        break;
    case R::Ceiling:
    case R::Output:
        p = (t + 12.0 * std::sqrt(F)) / (24.0 * std::sqrt(F));
        break;
    default:
        p = 0.0;
        break;
    }
    if (!(p >= 0.0)) return 0.0f;  // also NaN
    return p > 1.0 ? 1.0f : (float)p;
}

void typedEntryText(const KnobEntry& entry, float value, char* text, size_t size)
{
    std::snprintf(text, size, "%.*f", entry.decimals, (double)value);
}

}  // namespace velda

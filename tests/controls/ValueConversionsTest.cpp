#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/ValueConversions.h"

namespace velda {
namespace {

using Convert = void (*)(float, char*);

struct Case {
    const char* name;
    Convert convert;
    float value;
    const char* text;
};

std::string show(Convert convert, float value)
{
    char text[256];
    std::memset(text, '#', sizeof text);
    convert(value, text);
    return text;
}

class ValueConversionTest : public ::testing::TestWithParam<Case> {};

TEST_P(ValueConversionTest, WritesTheText)
{
    const Case& c = GetParam();
    EXPECT_EQ(show(c.convert, c.value), c.text) << c.name << "(" << c.value << ")";
}

const Case kCases[] = {
    {"percent", percentString, 0.125f, "12.5%"},
    {"percent", percentString, 0.25f, "25%"},
    {"percent", percentString, 0.5f, "50%"},
    {"percent", percentString, 1.0f, "100%"},
    {"percent", percentString, 0.199f, "19.9%"},
    {"percent", percentString, 0.2f, "20%"},
    {"percent", percentString, 0.29f, "29%"},
    {"percent", percentString, 1.5f, "150%"},
    {"percent", percentString, 0.0f, "0.0%"},

    {"decibel", decibelString, 0.5f, "-6.0dB"},
    {"decibel", decibelString, 2.0f, "6.0dB"},
    {"decibel", decibelString, 0.95f, "-0.4dB"},
    {"decibel", decibelString, 0.0f, "-oo dB"},
    {"decibel", decibelString, 1e-8f, "-oo dB"},
    {"decibel", decibelString, -1.0f, "-oo dB"},
    {"decibel", decibelString, 1.0f, "0.0dB"},
    {"decibel", decibelString, 0.9f, "-0.9dB"},
    {"decibel", decibelString, 0.7f, "-3.0dB"},
    {"decibel", decibelString, 0.1f, "-20.0dB"},
    {"decibel", decibelString, 0.70794578f, "-3.0dB"},  // 10^(-3/20): the 32-bit logarithm lands just below -3
    {"decibel", decibelString, 3.98107171f, "12.0dB"},
    {"decibel", decibelString, 0.98855311f, "-0.0dB"},  // -0.1 dB less a hair: cut, not rounded

    {"decibelFS", decibelFSString, 0.125f, "-18.0dBFS"},
    {"decibelFS", decibelFSString, 0.5f, "-6.0dBFS"},
    {"decibelFS", decibelFSString, 1.0f, "0.0dBFS"},
    {"decibelFS", decibelFSString, 0.0f, "-oo dBFS"},
    {"decibelFS", decibelFSString, 0.9f, "-0.9dBFS"},

    {"integer", integerString, 4.0f, "4"},
    {"integer", integerString, 4.9f, "4"},
    {"integer", integerString, 0.0f, "0"},

    {"ratio", ratioString, 2.5f, "x2.50"},
    {"ratio", ratioString, 0.0625f, "x0.06"},
    {"ratio", ratioString, 16.0f, "x16.00"},
    {"ratio", ratioString, 123.4f, "x123.40"},
    {"ratio", ratioString, 0.25f, "x0.25"},

    {"samples", samplesString, 1151.0f, "1151smps"},
    {"samples", samplesString, 1.0f, "1smps"},
    {"samples", samplesString, 0.99f, "0smps"},
    {"samples", samplesString, 0.0f, "0smps"},

    {"milliseconds", millisecondsString, 0.5f, "0.500ms"},
    {"milliseconds", millisecondsString, 26.12f, "26.1ms"},
    {"milliseconds", millisecondsString, 26.13f, "26.1ms"},
    {"milliseconds", millisecondsString, 250.0f, "250ms"},
    {"milliseconds", millisecondsString, 1250.0f, "1.250s"},
    {"milliseconds", millisecondsString, 0.00005f, "0ms"},
    {"milliseconds", millisecondsString, 0.0f, "0ms"},
    {"milliseconds", millisecondsString, 0.9996f, "1.000ms"},
    {"milliseconds", millisecondsString, 9.999f, "10.00ms"},
    {"milliseconds", millisecondsString, 999.9f, "1000ms"},
    {"milliseconds", millisecondsString, 1000.0f, "1.000s"},
    {"milliseconds", millisecondsString, 5.0f, "5.00ms"},
};

INSTANTIATE_TEST_SUITE_P(Table, ValueConversionTest, ::testing::ValuesIn(kCases));

}  // namespace
}  // namespace velda

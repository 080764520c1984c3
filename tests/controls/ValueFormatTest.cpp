#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/ValueFormat.h"

namespace {

std::string formatted(float x, int decimals)
{
    char text[32];
    std::strcpy(text, "untouched");
    velda::formatFixed(x, decimals, text, sizeof text);
    return text;
}

TEST(FormatFixed, RoundsAndPadsToTheGivenDecimals)
{
    struct Case {
        float x;
        int decimals;
        const char* expected;
    };
    const Case cases[] = {
        {26.13f, 1, "26.1"},   {-24.0f, 2, "-24.00"}, {12.5f, 0, "13"},     {0.5f, 3, "0.500"},
        {12.0f, 8, "12.00000"}, {0.0f, 2, "0.00"},    {-0.004f, 2, "-0.00"}, {1.26f, 1, "1.3"},
        {1.24f, 1, "1.2"},     {-1.26f, 1, "-1.3"},   {0.3f, 2, "0.30"},     {16000.0f, 0, "16000"},
        {0.99995f, 2, "1.00"}, {100.0f, 0, "100"},    {6.0f, 2, "6.00"},     {9.999f, 2, "10.00"},
        {0.125f, 1, "0.1"},    {-12.5f, 0, "-13"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatted(c.x, c.decimals), c.expected) << c.x << " " << c.decimals;
}

TEST(FormatFixed, MagnitudesBeyondTheFieldLeaveTheTextAlone)
{
    EXPECT_EQ(formatted(2e8f, 2), "untouched");
    EXPECT_EQ(formatted(-2e7f, 0), "untouched");
    EXPECT_NE(formatted(9999999.0f, 0), "untouched");
}

TEST(FormatFixed, NeverWritesPastTheBuffer)
{
    char text[5];
    std::memset(text, 'x', sizeof text);
    velda::formatFixed(-24.0f, 2, text, 4);
    EXPECT_STREQ(text, "-24");
    EXPECT_EQ(text[4], 'x');
}

TEST(RoundForDecimals, ThresholdIsJustBelowHalf)
{
    EXPECT_DOUBLE_EQ(velda::roundForDecimals(1.26, 1), 1.36);
    EXPECT_DOUBLE_EQ(velda::roundForDecimals(1.24, 1), 1.24);
    EXPECT_DOUBLE_EQ(velda::roundForDecimals(-1.26, 1), -1.36);
    EXPECT_DOUBLE_EQ(velda::roundForDecimals(0.499995, 0), 1.499995);  // 0.49999 already rounds up
    EXPECT_DOUBLE_EQ(velda::roundForDecimals(0.49998, 0), 0.49998);
}

}  // namespace

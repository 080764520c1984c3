// Typed values back to knob positions, and the numbers read from typed text.
#include <gtest/gtest.h>

#include <cmath>

#include "emberline2/KnobEntry.h"

namespace velda {
namespace {

using R = ParameterRole;

TEST(KnobEntry, TypedNumbersAreTheDecimalNumberAtTheStart)
{
    struct Case {
        const char* text;
        float value;
    } const cases[] = {
        {"-6", -6.0f},   {"  12.5dB", 12.5f}, {"+3", 3.0f},   {".5", 0.5f},    {"1e3", 1000.0f},
        {"2e", 2.0f},    {"abc", 0.0f},       {"", 0.0f},     {"-", 0.0f},     {"0x10", 0.0f},
        {"inf", 0.0f},   {"nan", 0.0f},       {"7,5", 7.0f},  {"1e-2", 0.01f}, {"1e99999", INFINITY},
    };
    for (const Case& c : cases) EXPECT_EQ(parseTypedNumber(c.text), c.value) << c.text;
    EXPECT_EQ(parseTypedNumber(nullptr), 0.0f);
}

TEST(KnobEntry, EngineeringValuesMapBackAndClamp)
{
    struct Case {
        R role;
        float typed;
        float fineTune;
        double expected;
    } const cases[] = {
        {R::Drive, -6.0f, 1.0f, 18.0 / 48.0},
        {R::Drive, 6.0f, 0.5f, (6.0 + 12.0) / 24.0},
        {R::Mix, 50.0f, 1.0f, 0.5},
        {R::Knee, 150.0f, 1.0f, 1.0},
        {R::Release, 1.0f, 1.0f, 0.5},
        {R::Release, -1.0f, 1.0f, 0.0},  // no logarithm of a negative number
        {R::Release, 0.0f, 1.0f, 0.0},
        {R::HighAdjust, 6.0f, 1.0f, 0.75},
        {R::HighFreq, 20000.0f, 1.0f, 1.0},
        {R::HighFreq, 500.0f, 1.0f, 0.0},
        {R::HighFreq, 4000.0f, 1.0f, 0.5},
        {R::LowFreq, 100.0f, 1.0f, 0.5},
        {R::Output, 6.0f, 0.25f, (6.0 + 6.0) / 12.0},
        {R::Ceiling, -12.0f, 1.0f, 0.0},
        {R::Drive, 1.0f, 0.0f, 1.0},  // a zero range: beyond the top
        {R::Meters, 5.0f, 1.0f, 0.0},
    };
    for (const Case& c : cases) {
        const float p = typedEntryValue(c.role, c.typed, c.fineTune);
        EXPECT_NEAR(p, c.expected, 1e-6) << int(c.role) << " " << c.typed;
        EXPECT_TRUE(p >= 0.0f && p <= 1.0f);
    }
}

TEST(KnobEntry, OnlyTheLargeKnobsHaveAnEntryAndTheirStartTexts)
{
    char text[32];
    ASSERT_NE(knobEntryFor(R::Drive), nullptr);
    typedEntryText(*knobEntryFor(R::Drive), 6.0f, text, sizeof text);
    EXPECT_STREQ(text, "6.00");
    typedEntryText(*knobEntryFor(R::Release), 2.5f, text, sizeof text);
    EXPECT_STREQ(text, "2.50");
    typedEntryText(*knobEntryFor(R::LowFreq), 100.0f, text, sizeof text);
    EXPECT_STREQ(text, "100.0");
    EXPECT_EQ(knobEntryFor(R::HighFreq)->readoutMode, 2);
    EXPECT_EQ(knobEntryFor(R::Release)->readoutMode, 4);
    EXPECT_EQ(knobEntryFor(R::Mix)->readoutMode, 3);
    EXPECT_EQ(knobEntryFor(R::Output)->readoutMode, 1);
    for (R role : {R::LowSat, R::FineTune, R::Process, R::KnobMode}) EXPECT_EQ(knobEntryFor(role), nullptr);
}

}  // namespace
}  // namespace velda

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <thread>
#include <vector>

#include "platform/Registry.h"
#include "platform/RegistryTestRoot.h"
#include "shell/PreferenceStore.h"

using namespace velda;
using velda::platform::RegistryKey;

namespace {

constexpr Preference allPreferences[] = {Preference::VuIntegration, Preference::VuReference,
                                         Preference::PpmIntegration, Preference::PpmReturn,
                                         Preference::OverCounter,   Preference::KnobMode};

struct PreferenceStoreTest : ::testing::Test {
    platform::ScopedRegistryRoot root;
    void SetUp() override { ASSERT_TRUE(root.active()); }

    static void storeRaw(const char* name, std::vector<std::uint8_t> bytes)
    {
        auto key = RegistryKey::createForWrite("Emberline20");
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeBinary(name, bytes));
    }
    static std::vector<std::uint8_t> bytesOf(float value)
    {
        std::uint8_t b[4];
        std::memcpy(b, &value, 4);  // the test machines are little-endian
        return {b, b + 4};
    }
};

TEST_F(PreferenceStoreTest, DefaultsWithoutAnyKey)
{
    const float expected[] = {0.5f, 0.41f, 0.5f, 0.5f, 2.0f / 9.0f, 1.0f};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(readPreference(allPreferences[i]), expected[i]) << preferenceValueName(allPreferences[i]);
        EXPECT_EQ(preferenceDefault(allPreferences[i]), expected[i]);
    }
    std::uint32_t bits;
    const float overCount = readPreference(Preference::OverCounter);
    std::memcpy(&bits, &overCount, 4);
    EXPECT_EQ(bits, 0x3E638E39u);  // 2/9 rounded to a 32-bit float
    EXPECT_FALSE(RegistryKey::openForQuery("Emberline20"));  // reading creates nothing
}

TEST_F(PreferenceStoreTest, ValueNamesAndHiddenIndices)
{
    const char* names[] = {"vuintegration", "vureference", "ppmintegration", "ppmreturn", "overcounter", "knobmode"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_STREQ(preferenceValueName(allPreferences[i]), names[i]);
        EXPECT_EQ(hiddenIndexOf(allPreferences[i], 42), 43 + i);
        EXPECT_EQ(preferenceForHiddenIndex(23 + i, 22), allPreferences[i]);
    }
    for (int index : {-1, 0, 42, 49, 1000}) EXPECT_FALSE(preferenceForHiddenIndex(index, 42)) << index;
}

TEST_F(PreferenceStoreTest, WrittenValuesReachTheNextInstanceAsFourLittleEndianBytes)
{
    for (int i = 0; i < 6; ++i) writePreference(allPreferences[i], 0.125f * float(i + 1));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(readPreference(allPreferences[i]), 0.125f * float(i + 1));

    auto key = RegistryKey::openForQuery("Emberline20");
    ASSERT_TRUE(key);
    auto stored = key->read("overcounter", 64);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, platform::RegistryType::Binary);
    EXPECT_EQ(stored->bytes, (std::vector<std::uint8_t>{0x00, 0x00, 0x20, 0x3F}));  // 0.625f
}

TEST_F(PreferenceStoreTest, UnusableStoredValuesGiveTheDefault)
{
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<std::uint8_t> unusable[] = {
        {},
        {0x00, 0x00, 0x40},
        {0x00, 0x00, 0x40, 0x3F, 0x00},
        bytesOf(std::numeric_limits<float>::quiet_NaN()),
        {0x01, 0x00, 0x80, 0xFF},  // a signalling NaN
        bytesOf(inf),
        bytesOf(-inf),
        bytesOf(-0.25f),
        bytesOf(1.5f),
    };
    for (const auto& bytes : unusable) {
        storeRaw("vureference", bytes);
        EXPECT_EQ(readPreference(Preference::VuReference), 0.41f) << "stored size " << bytes.size();
    }
    storeRaw("vureference", bytesOf(0.0f));
    EXPECT_EQ(readPreference(Preference::VuReference), 0.0f);
}

TEST_F(PreferenceStoreTest, TypeOfTheStoredValueIsNotExamined)
{
    auto key = RegistryKey::createForWrite("Emberline20");
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeString("knobmode", std::u16string_view(u"\0", 1)));  // four zero bytes as REG_SZ
    EXPECT_EQ(readPreference(Preference::KnobMode), 0.0f);
}

TEST_F(PreferenceStoreTest, NonFiniteValuesAreNotWritten)
{
    writePreference(Preference::PpmReturn, 0.25f);
    writePreference(Preference::PpmReturn, std::numeric_limits<float>::quiet_NaN());
    writePreference(Preference::PpmReturn, std::numeric_limits<float>::infinity());
    EXPECT_EQ(readPreference(Preference::PpmReturn), 0.25f);
}

TEST_F(PreferenceStoreTest, ConcurrentWritersNeverProduceATornValue)
{
    // Bit patterns whose halves mixed would make neither value.
    const float values[] = {0.1f, 0.9f};
    std::vector<std::thread> writers;
    for (float v : values)
        writers.emplace_back([v] {
            for (int i = 0; i < 200; ++i) writePreference(Preference::VuIntegration, v);
        });
    for (int i = 0; i < 200; ++i) {
        const float seen = readPreference(Preference::VuIntegration);
        EXPECT_TRUE(seen == 0.5f || seen == values[0] || seen == values[1]) << seen;
    }
    for (auto& w : writers) w.join();
    const float last = readPreference(Preference::VuIntegration);
    EXPECT_TRUE(last == values[0] || last == values[1]) << last;
}

}  // namespace

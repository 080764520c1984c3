#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/RegistryValueFile.h"

using namespace velda::platform;

namespace {

const std::vector<std::uint8_t> sampleData{0x00, 0x00, 0x80, 0x3F, 0xFF, 0x21};

TEST(RegistryValueFile, RoundTripKeepsTypeAndExactBytes)
{
    for (auto type : {RegistryType::Binary, RegistryType::String, static_cast<RegistryType>(4)}) {
        for (std::size_t length : {std::size_t{0}, std::size_t{1}, sampleData.size()}) {
            const std::span<const std::uint8_t> data(sampleData.data(), length);
            const auto file = encodeValueFile("DefaultBank", type, data);
            const auto value = decodeValueFile(file, "DefaultBank");
            ASSERT_TRUE(value);
            EXPECT_EQ(value->type, type);
            EXPECT_EQ(value->bytes, std::vector<std::uint8_t>(data.begin(), data.end()));
        }
    }
}

TEST(RegistryValueFile, NameMatchIgnoresAsciiCaseOnly)
{
    const auto file = encodeValueFile("CurrDir", RegistryType::Binary, sampleData);
    EXPECT_TRUE(decodeValueFile(file, "currdir"));
    EXPECT_FALSE(decodeValueFile(file, "CurrDir2"));
    EXPECT_FALSE(decodeValueFile(file, "CurrBank"));
}

TEST(RegistryValueFile, EveryDamageReadsAsAbsent)
{
    const auto file = encodeValueFile("vureference", RegistryType::Binary, sampleData);
    for (std::size_t i = 0; i < file.size(); ++i) {
        for (std::uint8_t flip : {0x01, 0x80}) {
            auto damaged = file;
            damaged[i] ^= flip;
            if (decodeValueFile(damaged, "vureference")) {
                ADD_FAILURE() << "byte " << i << " flipped by " << int(flip) << " still decodes";
            }
        }
    }
    for (std::size_t size = 0; size < file.size(); ++size)
        EXPECT_FALSE(decodeValueFile(std::span(file).first(size), "vureference")) << "cut to " << size;
    auto longer = file;
    longer.push_back(0);
    EXPECT_FALSE(decodeValueFile(longer, "vureference"));
}

TEST(RegistryValueFile, HeaderLengthsThatOverflowAreRejected)
{
    auto file = encodeValueFile("x", RegistryType::Binary, sampleData);
    for (std::size_t offset : {8u, 12u}) {
        auto damaged = file;
        damaged[offset + 3] = 0xFF;
        damaged[offset + 2] = 0xFF;
        EXPECT_FALSE(decodeValueFile(damaged, "x"));
    }
}

struct FileNameCase {
    std::string name;
    std::string expected;
};

TEST(RegistryFileName, KeepsPlainNamesAndEscapesTheRest)
{
    const FileNameCase cases[] = {
        {"DefaultBank", "defaultbank"},
        {"vu_ref-2", "vu_ref-2"},
        {"", "@"},
        {"@", "%40"},
        {".", "%2E"},
        {"..", "%2E%2E"},
        {"../etc/passwd", "%2E%2E%2Fetc%2Fpasswd"},
        {"a\\b", "a%5Cb"},
        {std::string("a\0b", 3), "a%00b"},
        {"100%", "100%25"},
        {"\xC3\xA9t\xC3\xA9", "%C3%A9t%C3%A9"},
        {"~", "%7E"},
    };
    for (const auto& c : cases) EXPECT_EQ(registryFileName(c.name), c.expected) << c.name;
}

TEST(RegistryFileName, LongNamesAreCutAndKeptApart)
{
    std::set<std::string> seen;
    for (char last = 'a'; last <= 'z'; ++last) {
        const std::string name = std::string(400, '/') + last;
        const std::string file = registryFileName(name);
        EXPECT_LE(file.size(), 160u);
        EXPECT_EQ(file.find('/'), std::string::npos);
        EXPECT_NE(file.find('~'), std::string::npos);
        seen.insert(file);
    }
    EXPECT_EQ(seen.size(), 26u);
    EXPECT_EQ(registryFileName(std::string(300, 'A')), registryFileName(std::string(300, 'a')));
    EXPECT_NE(registryFileName(std::string(300, 'a')), registryFileName(std::string(301, 'a')));
}

}  // namespace

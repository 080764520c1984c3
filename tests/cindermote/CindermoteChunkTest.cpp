#include <cstring>
#include <vector>

#include "cindermote/CindermoteParameters.h"
#include "tests/cindermote/CindermoteFixture.h"

using namespace vst;
using namespace velda::cindermote;
using velda::test::CindermoteFixture;
using velda::test::dispatch;

namespace {

constexpr int kChunkSize = 1488;

std::vector<uint8_t> chunkOf(AudioEffect& fx)
{
    void* data = nullptr;
    const VstIntPtr size = dispatch(fx, effGetChunk, 0, 0, &data);
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

void swapWord(uint8_t* w)
{
    std::swap(w[0], w[3]);
    std::swap(w[1], w[2]);
}

// Every header word and every value reversed; names stay.
std::vector<uint8_t> otherByteOrder(std::vector<uint8_t> chunk)
{
    for (int offset = 0; offset < 32; offset += 4) swapWord(chunk.data() + offset);
    for (int p = 0; p < kProgramCount; ++p)
        for (int i = 0; i < kParameterCount; ++i) swapWord(chunk.data() + 32 + p * 112 + 24 + 4 * i);
    return chunk;
}

TEST_F(CindermoteFixture, ChunkRoundTripInBothByteOrders)
{
    fx->selectProgram(4);
    fx->setParameter(kDrive, 0.123f);
    char name[] = "Renamed";
    dispatch(*fx, effSetProgramName, 0, 0, name);
    const std::vector<uint8_t> chunk = chunkOf(*fx);
    ASSERT_EQ(chunk.size(), (size_t)kChunkSize);
    const uint8_t format[4] = {0, 0, 0, 1};
    EXPECT_EQ(std::memcmp(chunk.data(), format, 4), 0);

    for (bool swapped : {false, true}) {
        Cindermote other(velda::test::FakeHost::callback);
        std::vector<uint8_t> incoming = swapped ? otherByteOrder(chunk) : chunk;
        host.clear();
        EXPECT_EQ(dispatch(other, effSetChunk, 0, kChunkSize, incoming.data()), 0) << swapped;
        EXPECT_EQ(host.count(audioMasterUpdateDisplay), 1);
        EXPECT_EQ(other.getCurrentProgramIndex(), 4);
        EXPECT_EQ(other.getParameter(kDrive), 0.123f);
        EXPECT_EQ(chunkOf(other), chunk) << swapped;
        char text[32] = "";
        dispatch(other, effGetProgramName, 0, 0, text);
        EXPECT_STREQ(text, "Renamed");
    }
}

TEST_F(CindermoteFixture, ChunksOfTheOtherProductsAreRefused)
{
    const std::vector<uint8_t> own = chunkOf(*fx);
    Cindermote other(velda::test::FakeHost::callback);
    other.setParameter(kDrive, 0.9f);
    const std::vector<uint8_t> before = chunkOf(other);
    for (VstInt32 id : {fourCC('Q', 'Q', 'E', 'l'), fourCC('Q', 'q', 'E', 'l')}) {
        for (bool swapped : {false, true}) {
            std::vector<uint8_t> foreign = own;
            std::memcpy(foreign.data() + 4, &id, 4);
            if (swapped) foreign = otherByteOrder(foreign);
            EXPECT_EQ(dispatch(other, effSetChunk, 0, kChunkSize, foreign.data()), -1);
            EXPECT_EQ(chunkOf(other), before);
            EXPECT_EQ(other.getParameter(kDrive), 0.9f);
        }
    }
    EXPECT_EQ(dispatch(other, effSetChunk, 0, kChunkSize - 4, const_cast<uint8_t*>(own.data())), -1);
}

}  // namespace

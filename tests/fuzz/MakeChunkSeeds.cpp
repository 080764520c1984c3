// Writes the seeds of FuzzChunkThenProcess: each product's own state after every factory program,
// and the same with every 32-bit word byte-reversed (the state as another byte order stores it).
// Usage: MakeChunkSeeds DIR
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/RegistryTestRoot.h"
#include "tests/robustness/ProductSet.h"

using namespace velda::robustness;

namespace {

void reverseWords(std::vector<uint8_t>& chunk, int paramCount, int programs)
{
    // Byte 0 is the product selector; the state starts at byte 1.
    uint8_t* state = chunk.data() + 1;
    for (int offset = 0; offset < CPresetSystemEffect::kChunkHeaderSize; offset += 4)
        CPresetSystemEffect::byteSwap32(state + offset);
    const size_t record = CPresetSystemEffect::kProgramNameSize + 4 * (size_t)paramCount;
    for (int p = 0; p < programs; ++p)
        for (int i = 0; i < paramCount; ++i)
            CPresetSystemEffect::byteSwap32(state + CPresetSystemEffect::kChunkHeaderSize + record * (size_t)p +
                                            CPresetSystemEffect::kProgramNameSize + 4 * (size_t)i);
}

bool write(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeChunkSeeds DIR\n");
        return 2;
    }
    velda::platform::ScopedRegistryRoot store;
    for (int p = 0; p < kProductCount; ++p) {
        const Product product = (Product)p;
        auto effect = makeProduct(product, quietHost);
        // Two programs are enough: they share the table, only the current index differs.
        for (int program : {0, effect->programCount() - 1}) {
            effect->selectProgram(program);
            void* data = nullptr;
            const int size = effect->getChunk(&data, false);
            std::vector<uint8_t> seed(1 + (size_t)size);
            seed[0] = (uint8_t)p;
            std::memcpy(seed.data() + 1, data, (size_t)size);
            const std::string base = std::string(argv[1]) + "/" + productName(product) + "-" + std::to_string(program);
            if (!write(base, seed)) return 1;
            reverseWords(seed, effect->programParamCount(), effect->programCount());
            if (!write(base + "-reversed", seed)) return 1;
        }
    }
    return 0;
}

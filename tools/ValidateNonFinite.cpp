// NaN and infinite values through setParameter and inside a state chunk: refused, no change,
// finite output. The plug-ins of this house must refuse them; others only warn.
#include "tools/ProgramSelector.h"
#include "tools/ValidationAudio.h"
#include "tools/ValidationChecks.h"

#include <cmath>
#include <cstring>
#include <limits>

using namespace vst;

namespace velda::tool {

namespace {

constexpr const char* kOwnVendor = "velda-acoustics.com";
constexpr size_t kChunkHeaderSize = 32;
constexpr size_t kProgramNameSize = 24;

const float kNonFinite[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity()};

// Each program's values follow its name, after the header; -1 when the chunk has another layout.
long programRecordSize(PluginHost& host, const std::vector<uint8_t>& chunk)
{
    bool swapped = false;
    int programs = host.programCount();
    if (chunkProgramIndexOffset(chunk, host.effect()->uniqueID, programs, swapped) < 0 || swapped) return -1;
    size_t record = kProgramNameSize + sizeof(float) * (size_t)host.effect()->numParams;
    if (programs <= 0 || chunk.size() != kChunkHeaderSize + record * (size_t)programs) return -1;
    return (long)record;
}

AudioStats processSome(PluginHost& host, uint64_t seed)
{
    TestSignal signal(44100.0, seed);
    return runAudio(host, 22050, signal, AudioRunOptions{});
}

}  // namespace

void validateNonFinite(Validator& v)
{
    auto probe = v.load();
    const bool own = probe->vendorString() == kOwnVendor;
    auto fault = [own](std::string detail) { return own ? CheckResult::fail(detail) : CheckResult::warn(detail); };

    v.check("setParameter ignores NaN and infinity", [&] {
        auto host = v.loadOpen();
        host->resume();
        for (int i = 0; i < host->effect()->numParams; ++i) {
            host->setParameter(i, 0.25f);
            float before = host->getParameter(i);
            for (float bad : kNonFinite) {
                host->setParameter(i, bad);
                float after = host->getParameter(i);
                if (std::memcmp(&after, &before, sizeof after) != 0)
                    return fault("parameter " + std::to_string(i) + " took " + std::to_string(bad) + ", reads " +
                                 std::to_string(after));
            }
        }
        AudioStats stats = processSome(*host, v.seed());
        return stats.clean(32.0) ? CheckResult::pass(stats.describe()) : CheckResult::fail(stats.describe());
    });

    if (!(probe->effect()->flags & effFlagsProgramChunks)) return;
    v.check("refuses a chunk with NaN and infinite values", [&] {
        auto host = v.loadOpen();
        host->resume();
        const std::vector<uint8_t> good = host->getChunk();
        long record = programRecordSize(*host, good);
        if (record < 0) return CheckResult::skip("chunk layout unknown");
        std::vector<uint8_t> bad = good;
        const int params = host->effect()->numParams;
        for (size_t at = kChunkHeaderSize; at + (size_t)record <= bad.size(); at += (size_t)record)
            for (int i = 0; i < params; ++i)
                std::memcpy(&bad[at + kProgramNameSize + sizeof(float) * i], &kNonFinite[i % 3], sizeof(float));
        VstIntPtr answer = host->setChunk(bad);
        std::string result = "answer " + std::to_string((long)answer);
        CheckResult outcome = CheckResult::pass(result);
        if (host->getChunk() != good) outcome = fault("the chunk read back changed (" + result + ")");
        else if (answer != -1) outcome = CheckResult::pass(result + ", state unchanged");
        AudioStats stats = processSome(*host, v.seed());
        if (!stats.clean(32.0)) return CheckResult::fail(stats.describe());
        return outcome;
    });
}

}  // namespace velda::tool

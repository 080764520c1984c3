// State chunks: byte-exact round trips, state carried to a new instance, and damaged or
// foreign chunks refused without a crash or a change.
#include "tools/ProgramSelector.h"
#include "tools/ValidationAudio.h"
#include "tools/ValidationChecks.h"

#include <cmath>

using namespace vst;

namespace velda::tool {

namespace {

std::vector<float> parameterValues(PluginHost& host)
{
    std::vector<float> values;
    for (int i = 0; i < host.effect()->numParams; ++i) values.push_back(host.getParameter(i));
    return values;
}

void randomise(PluginHost& host, Random& random)
{
    for (int i = 0; i < host.effect()->numParams; ++i) host.setParameter(i, (float)random.uniform());
}

std::vector<uint8_t> randomBytes(Random& random, size_t size)
{
    std::vector<uint8_t> bytes(size);
    for (uint8_t& b : bytes) b = (uint8_t)random.next();
    return bytes;
}

std::string valueDifference(const std::vector<float>& expected, const std::vector<float>& actual)
{
    for (size_t i = 0; i < std::min(expected.size(), actual.size()); ++i)
        if (expected[i] != actual[i])
            return "parameter " + std::to_string(i) + " is " + std::to_string(actual[i]) + ", not " + std::to_string(expected[i]);
    return {};
}

std::string firstDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b)
{
    if (a.size() != b.size()) return "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size());
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return "differs from byte " + std::to_string(i);
    return {};
}

}  // namespace

void validateState(Validator& v)
{
    v.section("state");
    {
        auto probe = v.load();
        if (!(probe->effect()->flags & effFlagsProgramChunks)) {
            v.check("state chunks", [] { return CheckResult::skip("the plug-in does not use chunks"); });
            return;
        }
    }

    v.check("chunk get, set, get", [&] {
        auto host = v.loadOpen();
        std::vector<uint8_t> first = host->getChunk();
        if (first.empty()) return CheckResult::fail("empty chunk");
        host->setChunk(first);
        std::string difference = firstDifference(first, host->getChunk());
        return difference.empty() ? CheckResult::pass(std::to_string(first.size()) + " bytes") : CheckResult::fail(difference);
    });
    v.check("chunk get, randomise, set, get", [&] {
        auto host = v.loadOpen();
        std::vector<uint8_t> saved = host->getChunk();
        std::vector<float> values = parameterValues(*host);
        randomise(*host, v.random());
        host->setChunk(saved);
        std::string difference = firstDifference(saved, host->getChunk());
        if (!difference.empty()) return CheckResult::fail(difference);
        std::string valueChange = valueDifference(values, parameterValues(*host));
        if (!valueChange.empty()) return CheckResult::fail(valueChange);
        return CheckResult::pass();
    });
    v.check("chunk carries the state to a new instance", [&] {
        auto first = v.loadOpen();
        randomise(*first, v.random());
        std::vector<uint8_t> saved = first->getChunk();
        auto second = v.loadOpen();
        second->setChunk(saved);
        std::string difference = firstDifference(saved, second->getChunk());
        if (!difference.empty()) return CheckResult::fail(difference);
        // The bytes are the contract; values a plug-in rounds on the way (switches) only warn.
        std::string valueChange = valueDifference(parameterValues(*first), parameterValues(*second));
        if (!valueChange.empty()) return CheckResult::warn(valueChange);
        return CheckResult::pass();
    });

    auto host = v.loadOpen();
    randomise(*host, v.random());
    const std::vector<uint8_t> good = host->getChunk();
    const std::vector<float> goodValues = parameterValues(*host);
    Random& random = v.random();
    struct BadChunk {
        std::string name;
        std::vector<uint8_t> bytes;
    };
    std::vector<BadChunk> bad = {
        {"random bytes of the right size", randomBytes(random, good.size())},
        {"empty chunk", {}},
        {"truncated by one byte", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"truncated to half", std::vector<uint8_t>(good.begin(), good.begin() + good.size() / 2)},
        {"16 bytes too long", good},
        {"1 MB of random bytes", randomBytes(random, 1 << 20)},
    };
    bad[4].bytes.resize(good.size() + 16, 0);
    bool swapped = false;
    int programs = host->programCount();
    if (chunkProgramIndexOffset(good, host->effect()->uniqueID, programs, swapped) >= 0) {
        BadChunk foreign{"another plug-in's unique ID", good};
        foreign.bytes[swapped ? 7 : 4] ^= 0x20;
        bad.push_back(foreign);
        BadChunk count{"another program count", good};
        count.bytes[swapped ? 11 : 8] ^= 0x01;
        bad.push_back(count);
    }
    for (const BadChunk& chunk : bad) {
        v.check("refuses " + chunk.name, [&] {
            VstIntPtr answer = host->setChunk(chunk.bytes);
            std::string difference = firstDifference(good, host->getChunk());
            if (!difference.empty()) return CheckResult::fail("state changed (answer " + std::to_string((long)answer) + "): " + difference);
            std::string valueChange = valueDifference(goodValues, parameterValues(*host));
            if (!valueChange.empty()) return CheckResult::fail(valueChange);
            return CheckResult::pass("answer " + std::to_string((long)answer));
        });
    }
    v.check("processing after refused chunks", [&] {
        host->resume();
        TestSignal signal(44100.0, v.seed());
        AudioStats stats = runAudio(*host, 44100, signal, AudioRunOptions{});
        return stats.clean(1000.0) ? CheckResult::pass(stats.describe()) : CheckResult::fail(stats.describe());
    });
}

}  // namespace velda::tool

// The frame of velda validate: checks print their name before they run (so a crash shows
// where), then pass, FAIL, warn or skip with a detail; the totals decide the exit code.
#pragma once
#include "tools/PluginHost.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace velda::tool {

// Reproducible pseudo-random numbers, the same on every platform.
class Random {
public:
    explicit Random(uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint64_t next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return state * 0x2545F4914F6CDD1Dull;
    }
    double uniform() { return (double)(next() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)
    int below(int n) { return n > 0 ? (int)(next() % (uint64_t)n) : 0; }
    // Mostly uniform, now and then an edge of the range.
    float parameterValue()
    {
        static const float edges[] = {0.0f, 1.0f, 0.5f, 1e-7f, 0.99999994f};
        return below(4) == 0 ? edges[below(5)] : (float)uniform();
    }

private:
    uint64_t state;
};

struct CheckResult {
    enum Outcome { Pass, Fail, Warn, Skip } outcome = Pass;
    std::string detail;

    static CheckResult pass(std::string detail = {}) { return {Pass, std::move(detail)}; }
    static CheckResult fail(std::string detail) { return {Fail, std::move(detail)}; }
    static CheckResult warn(std::string detail) { return {Warn, std::move(detail)}; }
    static CheckResult skip(std::string detail) { return {Skip, std::move(detail)}; }
};

class Validator {
public:
    Validator(std::string pluginPath, int strictness, uint64_t seed);

    std::unique_ptr<PluginHost> load() const;  // a fresh instance; throws ToolError
    // A fresh instance, opened at `rate` and `block` (32-bit unless asked), not resumed.
    std::unique_ptr<PluginHost> loadOpen(double rate = 44100.0, int block = 512, bool doublePrecision = false) const;

    void section(const std::string& title);
    void check(const std::string& name, const std::function<CheckResult()>& body);

    const std::string& pluginPath() const { return path; }
    int strictness() const { return level; }
    Random& random() { return rng; }
    uint64_t seed() const { return seedValue; }
    int failures() const { return failed; }
    void printSummary() const;

private:
    std::string path;
    int level;
    uint64_t seedValue;
    Random rng;
    int passed = 0, failed = 0, warned = 0, skipped = 0;
};

}  // namespace velda::tool

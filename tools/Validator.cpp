#include "tools/Validator.h"

#include "tools/CommandSupport.h"

#include <cstdio>

namespace velda::tool {

Validator::Validator(std::string pluginPath, int strictness, uint64_t seed)
    : path(std::move(pluginPath)), level(strictness), seedValue(seed), rng(seed)
{
}

std::unique_ptr<PluginHost> Validator::load() const { return loadPlugin(path); }

std::unique_ptr<PluginHost> Validator::loadOpen(double rate, int block, bool doublePrecision) const
{
    auto host = load();
    host->open(rate, block, doublePrecision);
    return host;
}

void Validator::section(const std::string& title)
{
    std::printf("[%s]\n", title.c_str());
    std::fflush(stdout);
}

void Validator::check(const std::string& name, const std::function<CheckResult()>& body)
{
    std::printf("  %-52s ", name.c_str());
    std::fflush(stdout);
    CheckResult result;
    try {
        result = body();
    } catch (const std::exception& error) {
        result = CheckResult::fail(error.what());
    }
    static const char* const words[] = {"pass", "FAIL", "warn", "skip"};
    std::printf("%s%s%s\n", words[result.outcome], result.detail.empty() ? "" : "  ", result.detail.c_str());
    std::fflush(stdout);
    switch (result.outcome) {
    case CheckResult::Pass: ++passed; break;
    case CheckResult::Fail: ++failed; break;
    case CheckResult::Warn: ++warned; break;
    case CheckResult::Skip: ++skipped; break;
    }
}

void Validator::printSummary() const
{
    std::printf("%d passed, %d failed, %d warnings, %d skipped\n", passed, failed, warned, skipped);
}

}  // namespace velda::tool

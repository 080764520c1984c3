// velda validate: checks a plug-in the way demanding hosts use it.
#include "tools/Command.h"
#include "tools/CommandSupport.h"
#include "tools/ValidationChecks.h"

#include <cstdio>
#include <string>
#include <vector>

namespace velda::tool {

namespace {

constexpr const char* kUsage = "validate PLUGIN [--strictness 1..10] [--seed N] [--repeat N] [--with OTHER_PLUGIN]...";

int run(int argc, char** argv)
{
    std::string path;
    int strictness = 5;
    long seed = 1;
    int repeat = 1;
    std::vector<std::string> companions;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--strictness") strictness = (int)parseInteger(optionValue(argc, argv, i), "--strictness", 1, 10);
        else if (arg == "--seed") seed = parseInteger(optionValue(argc, argv, i), "--seed", 0, 2147483647L);
        else if (arg == "--repeat") repeat = (int)parseInteger(optionValue(argc, argv, i), "--repeat", 1, 1000);
        else if (arg == "--with") companions.push_back(optionValue(argc, argv, i));
        else if (arg.size() > 1 && arg[0] == '-') throw UsageError("unknown option " + arg);
        else if (path.empty()) path = arg;
        else throw UsageError("unexpected argument '" + arg + "'");
    }
    if (path.empty()) throw UsageError("missing PLUGIN");
    loadPlugin(path);  // a plain load error ends here with its one line
    for (const std::string& companion : companions) loadPlugin(companion);

    int failures = 0;
    for (int round = 0; round < repeat; ++round) {
        Validator v(path, strictness, (uint64_t)seed + (uint64_t)round);
        std::printf("velda validate %s (strictness %d, seed %ld)\n", path.c_str(), strictness, seed + round);
        validateIdentity(v);
        validateCallOrders(v);
        validateAudio(v);
        validateParameters(v);
        validateState(v);
        validateNonFinite(v);
        validateInstances(v);
        validateCompanions(v, companions);
        validateAllocations(v);
        validateEditor(v);
        v.printSummary();
        failures += v.failures();
    }
    return failures ? kExitFailure : 0;
}

}  // namespace

static int runValidate(int argc, char** argv)
{
    return runGuarded("validate", kUsage, [&] { return run(argc, argv); });
}

VELDA_COMMAND(validate, kUsage, "check identity, call orders, audio, parameters, state, threads, allocations and the editor; exit 1 on failure",
              runValidate);

}  // namespace velda::tool

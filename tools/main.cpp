// velda: a VST 2.4 host for the command line. Each sub-command lives in its own file.
#include "tools/Command.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace velda::tool {

const Command* CommandRegistry::find(const char* name)
{
    for (const Command* command : commands())
        if (std::strcmp(command->name, name) == 0) return command;
    return nullptr;
}

}  // namespace velda::tool

namespace {

void printUsage(std::FILE* out)
{
    auto list = velda::tool::CommandRegistry::commands();
    std::sort(list.begin(), list.end(), [](auto* a, auto* b) { return std::strcmp(a->name, b->name) < 0; });
    std::fprintf(out, "usage: velda COMMAND ARGUMENTS...\n\ncommands:\n");
    for (const auto* command : list) {
        std::fprintf(out, "  velda %s\n", command->usage);
        if (command->summary && *command->summary) std::fprintf(out, "      %s\n", command->summary);
    }
    std::fprintf(out, "\nexit codes: 0 success, 1 failure, 2 bad arguments\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(stderr);
        return 2;
    }
    if (!std::strcmp(argv[1], "help") || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        printUsage(stdout);
        return 0;
    }
    const velda::tool::Command* command = velda::tool::CommandRegistry::find(argv[1]);
    if (!command) {
        std::fprintf(stderr, "velda: unknown command '%s' (velda help lists them)\n", argv[1]);
        return 2;
    }
    if (argc == 3 && (!std::strcmp(argv[2], "--help") || !std::strcmp(argv[2], "-h"))) {
        std::printf("usage: velda %s\n  %s\n", command->usage, command->summary);
        return 0;
    }
    return command->run(argc - 1, argv + 1);
}

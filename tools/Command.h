// Sub-commands of the velda host tool register themselves from their own source files:
//   static int runInfo(int argc, char** argv);
//   VELDA_COMMAND(info, "info PLUGIN", "print identity, parameters and programs", runInfo);
// argv[0] is the command name; the answer is the process exit code.
#pragma once
#include <vector>

namespace velda::tool {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(int argc, char** argv);
    const char* summary = "";
};

class CommandRegistry {
public:
    static std::vector<const Command*>& commands()
    {
        static std::vector<const Command*> list;
        return list;
    }
    static const Command* find(const char* name);
};

struct CommandRegistrar {
    explicit CommandRegistrar(const Command& command) { CommandRegistry::commands().push_back(&command); }
};

}  // namespace velda::tool

#define VELDA_COMMAND(ident, usage, summary, function)                                                \
    static const ::velda::tool::Command veldaCommand_##ident{#ident, usage, function, summary};         \
    static const ::velda::tool::CommandRegistrar veldaCommandRegistrar_##ident{veldaCommand_##ident}

// velda edit: shows the editor in a window of its own for a person to try.
#include <cstdio>
#include <string>

#include "platform/HostWindow.h"
#include "platform/Timer.h"
#include "tools/Command.h"
#include "tools/CommandSupport.h"

namespace velda::tool {

namespace {

const char* const kUsage = "edit PLUGIN";
constexpr uint32_t kIdlePeriodMs = 20;

int runEdit(int argc, char** argv)
{
    return runGuarded("edit", kUsage, [&]() {
        if (argc != 2) throw UsageError("expected PLUGIN");
        std::unique_ptr<PluginHost> host = loadPlugin(argv[1]);
        host->open(44100.0, 512);
        host->resume();
        if (!(host->effect()->flags & vst::effFlagsHasEditor)) throw ToolError("the plug-in has no editor");
        vst::ERect* rect = nullptr;
        if (!host->dispatch(vst::effEditGetRect, 0, 0, &rect) || !rect) throw ToolError("the editor has no size");
        auto window = platform::HostWindow::create(host->effectName(), rect->right - rect->left, rect->bottom - rect->top);
        if (!window) throw ToolError("no display to show a window on");
        if (!host->dispatch(vst::effEditOpen, 0, 0, window->parentHandle()))
            throw ToolError("the plug-in did not open its editor");
        std::printf("%s: close the window to end\n", host->effectName().c_str());
        std::fflush(stdout);
        while (window->processEvents()) {
            host->dispatch(vst::effEditIdle);
            platform::sleepMs(kIdlePeriodMs);
        }
        host->dispatch(vst::effEditClose);
        return 0;
    });
}

}  // namespace

VELDA_COMMAND(edit, kUsage, "show the editor in a window to try it", runEdit);

}  // namespace velda::tool

// velda screenshot: opens the editor without a window and writes what it shows as a PNG.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/OffscreenParent.h"
#include "tools/Command.h"
#include "tools/CommandSupport.h"
#include "tools/EditorSession.h"

namespace velda::tool {

namespace {

const char* const kUsage = "screenshot PLUGIN OUT.png [--page main|settings] [--set INDEX=VALUE]...";

int runScreenshot(int argc, char** argv)
{
    return runGuarded("screenshot", kUsage, [&]() {
        std::vector<std::string> positional;
        std::vector<ParameterSetting> settings;
        std::string page = "main";
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            if (arg == "--page")
                page = optionValue(argc, argv, i);
            else if (arg == "--set")
                settings.push_back(parseParameterSetting(optionValue(argc, argv, i)));
            else if (arg.rfind("--", 0) == 0)
                throw UsageError("unknown option " + arg);
            else
                positional.push_back(arg);
        }
        if (positional.size() != 2) throw UsageError("expected PLUGIN and OUT.png");
        if (page != "main" && page != "settings") throw UsageError("--page takes main or settings");

        std::unique_ptr<PluginHost> host = loadPlugin(positional[0]);
        host->open(44100.0, 512);
        host->resume();
        applyParameterSettings(*host, settings);
        EditorSession session(*host);
        if (page == "settings") session.showSettingsPage();
        session.idle(3);
        writePng(positional[1], session.width(), session.height(), session.pixels());
        std::printf("%s: %dx%d editor, %s page\n", positional[1].c_str(), session.width(), session.height(),
                    page.c_str());
        return 0;
    });
}

}  // namespace

VELDA_COMMAND(screenshot, kUsage, "open the editor offscreen and save its picture as a PNG", runScreenshot);

}  // namespace velda::tool

#include "tools/EditorSession.h"

#include <cstring>

#include "tools/CommandSupport.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"

namespace velda::tool {

namespace {
struct PageSwitch {
    const char* effectName;
    double x, y;
};
// The centre of each product's "to settings page" area.
constexpr PageSwitch kSettingsSwitches[] = {
    {"Velda Emberline2", 162, 413},
    {"Velda Emberline", 162, 413},
    {"Velda Cindermote", 194, 327},
};
}  // namespace

EditorSession::EditorSession(PluginHost& h) : host(h), record(std::make_unique<VeldaOffscreenParent>())
{
    std::memset(record.get(), 0, sizeof(VeldaOffscreenParent));
    record->magic = VELDA_OFFSCREEN_MAGIC;
    record->version = VELDA_OFFSCREEN_VERSION;
    if (!(host.effect()->flags & vst::effFlagsHasEditor)) throw ToolError("the plug-in has no editor");
    vst::ERect* rect = nullptr;
    host.dispatch(vst::effEditGetRect, 0, 0, &rect);
    if (!host.dispatch(vst::effEditOpen, 0, 0, record.get())) throw ToolError("the plug-in did not open its editor");
    if (record->width <= 0 || record->height <= 0) throw ToolError("the editor opened without a size");
    buffer.assign(size_t(record->width) * record->height * 4, 0);
    record->pixels = buffer.data();
    record->pixelBytes = int64_t(buffer.size());
}

EditorSession::~EditorSession() { host.dispatch(vst::effEditClose); }

void EditorSession::idle(int times)
{
    for (int i = 0; i < times; ++i) host.dispatch(vst::effEditIdle);
}

void EditorSession::push(const VeldaOffscreenEvent& event)
{
    record->events[record->eventWrite % VELDA_OFFSCREEN_EVENTS] = event;
    ++record->eventWrite;
}

void EditorSession::click(double x, double y, uint32_t buttons)
{
    VeldaOffscreenEvent event{};
    event.x = x;
    event.y = y;
    event.buttons = buttons;
    event.type = kVeldaMouseMove;
    push(event);
    event.type = kVeldaMouseDown;
    push(event);
    event.type = kVeldaMouseUp;
    push(event);
    idle();
}

void EditorSession::showSettingsPage()
{
    const std::string name = host.effectName();
    for (const PageSwitch& s : kSettingsSwitches)
        if (name == s.effectName) {
            click(s.x, s.y);
            idle(2);
            return;
        }
    throw ToolError("no settings page known for '" + name + "'");
}

void writePng(const std::string& path, int width, int height, const uint8_t* rgba)
{
    writeAtomically(path, [&](const std::string& temporary) {
        if (!stbi_write_png(temporary.c_str(), width, height, 4, rgba, width * 4))
            throw ToolError("cannot write " + path);
    });
}

}  // namespace velda::tool

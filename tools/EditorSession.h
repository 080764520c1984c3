// A plug-in's editor opened without a window: events go in through the offscreen record, pixels
// come back in its buffer.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/OffscreenParent.h"
#include "tools/PluginHost.h"

namespace velda::tool {

class EditorSession {
public:
    // Opens the editor (throws ToolError when the plug-in has none or refuses).
    explicit EditorSession(PluginHost& host);
    ~EditorSession();  // effEditClose
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    void idle(int times = 1);
    void push(const VeldaOffscreenEvent& event);
    void click(double x, double y, uint32_t buttons = 1);
    // Clicks the product's switch to the settings page.
    void showSettingsPage();

    int width() const { return record->width; }
    int height() const { return record->height; }
    const uint8_t* pixels() const { return buffer.data(); }

private:
    PluginHost& host;
    std::unique_ptr<VeldaOffscreenParent> record;
    std::vector<uint8_t> buffer;
};

// RGBA rows of width * 4 bytes.
void writePng(const std::string& path, int width, int height, const uint8_t* rgba);

}  // namespace velda::tool

// The X11 back-end: a child of the host's window on its own display connection. Input is read when
// the editor pumps it (host idle calls), since the editor has no thread of its own.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/PlatformWindow.h"

namespace velda::platform {

class X11Window : public PlatformWindow {
public:
    static std::unique_ptr<PlatformWindow> create(uintptr_t parent, int32_t width, int32_t height, WindowEvents& events);
    ~X11Window() override;

    void present(const uint8_t* rgba, int32_t stride, const PixelRect& area) override;
    void pumpEvents() override;
    bool mouseState(double& x, double& y, uint32_t& buttons) override;
    bool runFileDialog(FileDialogRequest& request) override;
    void* nativeHandle() const override;

private:
    struct Connection;
    X11Window(std::unique_ptr<Connection> connection, int32_t width, int32_t height, WindowEvents& events);
    void handleEvent(void* event);

    std::unique_ptr<Connection> connection;
    int32_t width;
    int32_t height;
    WindowEvents& events;
    std::vector<uint32_t> converted;
    uint32_t lastClickTime = 0;
    uint32_t lastClickButton = 0;
    int32_t lastClickX = 0, lastClickY = 0;
};

// The user's choice through zenity or kdialog when one of them is installed.
bool runDesktopFileDialog(FileDialogRequest& request);

}  // namespace velda::platform

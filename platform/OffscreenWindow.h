// The window-less back-end: input from an OffscreenParent's event ring, pixels into its buffer.
// Without a record (null parent) it only keeps the mouse state: the toolkit's tests drive the frame.
#pragma once

#include "platform/OffscreenParent.h"
#include "platform/PlatformWindow.h"

namespace velda::platform {

class OffscreenWindow : public PlatformWindow {
public:
    OffscreenWindow(VeldaOffscreenParent* parent, int32_t width, int32_t height, WindowEvents& events);
    ~OffscreenWindow() override;

    void present(const uint8_t* rgba, int32_t stride, const PixelRect& area) override;
    void pumpEvents() override;
    bool mouseState(double& x, double& y, uint32_t& buttons) override;
    bool runFileDialog(FileDialogRequest& request) override;
    void* nativeHandle() const override { return parent; }

private:
    VeldaOffscreenParent* parent;
    int32_t width;
    int32_t height;
    WindowEvents& events;
    double mouseX = -1, mouseY = -1;
    uint32_t buttons = 0;
};

}  // namespace velda::platform

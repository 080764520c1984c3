// The Win32 back-end: a child window of the host's HWND painted from the frame's pixels, with the
// system's pop-up menus, edit boxes and file dialogs.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/PlatformWindow.h"

namespace velda::platform {

class Win32Window : public PlatformWindow {
public:
    static std::unique_ptr<PlatformWindow> create(HWND parent, int32_t width, int32_t height, WindowEvents& events);
    ~Win32Window() override;

    void present(const uint8_t* rgba, int32_t stride, const PixelRect& area) override;
    void pumpEvents() override;
    bool mouseState(double& x, double& y, uint32_t& buttons) override;
    void captureMouse(bool state) override;
    int32_t popupMenu(const MenuRequest& request) override;
    std::unique_ptr<NativeTextEdit> openTextEdit(const TextEditRequest& request, NativeTextEditListener& listener) override;
    bool runFileDialog(FileDialogRequest& request) override;
    void* nativeHandle() const override { return hwnd; }

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The open edit box ended (Return, Escape or focus lost).
    void textEditEnded(bool commit);
    void textEditClosed() { editListener = nullptr; }

private:
    Win32Window(int32_t width, int32_t height, WindowEvents& events);

    HWND hwnd = nullptr;
    int32_t width;
    int32_t height;
    WindowEvents& events;
    std::vector<uint8_t> bgra;
    bool trackingLeave = false;
    NativeTextEditListener* editListener = nullptr;
};

}  // namespace velda::platform

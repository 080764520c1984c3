#include "platform/OffscreenWindow.h"

#include <cstring>

#include "platform/Timer.h"

namespace velda::platform {

OffscreenWindow::OffscreenWindow(VeldaOffscreenParent* p, int32_t w, int32_t h, WindowEvents& e)
    : parent(p), width(w), height(h), events(e)
{
    if (parent) {
        parent->width = w;
        parent->height = h;
        parent->isOpen = 1;
        parent->eventRead = parent->eventWrite;
    }
}

OffscreenWindow::~OffscreenWindow()
{
    if (parent) parent->isOpen = 0;
}

void OffscreenWindow::present(const uint8_t* rgba, int32_t stride, const PixelRect& area)
{
    if (!parent || !parent->pixels || parent->pixelBytes < int64_t(width) * height * 4) return;
    const int32_t rowBytes = width * 4;
    for (int32_t y = std::max(0, area.top); y < std::min(height, area.bottom); ++y) {
        const int32_t left = std::max(0, area.left), right = std::min(width, area.right);
        if (right > left)
            std::memcpy(parent->pixels + size_t(y) * rowBytes + size_t(left) * 4, rgba + size_t(y) * stride + size_t(left) * 4,
                        size_t(right - left) * 4);
    }
    ++parent->presents;
}

void OffscreenWindow::pumpEvents()
{
    if (parent) {
        // Each event may run a modal loop or close the editor; re-read the ring every time.
        while (parent && parent->eventRead != parent->eventWrite) {
            const VeldaOffscreenEvent e = parent->events[parent->eventRead % VELDA_OFFSCREEN_EVENTS];
            ++parent->eventRead;
            if (e.type == kVeldaMouseDown || e.type == kVeldaMouseUp || e.type == kVeldaMouseMove ||
                e.type == kVeldaWheel) {
                mouseX = e.x;
                mouseY = e.y;
            }
            switch (e.type) {
            case kVeldaMouseDown:
                buttons = e.buttons & ~uint32_t(kMouseDouble);
                events.platformMouseDown(e.x, e.y, e.buttons);
                break;
            case kVeldaMouseUp:
                buttons = e.buttons & ~uint32_t(kMouseLeft | kMouseMiddle | kMouseRight | kMouseDouble);
                events.platformMouseUp(e.x, e.y, e.buttons);
                break;
            case kVeldaMouseMove:
                buttons = e.buttons;
                events.platformMouseMoved(e.x, e.y, e.buttons);
                break;
            case kVeldaMouseExit:
                mouseX = mouseY = -1;
                events.platformMouseExited();
                break;
            case kVeldaWheel:
                events.platformWheel(e.x, e.y, e.distance, e.buttons);
                break;
            case kVeldaKeyDown:
                events.platformKeyDown(KeyStroke{e.character, e.virt, e.modifier});
                break;
            case kVeldaKeyUp:
                events.platformKeyUp(KeyStroke{e.character, e.virt, e.modifier});
                break;
            default:
                break;
            }
        }
    }
    Timer::runDue();
}

bool OffscreenWindow::mouseState(double& x, double& y, uint32_t& b)
{
    x = mouseX;
    y = mouseY;
    b = buttons;
    return mouseX >= 0 && mouseY >= 0;
}

bool OffscreenWindow::runFileDialog(FileDialogRequest& request)
{
    if (!parent) return false;
    ++parent->fileDialogs;
    std::strncpy(parent->lastDialogTitle, request.title.c_str(), sizeof(parent->lastDialogTitle) - 1);
    parent->lastDialogTitle[sizeof(parent->lastDialogTitle) - 1] = 0;
    parent->fileAnswer[sizeof(parent->fileAnswer) - 1] = 0;
    request.result = parent->fileAnswer;
    parent->fileAnswer[0] = 0;
    return !request.result.empty();
}

}  // namespace velda::platform

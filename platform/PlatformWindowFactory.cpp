// Chooses the back-end for an effEditOpen window argument.
#include <cstdint>
#include <cstring>

#include "platform/OffscreenParent.h"
#include "platform/OffscreenWindow.h"
#include "platform/PlatformWindow.h"

#if defined(_WIN32)
#include <windows.h>

#include "platform/Win32Window.h"
#elif defined(VELDA_HAVE_X11)
#include "platform/X11Window.h"
#endif

namespace velda::platform {

namespace {
// Window handles and X11 window numbers stay below 2^32; records live at real addresses above it.
bool mayBeRecordAddress(void* p)
{
    const uintptr_t v = uintptr_t(p);
    if (sizeof(uintptr_t) < 8 || v < (uintptr_t(1) << 32) || (v & 7) != 0) return false;
#if defined(_WIN32)
    MEMORY_BASIC_INFORMATION info{};
    if (!VirtualQuery(p, &info, sizeof(info)) || info.State != MEM_COMMIT) return false;
    if (info.Protect & (PAGE_NOACCESS | PAGE_GUARD)) return false;
    const uintptr_t end = uintptr_t(info.BaseAddress) + info.RegionSize;
    return end - v >= sizeof(uint32_t);
#else
    return true;
#endif
}
}  // namespace

VeldaOffscreenParent* asOffscreenParent(void* parent)
{
    if (!parent || !mayBeRecordAddress(parent)) return nullptr;
    auto* record = static_cast<VeldaOffscreenParent*>(parent);
    return record->magic == VELDA_OFFSCREEN_MAGIC && record->version == VELDA_OFFSCREEN_VERSION ? record : nullptr;
}

std::unique_ptr<PlatformWindow> PlatformWindow::create(void* parent, int32_t width, int32_t height, WindowEvents& events)
{
    if (!parent) return std::make_unique<OffscreenWindow>(nullptr, width, height, events);
    if (VeldaOffscreenParent* record = asOffscreenParent(parent))
        return std::make_unique<OffscreenWindow>(record, width, height, events);
#if defined(_WIN32)
    return Win32Window::create(static_cast<HWND>(parent), width, height, events);
#elif defined(VELDA_HAVE_X11)
    return X11Window::create(reinterpret_cast<uintptr_t>(parent), width, height, events);
#else
    return nullptr;
#endif
}

#if !defined(_WIN32)
void dispatchOnePendingPaint() {}
#endif

}  // namespace velda::platform

// Chooses the back-end for an effEditOpen window argument.
#include <cstdint>
#include <cstring>

#include "platform/OffscreenParent.h"
#include "platform/OffscreenWindow.h"
#include "platform/PlatformWindow.h"

#if defined(_WIN32)
#include <windows.h>

#include "platform/Win32Window.h"
#else
#include <sys/mman.h>
#include <unistd.h>
#if defined(VELDA_HAVE_X11)
#include "platform/X11Window.h"
#endif
#endif

namespace velda::platform {

namespace {
// True when `size` bytes at p are readable memory. Window handles and X11 window numbers are
// numbers, not addresses; the record's magic and version tell the two apart.
bool readable(const void* p, size_t size)
{
#if defined(_WIN32)
    MEMORY_BASIC_INFORMATION info{};
    if (!VirtualQuery(p, &info, sizeof(info)) || info.State != MEM_COMMIT) return false;
    if (info.Protect & (PAGE_NOACCESS | PAGE_GUARD)) return false;
    return uintptr_t(info.BaseAddress) + info.RegionSize - uintptr_t(p) >= size;
#else
    const long page = sysconf(_SC_PAGESIZE);
    const uintptr_t first = uintptr_t(p) & ~uintptr_t(page - 1);
    const uintptr_t last = (uintptr_t(p) + size - 1) & ~uintptr_t(page - 1);
    for (uintptr_t at = first; at <= last; at += uintptr_t(page))
        if (msync(reinterpret_cast<void*>(at), size_t(page), MS_ASYNC) != 0) return false;
    return true;
#endif
}
}  // namespace

VeldaOffscreenParent* asOffscreenParent(void* parent)
{
    if (!parent || (uintptr_t(parent) & 7) != 0) return nullptr;
#if defined(_WIN32)
    if (IsWindow(static_cast<HWND>(parent))) return nullptr;
#endif
    if (!readable(parent, 2 * sizeof(uint32_t))) return nullptr;
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

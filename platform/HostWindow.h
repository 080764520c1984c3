// A top-level window for a person to try an editor (the velda tool's edit command): the editor opens
// inside it as it would inside a host.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace velda::platform {

class HostWindow {
public:
    // Null when no window can be shown (no display).
    static std::unique_ptr<HostWindow> create(const std::string& title, int32_t width, int32_t height);
    virtual ~HostWindow() = default;
    // The parent to pass to effEditOpen.
    virtual void* parentHandle() const = 0;
    // Handles pending window messages; false once the user closed the window.
    virtual bool processEvents() = 0;
};

}  // namespace velda::platform

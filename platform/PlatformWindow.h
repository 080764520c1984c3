// A window that shows the editor's pixels inside a host's parent window and delivers its input.
// Back-ends: Win32 (a child of the host's HWND), X11 (a child of the host's Window) and offscreen
// (a host-supplied OffscreenParent: no window, events and pixels pass through memory).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velda::platform {

// Button and modifier bits of mouse events (the toolkit uses the same values).
enum MouseFlags : uint32_t {
    kMouseLeft = 1u << 0,
    kMouseMiddle = 1u << 1,
    kMouseRight = 1u << 2,
    kModShift = 1u << 3,
    kModControl = 1u << 4,
    kModAlt = 1u << 5,
    kModApple = 1u << 6,
    kMouseDouble = 1u << 7,
};

struct PixelRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// A key as the host's key opcodes pass it: character, virtual key code, modifier bits.
struct KeyStroke {
    int32_t character = 0;
    uint8_t virt = 0;
    uint8_t modifier = 0;
};

// Implemented by the frame: the window's input arrives here.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void platformMouseDown(double x, double y, uint32_t buttons) = 0;
    virtual void platformMouseUp(double x, double y, uint32_t buttons) = 0;
    virtual void platformMouseMoved(double x, double y, uint32_t buttons) = 0;
    virtual void platformMouseExited() = 0;
    virtual bool platformWheel(double x, double y, float distance, uint32_t buttons) = 0;
    virtual bool platformKeyDown(const KeyStroke& key) = 0;
    virtual bool platformKeyUp(const KeyStroke& key) = 0;
    // The window lost its picture (exposed): show the pixels of `area` again.
    virtual void platformRedraw(const PixelRect& area) = 0;
};

struct MenuItem {
    std::string title;
    bool checked = false;
};

struct MenuRequest {
    std::vector<MenuItem> items;
    int32_t itemsPerColumn = 0;  // 0: one column
    double x = 0, y = 0;         // window position of the menu's top-left corner
};

// The answer of popupMenu when the back-end has no menu of its own and the toolkit draws one.
constexpr int32_t kMenuDrawnByToolkit = -2;

struct TextEditRequest {
    PixelRect area;
    std::string text;
    double fontSize = 12;
    bool bold = false;
    uint8_t fontColor[4] = {0, 0, 0, 255};
    uint8_t backColor[4] = {255, 255, 255, 255};
    int32_t align = 1;  // 0 left, 1 centre, 2 right
};

class NativeTextEditListener {
public:
    virtual ~NativeTextEditListener() = default;
    // The user ended the entry: commit true for Return or losing focus, false for Escape.
    virtual void nativeTextEditEnded(bool commit) = 0;
};

class NativeTextEdit {
public:
    virtual ~NativeTextEdit() = default;
    virtual std::string text() const = 0;
};

struct FileDialogRequest {
    bool save = false;
    bool chooseFolder = false;
    std::string title;
    std::string initialDirectory;
    std::string defaultName;
    std::string defaultExtension;
    struct Filter {
        std::string description;
        std::string extension;  // without the dot
    };
    std::vector<Filter> filters;
    std::string result;  // the chosen path
};

class PlatformWindow {
public:
    // parent: the host's window, or an OffscreenParent; null gives a window-less back-end for tests.
    static std::unique_ptr<PlatformWindow> create(void* parent, int32_t width, int32_t height, WindowEvents& events);
    virtual ~PlatformWindow() = default;

    // Shows the area of the frame's RGBA buffer (4 bytes a pixel, R first).
    virtual void present(const uint8_t* rgba, int32_t stride, const PixelRect& area) = 0;
    // Delivers pending input to the frame and runs due timers.
    virtual void pumpEvents() = 0;
    virtual bool mouseState(double& x, double& y, uint32_t& buttons) = 0;
    virtual void captureMouse(bool) {}
    // The chosen item, -1 when cancelled, or kMenuDrawnByToolkit.
    virtual int32_t popupMenu(const MenuRequest&) { return kMenuDrawnByToolkit; }
    // A native edit box, or null when the toolkit edits the text itself.
    virtual std::unique_ptr<NativeTextEdit> openTextEdit(const TextEditRequest&, NativeTextEditListener&) { return nullptr; }
    // Modal; true with request.result set when the user chose a path.
    virtual bool runFileDialog(FileDialogRequest& request) = 0;
    virtual void* nativeHandle() const = 0;
};

// Dispatches one pending paint message of the calling thread's windows, if the platform has such.
void dispatchOnePendingPaint();

}  // namespace velda::platform

#include "platform/HostWindow.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(VELDA_HAVE_X11)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace velda::platform {

#if defined(_WIN32)
namespace {
bool closedFlag = false;
LRESULT CALLBACK hostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        closedFlag = true;
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class Win32HostWindow : public HostWindow {
public:
    explicit Win32HostWindow(HWND hwnd) : hwnd(hwnd) {}
    ~Win32HostWindow() override { DestroyWindow(hwnd); }
    void* parentHandle() const override { return hwnd; }
    bool processEvents() override
    {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return !closedFlag;
    }

private:
    HWND hwnd;
};
}  // namespace

std::unique_ptr<HostWindow> HostWindow::create(const std::string& title, int32_t width, int32_t height)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = hostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    wc.lpszClassName = "VeldaHostWindow";
    RegisterClassA(&wc);
    RECT r{0, 0, width, height};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRect(&r, style, FALSE);
    HWND hwnd = CreateWindowExA(0, "VeldaHostWindow", title.c_str(), style | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
    if (!hwnd) return nullptr;
    closedFlag = false;
    return std::make_unique<Win32HostWindow>(hwnd);
}

#elif defined(VELDA_HAVE_X11)
namespace {
class X11HostWindow : public HostWindow {
public:
    X11HostWindow(Display* d, Window w, Atom del) : display(d), window(w), deleteAtom(del) {}
    ~X11HostWindow() override
    {
        XDestroyWindow(display, window);
        XCloseDisplay(display);
    }
    void* parentHandle() const override { return reinterpret_cast<void*>(uintptr_t(window)); }
    bool processEvents() override
    {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && Atom(event.xclient.data.l[0]) == deleteAtom) closed = true;
            if (event.type == DestroyNotify) closed = true;
        }
        return !closed;
    }

private:
    Display* display;
    Window window;
    Atom deleteAtom;
    bool closed = false;
};
}  // namespace

std::unique_ptr<HostWindow> HostWindow::create(const std::string& title, int32_t width, int32_t height)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) return nullptr;
    const int screen = DefaultScreen(display);
    Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, unsigned(width), unsigned(height), 0,
                                        BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, window, title.c_str());
    XSizeHints hints{};
    hints.flags = PMinSize | PMaxSize;
    hints.min_width = hints.max_width = width;
    hints.min_height = hints.max_height = height;
    XSetWMNormalHints(display, window, &hints);
    Atom deleteAtom = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteAtom, 1);
    XSelectInput(display, window, StructureNotifyMask);
    XMapWindow(display, window);
    XSync(display, False);
    return std::make_unique<X11HostWindow>(display, window, deleteAtom);
}

#else
std::unique_ptr<HostWindow> HostWindow::create(const std::string&, int32_t, int32_t) { return nullptr; }
#endif

}  // namespace velda::platform

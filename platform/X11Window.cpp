#include "platform/X11Window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cstring>

#include "platform/Timer.h"

namespace velda::platform {

struct X11Window::Connection {
    Display* display = nullptr;
    Window window = 0;
    GC gc = nullptr;
    Visual* visual = nullptr;
    int depth = 0;
    ~Connection()
    {
        if (!display) return;
        if (gc) XFreeGC(display, gc);
        if (window) XDestroyWindow(display, window);
        XCloseDisplay(display);
    }
};

namespace {
constexpr uint32_t kDoubleClickMs = 400;

uint32_t modifiersOf(unsigned int state)
{
    uint32_t flags = 0;
    if (state & ShiftMask) flags |= kModShift;
    if (state & ControlMask) flags |= kModControl;
    if (state & Mod1Mask) flags |= kModAlt;
    return flags;
}

uint32_t buttonsOf(unsigned int state)
{
    uint32_t flags = modifiersOf(state);
    if (state & Button1Mask) flags |= kMouseLeft;
    if (state & Button2Mask) flags |= kMouseMiddle;
    if (state & Button3Mask) flags |= kMouseRight;
    return flags;
}

uint32_t buttonFlag(unsigned int button)
{
    return button == Button1 ? uint32_t(kMouseLeft) : button == Button2 ? uint32_t(kMouseMiddle) : button == Button3 ? uint32_t(kMouseRight) : 0u;
}

// The host's virtual key numbers (VstKeyCode.virt).
uint8_t virtualKeyOf(KeySym sym)
{
    switch (sym) {
    case XK_BackSpace: return 1;
    case XK_Tab: return 2;
    case XK_Return: return 4;
    case XK_Escape: return 6;
    case XK_space: return 7;
    case XK_End: return 9;
    case XK_Home: return 10;
    case XK_Left: return 11;
    case XK_Up: return 12;
    case XK_Right: return 13;
    case XK_Down: return 14;
    case XK_Page_Up: return 15;
    case XK_Page_Down: return 16;
    case XK_KP_Enter: return 19;
    case XK_Insert: return 21;
    case XK_Delete: return 22;
    default: return 0;
    }
}

// Catches the error of a bad parent window instead of Xlib's default, which ends the process.
bool xErrorSeen = false;
int trapError(Display*, XErrorEvent*)
{
    xErrorSeen = true;
    return 0;
}

bool windowExists(Display* display, Window window)
{
    xErrorSeen = false;
    XSync(display, False);
    auto previous = XSetErrorHandler(trapError);
    XWindowAttributes attributes;
    const Status found = XGetWindowAttributes(display, window, &attributes);
    XSync(display, False);
    XSetErrorHandler(previous);
    return found && !xErrorSeen;
}

int shiftOf(unsigned long mask)
{
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}
}  // namespace

std::unique_ptr<PlatformWindow> X11Window::create(uintptr_t parent, int32_t width, int32_t height, WindowEvents& events)
{
    auto c = std::make_unique<Connection>();
    c->display = XOpenDisplay(nullptr);
    if (!c->display) return nullptr;
    const int screen = DefaultScreen(c->display);
    c->visual = DefaultVisual(c->display, screen);
    c->depth = DefaultDepth(c->display, screen);
    if (c->visual->c_class != TrueColor || (c->depth != 24 && c->depth != 32)) return nullptr;
    Window parentWindow = Window(parent);
    if (!parentWindow || !windowExists(c->display, parentWindow)) return nullptr;
    c->window = XCreateSimpleWindow(c->display, parentWindow, 0, 0, unsigned(width), unsigned(height), 0, 0, 0);
    XSelectInput(c->display, c->window,
                 ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | LeaveWindowMask |
                     KeyPressMask | KeyReleaseMask | StructureNotifyMask);
    c->gc = XCreateGC(c->display, c->window, 0, nullptr);
    XMapWindow(c->display, c->window);
    XSync(c->display, False);  // the window exists for every client once open returns
    return std::unique_ptr<PlatformWindow>(new X11Window(std::move(c), width, height, events));
}

X11Window::X11Window(std::unique_ptr<Connection> c, int32_t w, int32_t h, WindowEvents& e)
    : connection(std::move(c)), width(w), height(h), events(e), converted(size_t(w) * h, 0)
{
}

X11Window::~X11Window() = default;

void* X11Window::nativeHandle() const { return reinterpret_cast<void*>(uintptr_t(connection->window)); }

void X11Window::present(const uint8_t* rgba, int32_t stride, const PixelRect& area)
{
    const int32_t left = std::max(0, area.left), top = std::max(0, area.top);
    const int32_t right = std::min(width, area.right), bottom = std::min(height, area.bottom);
    if (right <= left || bottom <= top) return;
    Visual* v = connection->visual;
    const int rs = shiftOf(v->red_mask), gs = shiftOf(v->green_mask), bs = shiftOf(v->blue_mask);
    for (int32_t y = top; y < bottom; ++y) {
        const uint8_t* src = rgba + size_t(y) * stride + size_t(left) * 4;
        uint32_t* dst = &converted[size_t(y) * width + left];
        for (int32_t x = left; x < right; ++x, src += 4)
            *dst++ = (uint32_t(src[0]) << rs) | (uint32_t(src[1]) << gs) | (uint32_t(src[2]) << bs);
    }
    XImage* image = XCreateImage(connection->display, v, unsigned(connection->depth), ZPixmap, 0,
                                 reinterpret_cast<char*>(converted.data()), unsigned(width), unsigned(height), 32,
                                 width * 4);
    if (!image) return;
    XPutImage(connection->display, connection->window, connection->gc, image, left, top, left, top,
              unsigned(right - left), unsigned(bottom - top));
    image->data = nullptr;  // the pixels belong to `converted`
    XDestroyImage(image);
    XFlush(connection->display);
}

void X11Window::pumpEvents()
{
    Display* display = connection->display;
    while (connection && XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        handleEvent(&event);
    }
    Timer::runDue();
}

void X11Window::handleEvent(void* raw)
{
    XEvent& event = *static_cast<XEvent*>(raw);
    switch (event.type) {
    case Expose: {
        const XExposeEvent& e = event.xexpose;
        events.platformRedraw(PixelRect{e.x, e.y, e.x + e.width, e.y + e.height});
        break;
    }
    case ButtonPress: {
        const XButtonEvent& e = event.xbutton;
        if (e.button == Button4 || e.button == Button5) {
            events.platformWheel(e.x, e.y, e.button == Button4 ? 1.0f : -1.0f, buttonsOf(e.state));
            break;
        }
        uint32_t flags = buttonFlag(e.button) | modifiersOf(e.state);
        const bool near = std::abs(e.x - lastClickX) <= 4 && std::abs(e.y - lastClickY) <= 4;
        if (e.button == lastClickButton && near && uint32_t(e.time - lastClickTime) <= kDoubleClickMs) {
            flags |= kMouseDouble;
            lastClickButton = 0;
        } else {
            lastClickButton = e.button;
            lastClickTime = uint32_t(e.time);
            lastClickX = e.x;
            lastClickY = e.y;
        }
        XSetInputFocus(connection->display, connection->window, RevertToParent, CurrentTime);
        events.platformMouseDown(e.x, e.y, flags);
        break;
    }
    case ButtonRelease: {
        const XButtonEvent& e = event.xbutton;
        if (e.button == Button4 || e.button == Button5) break;
        events.platformMouseUp(e.x, e.y, buttonFlag(e.button) | modifiersOf(e.state));
        break;
    }
    case MotionNotify: {
        const XMotionEvent& e = event.xmotion;
        events.platformMouseMoved(e.x, e.y, buttonsOf(e.state));
        break;
    }
    case LeaveNotify:
        if (!(event.xcrossing.state & (Button1Mask | Button2Mask | Button3Mask))) events.platformMouseExited();
        break;
    case KeyPress:
    case KeyRelease: {
        char text[8] = {};
        KeySym sym = 0;
        const int length = XLookupString(&event.xkey, text, sizeof(text), &sym, nullptr);
        KeyStroke key;
        key.virt = virtualKeyOf(sym);
        key.character = key.virt == 0 && length == 1 ? static_cast<unsigned char>(text[0]) : 0;
        const unsigned state = event.xkey.state;
        key.modifier = uint8_t(((state & ShiftMask) ? 1 : 0) | ((state & Mod1Mask) ? 2 : 0) | ((state & ControlMask) ? 8 : 0));
        if (key.virt || key.character) {
            if (event.type == KeyPress)
                events.platformKeyDown(key);
            else
                events.platformKeyUp(key);
        }
        break;
    }
    default:
        break;
    }
}

bool X11Window::mouseState(double& x, double& y, uint32_t& buttons)
{
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(connection->display, connection->window, &root, &child, &rootX, &rootY, &windowX, &windowY, &mask))
        return false;
    x = windowX;
    y = windowY;
    buttons = buttonsOf(mask);
    return true;
}

bool X11Window::runFileDialog(FileDialogRequest& request) { return runDesktopFileDialog(request); }

}  // namespace velda::platform

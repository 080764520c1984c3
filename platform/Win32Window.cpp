#include "platform/Win32Window.h"

#include <commdlg.h>
#include <windowsx.h>

#include <cstring>
#include <string>

#include "platform/Timer.h"

namespace velda::platform {

namespace {
constexpr const char* kClassName = "VeldaEditorWindow";
constexpr UINT kTextEditEnded = WM_APP + 1;  // wParam: 1 commit, 0 cancel
constexpr UINT_PTR kPumpTimer = 1;
constexpr UINT kPumpPeriodMs = 10;

HINSTANCE moduleInstance()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&moduleInstance), &module);
    return module;
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (window) return window->handleMessage(message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Classes of a library outlive it: the last window unregisters the class, so that a reloaded
// library never finds a class whose procedure pointed into its unloaded predecessor.
int openWindows = 0;

bool registerClass()
{
    WNDCLASSA existing{};
    if (GetClassInfoA(moduleInstance(), kClassName, &existing)) return existing.lpfnWndProc == windowProc;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = moduleInstance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
}

uint32_t modifiers()
{
    uint32_t flags = 0;
    if (GetKeyState(VK_SHIFT) < 0) flags |= kModShift;
    if (GetKeyState(VK_CONTROL) < 0) flags |= kModControl;
    if (GetKeyState(VK_MENU) < 0) flags |= kModAlt;
    return flags;
}

uint32_t heldButtons(WPARAM wParam)
{
    uint32_t flags = modifiers();
    if (wParam & MK_LBUTTON) flags |= kMouseLeft;
    if (wParam & MK_MBUTTON) flags |= kMouseMiddle;
    if (wParam & MK_RBUTTON) flags |= kMouseRight;
    return flags;
}

uint8_t virtualKeyOf(WPARAM key)
{
    switch (key) {
    case VK_BACK: return 1;
    case VK_TAB: return 2;
    case VK_RETURN: return 4;
    case VK_ESCAPE: return 6;
    case VK_SPACE: return 7;
    case VK_END: return 9;
    case VK_HOME: return 10;
    case VK_LEFT: return 11;
    case VK_UP: return 12;
    case VK_RIGHT: return 13;
    case VK_DOWN: return 14;
    case VK_PRIOR: return 15;
    case VK_NEXT: return 16;
    case VK_INSERT: return 21;
    case VK_DELETE: return 22;
    default: return 0;
    }
}

// The edit box: Return commits, Escape cancels, losing the focus commits.
class Win32TextEdit : public NativeTextEdit {
public:
    Win32TextEdit(HWND edit, HFONT font, HBRUSH brush, COLORREF text, COLORREF back, Win32Window& owner)
        : edit(edit), font(font), brush(brush), textColor(text), backColor(back), owner(owner)
    {
    }
    ~Win32TextEdit() override
    {
        owner.textEditClosed();
        // The control's own procedure again, so that it cleans up and posts nothing while it goes.
        if (original) SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        SetWindowLongPtrA(edit, GWLP_USERDATA, 0);
        DestroyWindow(edit);
        DeleteObject(font);
        DeleteObject(brush);
    }
    std::string text() const override
    {
        char buffer[512] = {};
        GetWindowTextA(edit, buffer, sizeof(buffer) - 1);
        return buffer;
    }
    HWND edit;
    HFONT font;
    HBRUSH brush;
    COLORREF textColor;
    COLORREF backColor;
    Win32Window& owner;
    WNDPROC original = nullptr;
};

LRESULT CALLBACK editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* edit = reinterpret_cast<Win32TextEdit*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!edit) return DefWindowProcA(hwnd, message, wParam, lParam);
    const HWND parent = GetParent(hwnd);
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
            PostMessageA(parent, kTextEditEnded, wParam == VK_RETURN ? 1 : 0, 0);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == '\r' || wParam == 27) return 0;
        break;
    case WM_KILLFOCUS:
        PostMessageA(parent, kTextEditEnded, 1, 0);
        break;
    default:
        break;
    }
    return CallWindowProcA(edit->original, hwnd, message, wParam, lParam);
}
}  // namespace

std::unique_ptr<PlatformWindow> Win32Window::create(HWND parent, int32_t width, int32_t height, WindowEvents& events)
{
    if (!parent || !IsWindow(parent) || !registerClass()) return nullptr;
    std::unique_ptr<Win32Window> window(new Win32Window(width, height, events));
    window->hwnd = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                                   parent, nullptr, moduleInstance(), nullptr);
    if (!window->hwnd) {
        if (openWindows == 0) UnregisterClassA(kClassName, moduleInstance());
        return nullptr;
    }
    ++openWindows;
    SetWindowLongPtrA(window->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window.get()));
    SetTimer(window->hwnd, kPumpTimer, kPumpPeriodMs, nullptr);
    return window;
}

Win32Window::Win32Window(int32_t w, int32_t h, WindowEvents& e)
    : width(w), height(h), events(e), bgra(size_t(w) * h * 4, 0)
{
}

Win32Window::~Win32Window()
{
    if (!hwnd) return;
    KillTimer(hwnd, kPumpTimer);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
    if (--openWindows == 0) UnregisterClassA(kClassName, moduleInstance());
}

void Win32Window::present(const uint8_t* rgba, int32_t stride, const PixelRect& area)
{
    const int32_t left = std::max(0, area.left), top = std::max(0, area.top);
    const int32_t right = std::min(width, area.right), bottom = std::min(height, area.bottom);
    if (right <= left || bottom <= top) return;
    for (int32_t y = top; y < bottom; ++y) {
        const uint8_t* src = rgba + size_t(y) * stride + size_t(left) * 4;
        uint8_t* dst = &bgra[(size_t(y) * width + left) * 4];
        for (int32_t x = left; x < right; ++x, src += 4, dst += 4) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
            dst[3] = 255;
        }
    }
    RECT r{left, top, right, bottom};
    InvalidateRect(hwnd, &r, FALSE);
}

void Win32Window::pumpEvents() { Timer::runDue(); }

bool Win32Window::mouseState(double& x, double& y, uint32_t& buttons)
{
    POINT p;
    if (!GetCursorPos(&p) || !ScreenToClient(hwnd, &p)) return false;
    x = p.x;
    y = p.y;
    buttons = modifiers();
    if (GetAsyncKeyState(VK_LBUTTON) < 0) buttons |= kMouseLeft;
    if (GetAsyncKeyState(VK_MBUTTON) < 0) buttons |= kMouseMiddle;
    if (GetAsyncKeyState(VK_RBUTTON) < 0) buttons |= kMouseRight;
    return true;
}

void Win32Window::captureMouse(bool state)
{
    if (state)
        SetCapture(hwnd);
    else if (GetCapture() == hwnd)
        ReleaseCapture();
}

void Win32Window::textEditEnded(bool commit)
{
    if (NativeTextEditListener* listener = editListener) {
        editListener = nullptr;
        listener->nativeTextEditEnded(commit);
    }
}

LRESULT Win32Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const double x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, DWORD(width), DWORD(height), 0, 0, 0, UINT(height), bgra.data(), &info,
                          DIB_RGB_COLORS);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        if (wParam == kPumpTimer) Timer::runDue();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
        uint32_t flags = modifiers();
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) flags |= kMouseLeft;
        if (message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK) flags |= kMouseRight;
        if (message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK) flags |= kMouseMiddle;
        if (message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK)
            flags |= kMouseDouble;
        SetFocus(hwnd);
        events.platformMouseDown(x, y, flags);
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        uint32_t flags = modifiers();
        flags |= message == WM_LBUTTONUP ? kMouseLeft : message == WM_RBUTTONUP ? kMouseRight : kMouseMiddle;
        events.platformMouseUp(x, y, flags);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (!trackingLeave) {
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
            trackingLeave = TrackMouseEvent(&track) != 0;
        }
        events.platformMouseMoved(x, y, heldButtons(wParam));
        return 0;
    case WM_MOUSELEAVE:
        trackingLeave = false;
        events.platformMouseExited();
        return 0;
    case WM_MOUSEWHEEL: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(hwnd, &p);
        const float distance = float(GET_WHEEL_DELTA_WPARAM(wParam)) / float(WHEEL_DELTA);
        events.platformWheel(p.x, p.y, distance, heldButtons(GET_KEYSTATE_WPARAM(wParam)));
        return 0;
    }
    case WM_KEYDOWN:
    case WM_KEYUP: {
        KeyStroke key;
        key.virt = virtualKeyOf(wParam);
        if (!key.virt) {
            const UINT character = MapVirtualKeyA(UINT(wParam), MAPVK_VK_TO_CHAR);
            if (character >= 32 && character < 127) key.character = int32_t(character) | 0x20 * (character >= 'A' && character <= 'Z' && GetKeyState(VK_SHIFT) >= 0);
        }
        const uint32_t m = modifiers();
        key.modifier = uint8_t(((m & kModShift) ? 1 : 0) | ((m & kModAlt) ? 2 : 0) | ((m & kModControl) ? 8 : 0));
        if (key.virt || key.character) {
            const bool used = message == WM_KEYDOWN ? events.platformKeyDown(key) : events.platformKeyUp(key);
            if (used) return 0;
        }
        break;
    }
    case WM_CTLCOLOREDIT: {
        HWND control = reinterpret_cast<HWND>(lParam);
        if (auto* edit = reinterpret_cast<Win32TextEdit*>(GetWindowLongPtrA(control, GWLP_USERDATA))) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, edit->textColor);
            SetBkColor(dc, edit->backColor);
            return reinterpret_cast<LRESULT>(edit->brush);
        }
        break;
    }
    case kTextEditEnded:
        textEditEnded(wParam != 0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

int32_t Win32Window::popupMenu(const MenuRequest& request)
{
    HMENU menu = CreatePopupMenu();
    if (!menu) return -1;
    const int32_t perColumn = request.itemsPerColumn;
    for (size_t i = 0; i < request.items.size(); ++i) {
        UINT flags = MF_STRING;
        if (request.items[i].checked) flags |= MF_CHECKED;
        if (perColumn > 0 && i > 0 && i % size_t(perColumn) == 0) flags |= MF_MENUBARBREAK;
        AppendMenuA(menu, flags, UINT_PTR(i + 1), request.items[i].title.c_str());
    }
    POINT p{LONG(request.x), LONG(request.y)};
    ClientToScreen(hwnd, &p);
    const int chosen = int(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, p.x,
                                          p.y, 0, hwnd, nullptr));
    DestroyMenu(menu);
    return chosen > 0 ? chosen - 1 : -1;
}

std::unique_ptr<NativeTextEdit> Win32Window::openTextEdit(const TextEditRequest& request, NativeTextEditListener& listener)
{
    DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    style |= request.align == 0 ? ES_LEFT : request.align == 2 ? ES_RIGHT : ES_CENTER;
    const PixelRect& a = request.area;
    HWND edit = CreateWindowExA(0, "EDIT", request.text.c_str(), style, a.left, a.top, a.right - a.left,
                                a.bottom - a.top, hwnd, nullptr, moduleInstance(), nullptr);
    if (!edit) return nullptr;
    HFONT font = CreateFontA(-int(request.fontSize + 0.5), 0, 0, 0, request.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                             FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, "Arial");
    const COLORREF text = RGB(request.fontColor[0], request.fontColor[1], request.fontColor[2]);
    const COLORREF back = RGB(request.backColor[0], request.backColor[1], request.backColor[2]);
    auto result = std::make_unique<Win32TextEdit>(edit, font, CreateSolidBrush(back), text, back, *this);
    SendMessageA(edit, WM_SETFONT, WPARAM(font), TRUE);
    SetWindowLongPtrA(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(result.get()));
    result->original = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc)));
    editListener = &listener;
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    return result;
}

bool Win32Window::runFileDialog(FileDialogRequest& request)
{
    if (request.chooseFolder) return false;
    std::string filter;
    for (const auto& f : request.filters) {
        filter += f.description;
        filter.push_back('\0');
        filter += "*." + f.extension;
        filter.push_back('\0');
    }
    filter.push_back('\0');
    char path[MAX_PATH] = {};
    std::strncpy(path, request.defaultName.c_str(), MAX_PATH - 1);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = hwnd;
    ofn.lpstrFilter = request.filters.empty() ? nullptr : filter.c_str();
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = request.initialDirectory.empty() ? nullptr : request.initialDirectory.c_str();
    ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    ofn.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    BOOL chosen;
    if (request.save) {
        ofn.Flags |= OFN_OVERWRITEPROMPT;
        chosen = GetSaveFileNameA(&ofn);
    } else {
        ofn.Flags |= OFN_FILEMUSTEXIST;
        chosen = GetOpenFileNameA(&ofn);
    }
    if (!chosen) return false;
    request.result = path;
    return true;
}

void dispatchOnePendingPaint()
{
    MSG message;
    if (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace velda::platform

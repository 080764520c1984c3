#include <windows.h>

#include "ToolkitFixture.h"

namespace velda::test {

namespace {
struct HostWindow {
    HWND hwnd = nullptr;
    HostWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VeldaTestHost";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, "VeldaTestHost", "host", WS_OVERLAPPEDWINDOW, 0, 0, 260, 200, nullptr, nullptr,
                               wc.hInstance, nullptr);
    }
    ~HostWindow()
    {
        if (hwnd) DestroyWindow(hwnd);
    }
};

void pumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
}  // namespace

// The frame's child window inside a host window: clicks, the native edit box and a clean close.
TEST(Win32Window, ChildWindowTakesClicksAndTextEntry)
{
    HostWindow host;
    if (!host.hwnd) GTEST_SKIP() << "no window station";
    RecordingEditor editor;
    RecordingListener listener;
    auto* frame = new CFrame(CRect(0, 0, 200, 150), &editor);
    ASSERT_TRUE(frame->open(host.hwnd));
    HWND child = static_cast<HWND>(frame->getPlatformWindow()->nativeHandle());
    ASSERT_TRUE(IsWindow(child));
    EXPECT_EQ(GetParent(child), host.hwnd);
    auto* button = new COnOffButton(CRect(10, 10, 30, 30), &listener, 3, nullptr);
    auto* edit = new CTextEdit(CRect(40, 10, 150, 30), &listener, 4, "before");
    frame->addView(button);
    frame->addView(edit);
    frame->idle();

    SendMessageA(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    ASSERT_EQ(listener.reports.size(), 1u);
    EXPECT_EQ(listener.reports[0].tag, 3);

    frame->setFocusView(edit);
    HWND box = FindWindowExA(child, nullptr, "EDIT", nullptr);
    ASSERT_NE(box, nullptr) << "the native edit box is open over the field";
    SetWindowTextA(box, "typed");
    SendMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
    pumpMessages();
    EXPECT_STREQ(edit->getText(), "typed");
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(FindWindowExA(child, nullptr, "EDIT", nullptr), nullptr);
    EXPECT_EQ(listener.reports.size(), 2u);

    frame->close();
    EXPECT_FALSE(IsWindow(child));
}

}  // namespace velda::test

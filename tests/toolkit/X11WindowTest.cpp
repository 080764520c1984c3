#include <chrono>
#include <thread>

#include "ToolkitFixture.h"

// After gtest: Xlib defines None and Bool as macros.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace velda::test {

// A real X server (Xvfb): the frame's child window takes a click and closes cleanly.
TEST(X11Window, ChildWindowReceivesAClickAndCloses)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) GTEST_SKIP() << "no X display";
    const int screen = DefaultScreen(display);
    Window host = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 200, 150, 0, 0, 0);
    XMapWindow(display, host);
    XSync(display, False);

    RecordingEditor editor;
    RecordingListener listener;
    auto* frame = new CFrame(CRect(0, 0, 200, 150), &editor);
    ASSERT_TRUE(frame->open(reinterpret_cast<void*>(uintptr_t(host))));
    frame->addView(new COnOffButton(CRect(10, 10, 30, 30), &listener, 3, nullptr));
    frame->idle();
    const Window child = Window(reinterpret_cast<uintptr_t>(frame->getPlatformWindow()->nativeHandle()));
    ASSERT_NE(child, 0u);

    XEvent event{};
    event.xbutton.type = ButtonPress;
    event.xbutton.display = display;
    event.xbutton.window = child;
    event.xbutton.root = RootWindow(display, screen);
    event.xbutton.x = 20;
    event.xbutton.y = 20;
    event.xbutton.button = Button1;
    event.xbutton.same_screen = True;
    XSendEvent(display, child, False, ButtonPressMask, &event);
    event.xbutton.type = ButtonRelease;
    event.xbutton.state = Button1Mask;
    XSendEvent(display, child, False, ButtonReleaseMask, &event);
    XSync(display, False);

    for (int i = 0; i < 200 && listener.reports.empty(); ++i) {
        frame->idle();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(listener.reports.size(), 1u);
    EXPECT_EQ(listener.reports[0].tag, 3);
    EXPECT_EQ(listener.reports[0].value, 1.0f);

    frame->close();
    XSync(display, False);
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    ASSERT_TRUE(XQueryTree(display, host, &root, &parent, &children, &count));
    if (children) XFree(children);
    EXPECT_EQ(count, 0u) << "the child window is gone";
    XDestroyWindow(display, host);
    XCloseDisplay(display);
}

}  // namespace velda::test

namespace velda::test {

// A host handing over a window number that does not exist gets a refusal, not a dead process.
TEST(X11Window, UnknownParentIsRefused)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) GTEST_SKIP() << "no X display";
    XCloseDisplay(display);
    RecordingEditor editor;
    auto* frame = new CFrame(CRect(0, 0, 50, 50), &editor);
    EXPECT_FALSE(frame->open(reinterpret_cast<void*>(uintptr_t(0x3fffff0))));
    frame->forget();
}

}  // namespace velda::test

// The top view: owns the pixel buffer and the platform window, routes input to its views, keeps the
// focus view and redraws dirty views at idle.
#pragma once
#include <memory>
#include <vector>

#include "platform/PlatformWindow.h"
#include "toolkit/CViewContainer.h"
#include "toolkit/VSTGUIEditorInterface.h"

namespace velda::gui {

class CFrame : public CViewContainer, public platform::WindowEvents {
public:
    CFrame(const CRect& size, VSTGUIEditorInterface* editor);
    // Opens at once inside `systemWindow`.
    CFrame(const CRect& size, void* systemWindow, VSTGUIEditorInterface* editor);
    ~CFrame() override;

    // parent: the host's window or an OffscreenParent; null opens without any window (tests).
    bool open(void* parent);
    // Removes and releases every view, closes the window and drops the caller's reference.
    void close();
    bool isOpen() const { return window != nullptr; }

    VSTGUIEditorInterface* getEditor() const { return editor; }
    platform::PlatformWindow* getPlatformWindow() const { return window.get(); }

    void setFocusView(CView* view);
    CView* getFocusView() const { return focusView; }
    // A view that receives all mouse input until it is released (drawn pop-up menus).
    void setModalView(CView* view);
    CView* getModalView() const { return modalView; }

    // Input processing and the redraw of everything invalidated or dirty since the last idle.
    void idle();
    void invalidateArea(const CRect& frameRect);
    // Redraws `area` (or everything) now.
    void redraw(const CRect* area = nullptr);

    bool getCurrentMouseLocation(CPoint& where) const;
    CButtonState getCurrentMouseButtons() const;

    int32_t onKeyDown(vst::VstKeyCode& key) override;
    int32_t onKeyUp(vst::VstKeyCode& key) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;

    bool isFrame() const override { return true; }
    bool isTypeOf(const char* name) const override;
    void setViewSize(const CRect& rect, bool invalidate = true) override;

    // The frame's pixels, 4 bytes (R, G, B, A) a pixel, row after row.
    const uint8_t* getPixels() const { return pixels.data(); }
    int32_t getPixelStride() const { return int32_t(size.width()) * 4; }
    uint32_t getPixel(int32_t x, int32_t y) const;

    // Called by views leaving the frame.
    void viewRemoved(CView* view);

    // platform::WindowEvents
    void platformMouseDown(double x, double y, uint32_t buttons) override;
    void platformMouseUp(double x, double y, uint32_t buttons) override;
    void platformMouseMoved(double x, double y, uint32_t buttons) override;
    void platformMouseExited() override;
    bool platformWheel(double x, double y, float distance, uint32_t buttons) override;
    bool platformKeyDown(const platform::KeyStroke& key) override;
    bool platformKeyUp(const platform::KeyStroke& key) override;
    void platformRedraw(const platform::PixelRect& area) override;

private:
    void allocatePixels();
    void updateHover(const CPoint& where, const CButtonState& buttons);
    void present(const CRect& area);

    VSTGUIEditorInterface* editor;
    std::unique_ptr<platform::PlatformWindow> window;
    std::vector<uint8_t> pixels;
    std::vector<CRect> invalidAreas;
    CView* focusView = nullptr;
    CView* modalView = nullptr;
    CView* hoverView = nullptr;
    bool modalHasMouse = false;
    bool inIdle = false;
    CPoint lastMouse{-1, -1};
    CButtonState lastButtons = 0;
};

}  // namespace velda::gui

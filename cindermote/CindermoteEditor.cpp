#include "cindermote/CindermoteEditor.h"

#include "cindermote/Cindermote.h"
#include "cindermote/EditorLayout.h"
#include "toolkit/CBitmap.h"
#include "toolkit/MouseEvents.h"

namespace velda::cindermote {

using namespace velda::gui;

// The window the host is told of is one row shorter than the frame.
constexpr int16_t kRectWidth = 450;
constexpr int16_t kRectHeight = 376;

EmberlineEditor::EmberlineEditor(Cindermote* effect) : CMyPresetSystemEditor(effect), product(effect)
{
    rect.top = 0;
    rect.left = 0;
    rect.bottom = kRectHeight;
    rect.right = kRectWidth;
    setPresetPanel(editorLayout().panel, "Cindermote10");
}

// A host may delete the effect with the editor still open. The editor goes last, after the
// product's own members: close without calling back into it.
EmberlineEditor::~EmberlineEditor()
{
    product = nullptr;
    if (frame) close();
}

bool EmberlineEditor::open(void* window)
{
    AEffGUIEditor::open(window);
    if (frame || !product) return frame != nullptr;
    const layout::EditorLayout& layout = editorLayout();
    frame = new CFrame(CRect(0, 0, layout.frameWidth, layout.frameHeight), this);
    auto* background = new CBitmap(int32_t(layout.frameBitmap));
    frame->setBackground(background);
    background->forget();
    if (!frame->open(window)) {
        frame->forget();
        frame = nullptr;
        AEffGUIEditor::close();
        return false;
    }
    shown = buildEditorViews(*frame, this, *product);
    CPresetSystemEditor::open(window);
    setLibraryKnobMode(product->getParameter(kKnobMode) < 0.5f ? kCircularMode : kLinearMode);
    product->engine().metersActive = 1;
    return true;
}

void EmberlineEditor::close()
{
    if (product) product->engine().metersActive = 0;
    blankChecks = 0;
    if (!frame) {
        AEffGUIEditor::close();
        return;
    }
    // An entry still open is applied while its page exists.
    if (shown.typedEntry && frame->getFocusView() == shown.typedEntry) frame->setFocusView(nullptr);
    CPresetSystemEditor::close();
    CindermoteEditorViews closing = shown;
    shown = CindermoteEditorViews{};
    lastHovered = nullptr;
    idleTicks = 0;
    if (closing.typedEntry && closing.mainPage && closing.mainPage->isChild(closing.typedEntry))
        closing.mainPage->removeView(closing.typedEntry, true);
    if (closing.typedEntry) closing.typedEntry->forget();
    if (closing.otherPage) closing.otherPage->forget();
    frame->close();
    frame = nullptr;
    AEffGUIEditor::close();
}

}  // namespace velda::cindermote

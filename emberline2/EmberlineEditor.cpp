#include "emberline2/EmberlineEditor.h"

#include "toolkit/CBitmap.h"
#include "toolkit/CControl.h"

using namespace velda::gui;

EmberlineEditor::EmberlineEditor(AudioEffect* e, const velda::EditorLook& l) : CMyPresetSystemEditor(e), look(l)
{
    rect.top = 0;
    rect.left = 0;
    rect.bottom = look.height;
    rect.right = look.width;
}

// A host may delete the effect with the editor still open: close while every part still exists.
EmberlineEditor::~EmberlineEditor()
{
    if (frame) close();
}

bool EmberlineEditor::open(void* window)
{
    AEffGUIEditor::open(window);
    if (frame) return true;
    auto* background = new CBitmap(look.backgroundBitmap);
    const CCoord width = background->isLoaded() ? background->getWidth() : look.width;
    const CCoord height = background->isLoaded() ? background->getHeight() : look.height;
    frame = new CFrame(CRect(rect.left, rect.top, rect.left + width, rect.top + height), this);
    frame->setBackground(background);
    background->forget();
    if (!frame->open(window)) {
        frame->forget();
        frame = nullptr;
        AEffGUIEditor::close();
        return false;
    }
    CPresetSystemEditor::open(window);
    return true;
}

void EmberlineEditor::close()
{
    CPresetSystemEditor::close();
    if (frame) {
        frame->close();
        frame = nullptr;
    }
    AEffGUIEditor::close();
}

void EmberlineEditor::idle() { CPresetSystemEditor::idle(); }

bool EmberlineEditor::setKnobMode(int) { return false; }

void EmberlineEditor::setParameter(int, float) {}

void EmberlineEditor::valueChanged(CControl* control)
{
    CPresetSystemEditor::valueChanged(control);
    if (control) sendParameter(control->getTag(), control->getValue());
}

void EmberlineEditor::startTypedEntry(int) {}

void EmberlineEditor::applyTypedEntry(int, const char*) {}

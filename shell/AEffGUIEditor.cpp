#include "shell/AEffGUIEditor.h"

#include "platform/PlatformWindow.h"
#include "platform/Timer.h"
#include "platform/UiThread.h"
#include "shell/AudioEffectX.h"

int32_t AEffGUIEditor::libraryKnobMode = velda::gui::kCircularMode;

AEffGUIEditor::AEffGUIEditor(AudioEffect* e) : AEffEditor(e)
{
    if (effect) effect->setEditor(this);
    lastTicks = velda::platform::tickCount();
    ownsUiThread = velda::platform::initializeUiThread();
}

AEffGUIEditor::~AEffGUIEditor()
{
    if (frame) {
        frame->close();
        frame = nullptr;
    }
    if (ownsUiThread) velda::platform::releaseUiThread();
}

bool AEffGUIEditor::getRect(vst::ERect** r)
{
    if (!r) return false;
    *r = &rect;
    return true;
}

bool AEffGUIEditor::open(void* window) { return AEffEditor::open(window); }

void AEffGUIEditor::close() { AEffEditor::close(); }

void AEffGUIEditor::idle()
{
    if (!inIdleStuff && frame) frame->idle();
}

bool AEffGUIEditor::onKeyDown(vst::VstKeyCode& key) { return frame && frame->onKeyDown(key) > 0; }

bool AEffGUIEditor::onKeyUp(vst::VstKeyCode& key) { return frame && frame->onKeyUp(key) > 0; }

bool AEffGUIEditor::onWheel(float distance)
{
    if (!frame) return false;
    velda::gui::CPoint where;
    frame->getCurrentMouseLocation(where);
    return frame->onWheel(where, distance, frame->getCurrentMouseButtons());
}

bool AEffGUIEditor::setKnobMode(int mode)
{
    libraryKnobMode = mode;
    return true;
}

void AEffGUIEditor::setParameter(int, float) {}

void AEffGUIEditor::draw(vst::ERect* area)
{
    if (!frame) return;
    if (area) {
        const velda::gui::CRect r(area->left, area->top, area->right, area->bottom);
        frame->redraw(&r);
    } else {
        frame->redraw();
    }
}

void AEffGUIEditor::doIdleStuff()
{
    int64_t now = velda::platform::tickCount();
    if (now < int64_t(lastTicks)) {
        velda::platform::sleepMs(4);
        now += 4;
        if (now < int64_t(lastTicks) - 50) return;
    }
    idle();
    velda::platform::dispatchOnePendingPaint();
    lastTicks = uint32_t(now + 100);
    inIdleStuff = true;
    if (effect) effect->masterIdle();
    inIdleStuff = false;
}

int32_t AEffGUIEditor::getKnobMode() const { return libraryKnobMode; }

void AEffGUIEditor::beginEdit(int32_t index)
{
    if (auto* x = dynamic_cast<AudioEffectX*>(effect)) x->beginEdit(index);
}

void AEffGUIEditor::endEdit(int32_t index)
{
    if (auto* x = dynamic_cast<AudioEffectX*>(effect)) x->endEdit(index);
}

void AEffGUIEditor::sendParameter(int32_t index, float value)
{
    if (!effect || index < 0) return;
    if (index < effect->getAeffect()->numParams)
        effect->setParameterAutomated(index, value);
    else
        effect->setParameter(index, value);
}

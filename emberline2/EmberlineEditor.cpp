#include "emberline2/EmberlineEditor.h"

#include <cmath>

#include "controls/CBackDisplay.h"
#include "controls/CCounter.h"
#include "controls/CMovieLED.h"
#include "controls/CMovieMeter.h"
#include "controls/CMyTextEdit.h"
#include "emberline2/EditorPageBuilder.h"
#include "emberline2/Emberline.h"
#include "emberline2/KnobEntry.h"
#include "toolkit/CBitmap.h"
#include "toolkit/CControl.h"

using namespace velda::gui;
using velda::ParameterRole;

EmberlineEditor::EmberlineEditor(AudioEffect* e, const velda::EditorLook& l)
    : CMyPresetSystemEditor(e), look(l), emberline(dynamic_cast<Emberline*>(e))
{
    rect.top = 0;
    rect.left = 0;
    rect.bottom = look.height;
    rect.right = look.width;
    if (look.layout && emberline) {
        layout = &look.layout();
        setPresetPanel(layout->panel, emberline->productLayout().presetRegistryKey);
        tags = velda::EditorTags::of(*layout);
        roles.fill(ParameterRole::None);
        for (int r = 0; r < (int)ParameterRole::Count; ++r) {
            const auto role = (ParameterRole)r;
            if (role == ParameterRole::None || role == ParameterRole::Spare) continue;
            const int index = emberline->indexOf(role);
            if (index >= 0 && index < velda::kEditorTagCount) roles[size_t(index)] = role;
        }
    }
}

// A host may delete the effect with the editor still open. The effect deletes its editor last, when
// its own parts are gone: close without touching it (an entry in progress is dropped).
EmberlineEditor::~EmberlineEditor()
{
    emberline = nullptr;
    effect = nullptr;
    if (frame) close();
}

ParameterRole EmberlineEditor::roleAt(int index) const
{
    return index >= 0 && index < velda::kEditorTagCount ? roles[size_t(index)] : ParameterRole::None;
}

int EmberlineEditor::indexOf(ParameterRole role) const { return emberline ? emberline->indexOf(role) : -1; }

bool EmberlineEditor::openBackgroundOnly(void* window)
{
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
    return true;
}

bool EmberlineEditor::open(void* window)
{
    AEffGUIEditor::open(window);
    if (frame) return true;
    if (!openBackgroundOnly(window)) return false;
    if (hasPages()) {
        velda::buildEditorPages(*layout, *emberline, this, views);
        frame->addView(views.mainPage);
        views.currentPage = views.mainPage;
        views.otherPage = views.settingsPage;
    }
    CPresetSystemEditor::open(window);
    if (hasPages()) {
        applyKnobMode(emberline->getParameter(indexOf(ParameterRole::KnobMode)));
        emberline->metersActive.store(true, std::memory_order_relaxed);
    }
    return true;
}

void EmberlineEditor::close()
{
    // An entry in progress ends (and applies) while every view still exists.
    if (frame) frame->setFocusView(nullptr);
    CPresetSystemEditor::close();
    if (emberline) emberline->metersActive.store(false, std::memory_order_relaxed);
    meterFeed.reset();
    if (views.textEdit && !views.textEditInPage) views.textEdit->forget();
    if (views.otherPage) views.otherPage->forget();
    views = velda::EditorControls{};
    if (frame) {
        frame->close();
        frame = nullptr;
    }
    AEffGUIEditor::close();
}

void EmberlineEditor::idle()
{
    CPresetSystemEditor::idle();
    if (!frame || !hasPages() || !showsMainPage()) return;
    velda::EditorMeterFeed::feed(*emberline, views);
    if (CControl* hovered = meterFeed.hoverCheck(*frame, views, tags))
        setParameter(hovered->getTag(), hovered->getValue());
}

bool EmberlineEditor::setKnobMode(int) { return false; }

void EmberlineEditor::applyKnobMode(float value)
{
    setLibraryKnobMode(value < 0.5f ? kCircularMode : kLinearMode);
}

bool EmberlineEditor::isSilent(int index) const
{
    const ParameterRole role = roleAt(index);
    if (role == ParameterRole::MeterDelay || role == ParameterRole::FineTune || role == ParameterRole::MeterScale)
        return true;
    const int first = emberline->productLayout().firstPreferenceIndex;
    return index >= first && index < first + velda::kPreferenceCount;
}

void EmberlineEditor::valueChanged(CControl* control)
{
    CPresetSystemEditor::valueChanged(control);
    if (!control) return;
    const int tag = control->getTag();
    const float value = control->getValue();
    if (!hasPages()) {
        sendParameter(tag, value);
        return;
    }
    if (tag < 0) return;
    if (isSilent(tag)) {
        emberline->setParameter(tag, value);
        control->invalid();
    } else if (tag == tags.latencyClick) {
        emberline->reservedQueryTrue();
    } else if (tag == emberline->productLayout().channelModeIndex) {
        reportChannelMode(value);
    } else if (isHostParameter(tag)) {
        emberline->setParameterAutomated(tag, value);
    } else {
        emberline->setParameter(tag, value);
    }
}

bool EmberlineEditor::isHostParameter(int index) const
{
    return index >= 0 && index < emberline->productLayout().numParams;
}

void EmberlineEditor::beginEdit(int32_t index)
{
    if (!hasPages() || isHostParameter(index)) CMyPresetSystemEditor::beginEdit(index);
}

void EmberlineEditor::endEdit(int32_t index)
{
    if (!hasPages() || isHostParameter(index)) CMyPresetSystemEditor::endEdit(index);
}

// The four-way button stands for two host parameters: each is reported inside its own gesture.
void EmberlineEditor::reportChannelMode(float value)
{
    const int mode = emberline->productLayout().channelModeIndex;
    const int stereo = indexOf(ParameterRole::MonoStereo);
    const int sides = indexOf(ParameterRole::ChannelLR);
    emberline->setParameter(mode, value);
    beginEdit(stereo);
    beginEdit(sides);
    emberline->setParameterAutomated(stereo, emberline->getParameter(stereo));
    emberline->setParameterAutomated(sides, emberline->getParameter(sides));
    endEdit(stereo);
    endEdit(sides);
}

void EmberlineEditor::updateLatencyDisplays()
{
    if (views.latencyMs) {
        views.latencyMs->setValueUnbounded(emberline->getLatencyMs());
        views.latencyMs->setDirty(true);
    }
    if (views.latencySamples) {
        views.latencySamples->setValueUnbounded(emberline->getLatencySamples());
        views.latencySamples->setDirty(true);
    }
}

void EmberlineEditor::setParameter(int index, float value)
{
    if (!frame || !hasPages() || index < 0 || index >= velda::kEditorTagCount) return;
    const ParameterRole role = roleAt(index);
    switch (role) {
    case ParameterRole::MonoStereo:
    case ParameterRole::ChannelLR:
    case ParameterRole::ChannelMode:
        if (views.channelMode) views.channelMode->setValue(emberline->getParameter(indexOf(ParameterRole::ChannelMode)));
        break;
    case ParameterRole::KnobMode:
        if (CControl* control = views.control(index)) control->setValue(value);
        applyKnobMode(value);
        break;
    case ParameterRole::MeterScale:
        for (CMovieMeter* meter : views.meters)
            if (meter) meter->setAltScale(emberline->meterScaleWide.get());
        break;
    default:
        if (CControl* control = views.control(index)) control->setValue(emberline->getParameter(index));
        break;
    }
    if (CParamDisplay* display = views.display(index)) {
        display->setValueUnbounded(emberline->getParameterValue(index));
        display->setDirty(true);
    }
    if (const velda::KnobEntry* entry = velda::knobEntryFor(role))
        if (views.readout) views.readout->setValueAndMode(emberline->getParameterValue(index), entry->readoutMode);
    if (role == ParameterRole::Process || role == ParameterRole::Mode || role == ParameterRole::Speed)
        updateLatencyDisplays();
    if (tags.isPageSwitch(index)) swapPages();
    if (tags.isLed(index))
        for (CMovieLED* led : views.leds)
            if (led) led->reset();
}

void EmberlineEditor::swapPages()
{
    if (!frame || !views.currentPage || !views.otherPage) return;
    CViewContainer* former = views.currentPage;
    frame->addView(views.otherPage);
    views.currentPage = views.otherPage;
    views.otherPage = former;
    frame->removeView(former, false);
}

void EmberlineEditor::effectSuspended()
{
    if (!frame || !hasPages()) return;
    const float meters = emberline->getParameter(indexOf(ParameterRole::Meters));
    // The integer part is 1 (a range test: values far outside 0..1 have no int conversion).
    const bool gainReduction = 2.0f * meters + 0.5f >= 1.0f && 2.0f * meters + 0.5f < 2.0f;
    for (CMovieMeter* meter : views.meters)
        if (meter) meter->setValue(gainReduction ? 1.0f : 0.0f);
    for (CMovieLED* led : views.leds)
        if (led) led->setValue(0.0f);
}

void EmberlineEditor::effectResumed()
{
    if (!frame || !hasPages()) return;
    updateLatencyDisplays();
}

void EmberlineEditor::startTypedEntry(int32_t index)
{
    if (!frame || !hasPages() || !showsMainPage() || !views.textEdit) return;
    const velda::KnobEntry* entry = velda::knobEntryFor(roleAt(index));
    if (!entry) return;
    char text[64];
    velda::typedEntryText(*entry, emberline->getParameterValue(index), text, sizeof text);
    if (!views.textEditInPage) {
        views.mainPage->addView(views.textEdit);
        views.textEditInPage = true;
    }
    views.textEdit->setText(text);
    // The field is no parameter: it opens no host gesture.
    frame->setFocusView(views.textEdit);
    views.textEdit->startEditing(index);
}

void EmberlineEditor::applyTypedEntry(int32_t index, const char* text)
{
    if (views.textEdit && views.textEditInPage && views.mainPage) {
        views.mainPage->removeView(views.textEdit, false);
        views.textEditInPage = false;
    }
    if (!hasPages()) return;
    const ParameterRole role = roleAt(index);
    if (!velda::knobEntryFor(role)) return;
    const float fineTune = emberline->getParameterValue(indexOf(ParameterRole::FineTune));
    emberline->setParameter(index, velda::typedEntryValue(role, velda::parseTypedNumber(text), fineTune));
    if (views.mainPage) views.mainPage->setDirty(true);
}

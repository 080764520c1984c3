#include "emberline2/EmberlineEditor.h"

#include "controls/CMovieLED.h"
#include "controls/CMovieMeter.h"
#include "controls/CMyTextEdit.h"
#include "emberline2/EditorPageBuilder.h"
#include "emberline2/Emberline.h"
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

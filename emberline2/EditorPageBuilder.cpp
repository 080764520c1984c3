#include "emberline2/EditorPageBuilder.h"

#include <utility>
#include <vector>

#include "controls/CAnimKnob2.h"
#include "controls/CAnimKnob3.h"
#include "controls/CBackDisplay.h"
#include "controls/CClickRect.h"
#include "controls/CCounter.h"
#include "controls/CLabel2.h"
#include "controls/CMovieLED.h"
#include "controls/CMovieMeter.h"
#include "controls/CMyLRUDButton.h"
#include "controls/CMyOnOffButton.h"
#include "controls/CMyTextEdit.h"
#include "controls/CMyVerticalSwitch.h"
#include "controls/CViewContainerSwitch.h"
#include "controls/ValueConversions.h"
#include "emberline2/Emberline.h"

namespace velda {

using namespace gui;
using layout::ControlKind;
using layout::ControlSpec;
using layout::Formatter;

namespace {

constexpr float kMeterRange = 1.44f;
constexpr CColor kLatencyTextColor{40, 40, 40, 255};
constexpr CColor kSettingsTextColor{170, 170, 170, 255};
constexpr CColor kEntryBackColor{236, 237, 220, 255};
constexpr CColor kEntryTextColor{10, 10, 10, 255};
constexpr float kReadoutStartValue = 15.32f;
constexpr int32_t kReadoutStartMode = CCounter::kModeDecibel;

CRect rectOf(const layout::Rect& r) { return CRect(r.left, r.top, r.right, r.bottom); }

// Each picture is loaded once per build, when the first control asks for it; the build drops its
// own references at the end (the controls keep theirs).
class BitmapShelf {
public:
    BitmapShelf() = default;
    BitmapShelf(const BitmapShelf&) = delete;
    BitmapShelf& operator=(const BitmapShelf&) = delete;
    ~BitmapShelf()
    {
        for (auto& [id, bitmap] : shelf) bitmap->forget();
    }
    CBitmap* get(int id)
    {
        if (id <= 0) return nullptr;
        for (auto& [known, bitmap] : shelf)
            if (known == id) return bitmap;
        shelf.emplace_back(id, new CBitmap(id));
        return shelf.back().second;
    }

private:
    std::vector<std::pair<int, CBitmap*>> shelf;
};

CBackDisplay* newDisplay(const layout::DisplaySpec& spec, CBitmap* background, const CColor& color, float value)
{
    auto* display = new CBackDisplay(rectOf(spec.rect), background, 0);
    display->setBackOffset(CPoint(spec.backOffset.x, spec.backOffset.y));
    display->setHoriAlign(kCenterText);
    display->setFont(kNormalFontVerySmall);
    display->setFontColor(color);
    display->setValueUnbounded(value);  // an engineering value, beyond the control's range
    display->setStringConvert(stringConvertFor(spec.formatter));
    return display;
}

struct PageBuild {
    const layout::EditorLayout& layout;
    Emberline& effect;
    CControlListener* listener;
    EditorControls& c;
    BitmapShelf bitmaps;

    CViewContainer* pageOf(const ControlSpec& spec) const
    {
        return spec.page == layout::Page::main ? c.mainPage : c.settingsPage;
    }
    int pageBitmapOf(const ControlSpec& spec) const
    {
        return spec.page == layout::Page::main ? layout.frameBitmap : layout.settingsBitmap;
    }

    // A parameter control: bound by its tag, set from the effect, then added.
    void addParameterControl(const ControlSpec& spec, CControl* control)
    {
        control->setValue(effect.getParameter(spec.tag));
        if (spec.tag >= 0 && spec.tag < kEditorTagCount) c.parameterControl[size_t(spec.tag)] = control;
        pageOf(spec)->addView(control);
    }

    void addKnob(const ControlSpec& spec, CControl* knob)
    {
        knob->setDefaultValue(spec.defaultValue);
        addParameterControl(spec, knob);
        if (spec.display.formatter == Formatter::none) return;
        CBackDisplay* display = newDisplay(spec.display, bitmaps.get(pageBitmapOf(spec)), kSettingsTextColor,
                                           effect.getParameterValue(spec.tag));
        if (spec.tag >= 0 && spec.tag < kEditorTagCount) c.valueDisplay[size_t(spec.tag)] = display;
        pageOf(spec)->addView(display);
    }

    void add(const ControlSpec& spec)
    {
        const CRect r = rectOf(spec.rect);
        CBitmap* bitmap = bitmaps.get(spec.bitmap);
        switch (spec.kind) {
        case ControlKind::backDisplay: {
            const bool samples = spec.display.formatter == Formatter::samples;
            CBackDisplay* display = newDisplay(spec.display, bitmap, kLatencyTextColor,
                                               samples ? effect.getLatencySamples() : effect.getLatencyMs());
            (samples ? c.latencySamples : c.latencyMs) = display;
            pageOf(spec)->addView(display);
            break;
        }
        case ControlKind::clickRect:
            pageOf(spec)->addView(new CClickRect(r, listener, spec.tag));
            break;
        case ControlKind::pageSwitch:
            pageOf(spec)->addView(new CViewContainerSwitch(r, listener, spec.tag));
            break;
        case ControlKind::label:
            pageOf(spec)->addView(new CLabel2(r, spec.text));
            break;
        case ControlKind::onOffButton:
            addParameterControl(spec, new CMyOnOffButton(r, listener, spec.tag, bitmap));
            break;
        case ControlKind::channelModeButton:
            c.channelMode = new CMyLRUDButton(r, listener, spec.tag, bitmap);
            addParameterControl(spec, c.channelMode);
            break;
        case ControlKind::verticalSwitch:
            // The settings page's knob-mode switch is the toolkit's own.
            if (spec.page == layout::Page::settings)
                addParameterControl(spec, new CVerticalSwitch(r, listener, spec.tag, spec.images, spec.imageHeight,
                                                              spec.positions, bitmap));
            else
                addParameterControl(spec, new CMyVerticalSwitch(r, listener, spec.tag, spec.images, spec.imageHeight,
                                                                spec.positions, bitmap));
            break;
        case ControlKind::knob:
            addKnob(spec, new CAnimKnob2(r, listener, spec.tag, spec.images, spec.imageHeight, bitmap));
            break;
        case ControlKind::multiColumnKnob:
            addKnob(spec, new CAnimKnob3(r, listener, spec.tag, spec.images, spec.columnWidth, spec.imageHeight,
                                         bitmap));
            break;
        case ControlKind::plainKnob:
            addKnob(spec, new CAnimKnob(r, listener, spec.tag, spec.images, spec.imageHeight, bitmap));
            break;
        case ControlKind::movieMeter: {
            auto* meter = new CMovieMeter(r, listener, spec.tag, spec.images, spec.imageHeight, bitmap,
                                          bitmaps.get(spec.altBitmap), CPoint(0, 0), 0);
            meter->setMin(0.0f);
            meter->setMax(kMeterRange);
            (c.meters[0] ? c.meters[1] : c.meters[0]) = meter;
            pageOf(spec)->addView(meter);
            break;
        }
        case ControlKind::overLed: {
            auto* led = new CMovieLED(r, listener, spec.tag, spec.images, spec.imageHeight, bitmap, CPoint(0, 0));
            (c.leds[0] ? c.leds[1] : c.leds[0]) = led;
            pageOf(spec)->addView(led);
            break;
        }
        case ControlKind::counter: {
            const int32_t glyphWidth = bitmap && bitmap->isLoaded() ? int32_t(bitmap->getWidth()) : 9;
            c.readout = new CCounter(r, listener, spec.tag, kReadoutStartValue, kReadoutStartMode, spec.rect.left,
                                     spec.rect.top, glyphWidth, spec.imageHeight, bitmap);
            pageOf(spec)->addView(c.readout);
            break;
        }
        case ControlKind::textEdit: {
            auto* field = new CMyTextEdit(r, listener, spec.tag, nullptr, nullptr, 0);
            field->setBackColor(kEntryBackColor);
            field->setFrameColor(kEntryBackColor);
            field->setFontColor(kEntryTextColor);
            field->setFont(kNormalFont);
            c.textEdit = field;
            c.textEditInPage = false;
            break;
        }
        case ControlKind::needleMeter:
            break;  // not part of these editors
        }
    }
};

}  // namespace

CParamDisplay::StringConvert stringConvertFor(Formatter formatter)
{
    switch (formatter) {
    case Formatter::milliseconds:
        return millisecondsString;
    case Formatter::samples:
        return samplesString;
    case Formatter::decibel:
        return decibelString;
    case Formatter::decibelFS:
        return decibelFSString;
    case Formatter::ratio:
        return ratioString;
    case Formatter::integer:
        return integerString;
    case Formatter::percent:
        return percentString;
    case Formatter::none:
        break;
    }
    return nullptr;
}

void buildEditorPages(const layout::EditorLayout& layout, Emberline& effect, CControlListener* listener,
                      EditorControls& controls)
{
    PageBuild build{layout, effect, listener, controls, {}};
    controls.mainPage = new CViewContainer(rectOf(layout.mainPage), build.bitmaps.get(layout.frameBitmap));
    controls.settingsPage =
        new CViewContainer(rectOf(layout.settingsPage), build.bitmaps.get(layout.settingsBitmap));
    for (const ControlSpec& spec : layout.controls) build.add(spec);
}

}  // namespace velda

#include "cindermote/CindermoteEditorViews.h"

#include <map>
#include <string>

#include "cindermote/Cindermote.h"
#include "cindermote/EditorLayout.h"
#include "controls/CAnimKnob2.h"
#include "controls/CLabel2.h"
#include "controls/CMyOnOffButton.h"
#include "controls/CMyVerticalSwitch.h"
#include "controls/CViewContainerSwitch.h"
#include "controls/ValueConversions.h"
#include "toolkit/CBitmap.h"
#include "toolkit/CFontDesc.h"

namespace velda::cindermote {

using namespace velda::gui;
using layout::ControlKind;
using layout::ControlSpec;

namespace {

constexpr CColor kLatencyTextColor = MakeCColor(40, 40, 40);
constexpr CColor kSettingsTextColor = MakeCColor(170, 170, 170);
constexpr CColor kEntryBackColor = MakeCColor(236, 237, 237);
constexpr CColor kEntryTextColor = MakeCColor(10, 10, 10);

// Needle meters: range, default, the indicator's resting state and the starting level.
constexpr float kMeterMax = 2.0f;
constexpr float kMeterDefault = 0.0001f;
constexpr float kMeterIndicatorAtOpen = 0.001f;
constexpr float kMeterValueAtOpen = 0.00001f;
constexpr float kReadoutValueAtOpen = 15.32f;

CRect toRect(const layout::Rect& r) { return CRect(r.left, r.top, r.right, r.bottom); }
CPoint toPoint(const layout::Point& p) { return CPoint(p.x, p.y); }

CParamDisplay::StringConvert converterFor(layout::Formatter f)
{
    switch (f) {
    case layout::Formatter::milliseconds: return millisecondsString;
    case layout::Formatter::samples: return samplesString;
    case layout::Formatter::decibel: return decibelString;
    case layout::Formatter::decibelFS: return decibelFSString;
    case layout::Formatter::ratio: return ratioString;
    case layout::Formatter::integer: return integerString;
    case layout::Formatter::percent: return percentString;
    case layout::Formatter::none: break;
    }
    return nullptr;
}

// One bitmap object per resource for the whole open; the views keep their own references.
class BitmapSet {
public:
    BitmapSet() = default;
    BitmapSet(const BitmapSet&) = delete;
    BitmapSet& operator=(const BitmapSet&) = delete;
    ~BitmapSet()
    {
        for (auto& [id, bitmap] : byId) bitmap->forget();
        for (auto& [name, bitmap] : byName) bitmap->forget();
    }
    CBitmap* get(int id)
    {
        if (id <= 0) return nullptr;
        CBitmap*& b = byId[id];
        if (!b) b = new CBitmap(int32_t(id));
        return b;
    }
    CBitmap* get(const char* name)
    {
        if (!name) return nullptr;
        CBitmap*& b = byName[name];
        if (!b) b = new CBitmap(name);
        return b;
    }

private:
    std::map<int, CBitmap*> byId;
    std::map<std::string, CBitmap*> byName;
};

class ViewBuilder {
public:
    ViewBuilder(CControlListener* l, Cindermote& e) : listener(l), effect(e) {}

    CindermoteEditorViews build(CFrame& frame)
    {
        const layout::EditorLayout& layout = editorLayout();
        views.mainPage = new CViewContainer(toRect(layout.mainPage), bitmaps.get(layout.frameBitmap));
        views.settingsPage = new CViewContainer(toRect(layout.settingsPage), bitmaps.get(layout.settingsBitmap));
        for (const ControlSpec& spec : layout.controls) add(spec);
        frame.addView(views.mainPage);
        views.currentPage = views.mainPage;
        views.otherPage = views.settingsPage;
        return views;
    }

private:
    CViewContainer* pageOf(const ControlSpec& spec) const
    {
        return spec.page == layout::Page::main ? views.mainPage : views.settingsPage;
    }

    CBitmap* pageBitmap(const ControlSpec& spec) { return pageOf(spec)->getBackground(); }

    // Value displays show engineering values, stored past the control's 0..1 range.
    CBackDisplay* display(const ControlSpec& spec, const layout::DisplaySpec& d, CColor color, float value)
    {
        auto* view = new CBackDisplay(toRect(d.rect), pageBitmap(spec), 0);
        view->setBackOffset(toPoint(d.backOffset));
        view->setHoriAlign(kCenterText);
        view->setFont(kNormalFontVerySmall);
        view->setFontColor(color);
        view->setValueUnbounded(value);
        view->setStringConvert(converterFor(d.formatter));
        pageOf(spec)->addView(view);
        return view;
    }

    void bind(CControl* control, const ControlSpec& spec)
    {
        views.controls[size_t(spec.tag)] = control;
        control->setValue(effect.getParameter(spec.tag));
        pageOf(spec)->addView(control);
    }

    void add(const ControlSpec& spec)
    {
        switch (spec.kind) {
        case ControlKind::backDisplay: addLatencyDisplay(spec); break;
        case ControlKind::onOffButton:
            bind(new CMyOnOffButton(toRect(spec.rect), listener, spec.tag, bitmaps.get(spec.bitmap)), spec);
            break;
        case ControlKind::verticalSwitch:
            bind(new CMyVerticalSwitch(toRect(spec.rect), listener, spec.tag, spec.images, spec.imageHeight,
                                       spec.positions, bitmaps.get(spec.bitmap)),
                 spec);
            break;
        case ControlKind::knob: addKnob(spec); break;
        case ControlKind::needleMeter: addMeter(spec); break;
        case ControlKind::counter:
            addReadout(spec);
            break;
        case ControlKind::textEdit: addTypedEntryField(spec); break;
        case ControlKind::pageSwitch:
            pageOf(spec)->addView(new CViewContainerSwitch(toRect(spec.rect), listener, spec.tag));
            break;
        case ControlKind::label: pageOf(spec)->addView(new CLabel2(toRect(spec.rect), spec.text)); break;
        default: break;  // kinds of the other products
        }
    }

    void addLatencyDisplay(const ControlSpec& spec)
    {
        const bool samples = spec.display.formatter == layout::Formatter::samples;
        CBackDisplay* view = display(spec, spec.display, kLatencyTextColor,
                                     samples ? effect.getLatencySamples() : effect.getLatencyMs());
        (samples ? views.latencySamples : views.latencyMs) = view;
    }

    void addKnob(const ControlSpec& spec)
    {
        auto* knob = new CAnimKnob2(toRect(spec.rect), listener, spec.tag, spec.images, spec.imageHeight,
                                    bitmaps.get(spec.bitmap));
        knob->setDefaultValue(spec.defaultValue);
        bind(knob, spec);
        if (spec.display.formatter != layout::Formatter::none)
            views.displays[size_t(spec.tag)] =
                display(spec, spec.display, kSettingsTextColor, effect.getParameterValue(spec.tag));
    }

    void addMeter(const ControlSpec& spec)
    {
        auto* meter = new COldVuMeter(toRect(spec.rect), listener, spec.tag, bitmaps.get(spec.bitmap),
                                      bitmaps.get(spec.overlayName), toPoint(spec.indicatorAt), toPoint(spec.overlayAt),
                                      bitmaps.get(spec.indicatorBitmap), toPoint(spec.pivot), spec.innerRadius,
                                      spec.outerRadius);
        meter->setMin(0.0f);
        meter->setMax(kMeterMax);
        meter->setDefaultValue(kMeterDefault);
        meter->setIndicatorState(kMeterIndicatorAtOpen);
        meter->setValue(kMeterValueAtOpen);
        views.meters[views.meters[0] ? 1 : 0] = meter;
        pageOf(spec)->addView(meter);
    }

    // The glyphs are as wide as their strip.
    void addReadout(const ControlSpec& spec)
    {
        int32_t glyphWidth = 0;
        for (const layout::BitmapSpec& b : editorLayout().bitmaps)
            if (b.id == spec.bitmap) glyphWidth = b.width;
        views.readout = new CCounter(toRect(spec.rect), listener, spec.tag, kReadoutValueAtOpen, CCounter::kModeDecibel,
                                     spec.rect.left, spec.rect.top, glyphWidth, spec.imageHeight,
                                     bitmaps.get(spec.bitmap));
        pageOf(spec)->addView(views.readout);
    }

    void addTypedEntryField(const ControlSpec& spec)
    {
        auto* field = new CMyTextEdit(toRect(spec.rect), listener, spec.tag, "", nullptr, 0);
        field->setBackColor(kEntryBackColor);
        field->setFrameColor(kEntryBackColor);
        field->setFontColor(kEntryTextColor);
        field->setFont(kNormalFont);
        views.typedEntry = field;
    }

    CControlListener* listener;
    Cindermote& effect;
    BitmapSet bitmaps;
    CindermoteEditorViews views;
};

}  // namespace

CindermoteEditorViews buildEditorViews(CFrame& frame, CControlListener* listener, Cindermote& effect)
{
    return ViewBuilder(listener, effect).build(frame);
}

}  // namespace velda::cindermote

#include "cindermote/EditorLayout.h"

#include <array>

// Table rows name only the fields they use; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace velda::cindermote {
namespace {

using layout::BitmapSpec;
using layout::ControlKind;
using layout::ControlSpec;
using layout::Formatter;
using layout::KnobScale;
using layout::Page;

constexpr std::array<BitmapSpec, 21> kBitmaps{{
    {19100, nullptr, 450, 377, 1},   {19002, nullptr, 450, 360, 1},    {19005, nullptr, 41, 150, 3},
    {19006, nullptr, 38, 94, 2},     {19007, nullptr, 62, 2542, 41},   {19008, nullptr, 62, 2542, 41},
    {19009, nullptr, 114, 5586, 49}, {19011, nullptr, 62, 3038, 49},   {19013, nullptr, 62, 3038, 49},
    {19014, nullptr, 42, 98, 2},     {19016, nullptr, 40, 98, 2},      {19017, nullptr, 40, 98, 2},
    {19021, nullptr, 9, 306, 18},    {19022, nullptr, 62, 3038, 49},   {19024, nullptr, 62, 1550, 25},
    {19026, nullptr, 21, 63, 3},     {19028, nullptr, 145, 78, 1},     {19030, nullptr, 145, 78, 1},
      {0, "BMP19029.PNG", 146, 41, 1}, {0, "BMP19031.PNG", 146, 41, 1},  {19032, nullptr, 38, 1887, 51},
}};

// The bottom-row buttons sit close under the knobs: their names go just above the buttons.
constexpr ControlSpec button(const char* name, layout::Rect r, int tag, int bitmap, float def, const char* engraving) {
  return {.name = name, .kind = ControlKind::onOffButton, .rect = r, .tag = tag, .bitmap = bitmap, .images = 2,
          .imageHeight = r.height(), .defaultValue = def, .engraving = engraving,
          .engravingAt = {(r.left + r.right) / 2, r.top - 2}};
}

constexpr ControlSpec knob(const char* name, layout::Rect r, int tag, int bitmap, int images, const char* engraving,
                           KnobScale scale) {
  return {.name = name, .kind = ControlKind::knob, .rect = r, .tag = tag, .bitmap = bitmap, .images = images,
          .imageHeight = r.height(), .defaultValue = 0.5f, .engraving = engraving, .scale = scale};
}

constexpr ControlSpec needleMeter(const char* name, int left, int face, const char* overlay, const char* engraving) {
  return {.name = name, .kind = ControlKind::needleMeter, .rect = {left, 34, left + 145, 86}, .tag = 17,
          .bitmap = face, .defaultValue = 0.0001f, .engraving = engraving, .engravingAt = {left + 22, 141},
          .overlayName = overlay, .overlayAt = {left, 86}, .indicatorBitmap = 19026,
          .indicatorAt = {left + 111, 109}, .pivot = {left + 72, 119}, .innerRadius = 3.0f, .outerRadius = 68.0f};
}

constexpr ControlSpec settingsKnob(const char* name, layout::Rect r, int tag, float def, const char* engraving,
                                   layout::Rect display, Formatter f) {
  return {.name = name, .kind = ControlKind::knob, .page = Page::settings, .rect = r, .tag = tag, .bitmap = 19032,
          .images = 51, .imageHeight = 37, .defaultValue = def, .engraving = engraving,
          .engravingAt = {r.right + 62, r.top + 22}, .scale = KnobScale::ticksOnly,
          .display = {display, {display.left, display.top - 2}, f}};
}

constexpr ControlSpec kControls[] = {
    // Main page.
    {.name = "latency ms", .kind = ControlKind::backDisplay, .rect = {120, 343, 165, 353}, .bitmap = 19100,
     .engraving = "LATENCY", .engravingAt = {99, 352}, .display = {{120, 343, 165, 353}, {120, 343}, Formatter::milliseconds}},
    {.name = "latency samples", .kind = ControlKind::backDisplay, .rect = {167, 343, 212, 353}, .bitmap = 19100,
     .display = {{167, 343, 212, 353}, {167, 343}, Formatter::samples}},
    button("Process", {38, 303, 80, 352}, 0, 19014, 1.0f, "PROCESS"),
    button("Stereo-Mono", {329, 303, 369, 352}, 2, 19016, 1.0f, "STEREO"),
    button("Link", {370, 303, 410, 352}, 3, 19017, 1.0f, "LINK"),
    {.name = "MeterScale", .kind = ControlKind::onOffButton, .rect = {206, 88, 244, 135}, .tag = 15, .bitmap = 19006,
     .images = 2, .imageHeight = 47, .engraving = "BALLISTIC", .engravingAt = {225, 145}},
    {.name = "Meters", .kind = ControlKind::verticalSwitch, .rect = {206, 28, 247, 78}, .tag = 14, .bitmap = 19005,
     .images = 3, .imageHeight = 50, .positions = 3, .defaultValue = 0.5f, .engraving = "METERS"},
    knob("Knee", {254, 232, 316, 294}, 12, 19007, 41, "KNEE", KnobScale::percent),
    knob("Speed", {45, 158, 107, 220}, 4, 19008, 41, "SPEED", KnobScale::percent),
    knob("Drive", {122, 151, 236, 265}, 6, 19009, 49, "DRIVE", KnobScale::drive),
    knob("HighAdjust", {343, 158, 405, 220}, 11, 19011, 49, "HIGH", KnobScale::adjust),
    knob("LowAdjust", {253, 158, 315, 220}, 9, 19013, 49, "LOW", KnobScale::adjust),
    knob("Output", {343, 232, 405, 294}, 13, 19022, 49, "OUTPUT", KnobScale::adjust),
    knob("ReleaseMul", {43, 232, 105, 294}, 5, 19024, 25, "RELEASE", KnobScale::release),
    needleMeter("left meter", 49, 19028, "BMP19029.PNG", "LEFT"),
    needleMeter("right meter", 256, 19030, "BMP19031.PNG", "RIGHT"),
    {.name = "value read-out", .kind = ControlKind::counter, .rect = {152, 281, 207, 297}, .tag = 56,
     .bitmap = 19021, .images = 18, .imageHeight = 17, .defaultValue = 15.32f},
    {.name = "typed entry", .kind = ControlKind::textEdit, .rect = {152, 279, 207, 299}, .tag = 65},
    {.name = "to settings page", .kind = ControlKind::pageSwitch, .rect = {110, 318, 278, 336}, .tag = 60,
     .engraving = "SETTINGS", .engravingAt = {194, 330}},
    // Settings page.
    settingsKnob("VU Integr", {61, 165, 99, 202}, 23, 0.5f, "VU INTEGRATION", {55, 202, 105, 214}, Formatter::milliseconds),
    settingsKnob("VU Refer", {61, 215, 99, 252}, 24, 0.5f, "VU REFERENCE", {55, 253, 105, 265}, Formatter::decibelFS),
    settingsKnob("PPM Integr", {261, 165, 299, 202}, 25, 0.52f, "PPM INTEGRATION", {255, 202, 305, 214},
                 Formatter::milliseconds),
    settingsKnob("PPM Return", {261, 215, 299, 252}, 26, 0.72365f, "PPM RETURN", {255, 253, 305, 265},
                 Formatter::milliseconds),
    settingsKnob("OverIndic", {61, 293, 99, 330}, 27, 2.0f / 9.0f, "OVER SAMPLES", {65, 331, 95, 343}, Formatter::integer),
    {.name = "version", .kind = ControlKind::label, .page = Page::settings, .rect = {293, 45, 329, 55}, .text = "v2.5.1"},
    {.name = "back to main page", .kind = ControlKind::pageSwitch, .page = Page::settings, .rect = {110, 36, 338, 134},
     .tag = 61, .engraving = "BACK TO MAIN PAGE", .engravingAt = {224, 126}},
};

constexpr layout::EditorLayout kLayout{
    "Velda Cindermote", "Cindermote", 450, 377, 19100, {0, 0, 450, 361}, {0, 0, 450, 358}, 19002,
    {66, 19100, 360, 374, 362, 372}, kBitmaps, kControls};

}  // namespace

const layout::EditorLayout& editorLayout() { return kLayout; }

}  // namespace velda::cindermote

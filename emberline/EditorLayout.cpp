#include "emberline/EditorLayout.h"

#include <array>

// Table rows name only the fields they use; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace velda::emberline {
namespace {

using layout::BitmapSpec;
using layout::ControlKind;
using layout::ControlSpec;
using layout::Formatter;
using layout::KnobScale;
using layout::Page;

constexpr std::array<BitmapSpec, 23> kBitmaps{{
    {19100, nullptr, 450, 460, 1},   {19002, nullptr, 450, 445, 1},   {19003, nullptr, 136, 7070, 101},
    {19004, nullptr, 136, 7070, 101}, {19005, nullptr, 40, 150, 3},    {19006, nullptr, 40, 100, 2},
    {19008, nullptr, 60, 5050, 101},  {19009, nullptr, 1243, 930, 101}, {19010, nullptr, 60, 5656, 101},
    {19012, nullptr, 60, 5656, 101},  {19013, nullptr, 60, 5050, 101},  {19114, nullptr, 36, 80, 2},
    {19015, nullptr, 36, 80, 2},      {19016, nullptr, 51, 192, 4},     {19017, nullptr, 38, 80, 2},
    {19021, nullptr, 9, 306, 18},     {19024, nullptr, 60, 5656, 101},  {19026, nullptr, 21, 126, 6},
    {19032, nullptr, 30, 1530, 51},   {19033, nullptr, 15, 58, 2},
    {19035, nullptr, 25, 50, 2},      {19036, nullptr, 25, 50, 2},      {19037, nullptr, 25, 50, 2},
}};

constexpr ControlSpec button(const char* name, layout::Rect r, int tag, int bitmap, float def, const char* engraving,
                             layout::Point at = {}) {
  return {.name = name, .kind = ControlKind::onOffButton, .rect = r, .tag = tag, .bitmap = bitmap, .images = 2,
          .imageHeight = r.height(), .defaultValue = def, .engraving = engraving, .engravingAt = at};
}

constexpr ControlSpec knob(const char* name, layout::Rect r, int tag, int bitmap, int imageHeight, float def,
                           const char* engraving, KnobScale scale) {
  return {.name = name, .kind = ControlKind::knob, .rect = r, .tag = tag, .bitmap = bitmap, .images = 101,
          .imageHeight = imageHeight, .defaultValue = def, .engraving = engraving, .scale = scale};
}

constexpr ControlSpec smallKnob(const char* name, layout::Rect r, int tag, float def, const char* engraving,
                                layout::Point at, layout::Rect display, layout::Point backOffset, Formatter f,
                                ControlKind kind = ControlKind::plainKnob) {
  return {.name = name, .kind = kind, .page = Page::settings, .rect = r, .tag = tag, .bitmap = 19032,
          .images = 51, .imageHeight = 30, .defaultValue = def, .engraving = engraving, .engravingAt = at,
          .scale = KnobScale::ticksOnly, .display = {display, backOffset, f}};
}

constexpr ControlSpec kControls[] = {
    // Main page.
    {.name = "latency ms", .kind = ControlKind::backDisplay, .rect = {120, 428, 165, 438}, .bitmap = 19100,
     .engraving = "LATENCY", .engravingAt = {99, 437}, .display = {{120, 428, 165, 438}, {120, 428}, Formatter::milliseconds}},
    {.name = "latency samples", .kind = ControlKind::backDisplay, .rect = {167, 428, 212, 438}, .bitmap = 19100,
     .display = {{167, 428, 212, 438}, {167, 428}, Formatter::samples}},
    {.name = "latency click area", .kind = ControlKind::clickRect, .rect = {120, 426, 220, 440}, .tag = 64},
    button("Process", {42, 398, 78, 438}, 0, 19114, 1.0f, "PROCESS"),
    button("Long", {107, 356, 132, 381}, 32, 19035, 0.0f, "LONG"),
    button("Auto", {107, 317, 132, 342}, 33, 19036, 0.0f, "AUTO"),
    button("Brickwall", {219, 337, 244, 362}, 34, 19037, 1.0f, "BRICKWALL", {231, 372}),
    button("Mode", {290, 398, 326, 438}, 1, 19015, 0.0f, "BANDS"),
    {.name = "channel mode", .kind = ControlKind::channelModeButton, .rect = {326, 388, 377, 436}, .tag = 65,
     .bitmap = 19016, .images = 4, .imageHeight = 48, .defaultValue = 1.0f, .engraving = "CHANNELS", .engravingAt = {348, 384}},
    button("Link", {371, 398, 409, 438}, 3, 19017, 1.0f, "LINK", {393, 394}),
    button("MeterType", {206, 88, 246, 138}, 22, 19006, 0.0f, "BALLISTIC", {226, 148}),
    {.name = "Meters", .kind = ControlKind::verticalSwitch, .rect = {206, 28, 246, 78}, .tag = 21, .bitmap = 19005,
     .images = 3, .imageHeight = 50, .positions = 3, .defaultValue = 0.5f, .engraving = "METERS"},
    knob("Knee", {46, 167, 106, 217}, 5, 19008, 50, 0.5f, "KNEE", KnobScale::percent),
    knob("Speed", {46, 245, 106, 295}, 6, 19008, 50, 0.5f, "SPEED", KnobScale::percent),
    {.name = "Drive", .kind = ControlKind::multiColumnKnob, .rect = {122, 162, 235, 255}, .tag = 4, .bitmap = 19009,
     .images = 101, .imageHeight = 93, .columnWidth = 113, .defaultValue = 0.5f, .engraving = "DRIVE",
     .scale = KnobScale::drive},
    knob("HighFreq", {345, 242, 405, 298}, 10, 19010, 56, 0.5f, "HIGH FREQ", KnobScale::highFreq),
    knob("HighAdjust", {345, 167, 405, 217}, 8, 19013, 50, 0.5f, "HIGH", KnobScale::adjust),
    knob("LowFreq", {254, 242, 314, 298}, 11, 19012, 56, 0.5f, "LOW FREQ", KnobScale::lowFreq),
    knob("LowAdjust", {254, 167, 314, 217}, 9, 19013, 50, 0.5f, "LOW", KnobScale::adjust),
    knob("Output", {345, 324, 405, 374}, 14, 19013, 50, 0.5f, "OUTPUT", KnobScale::adjust),
    knob("Mix", {253, 323, 313, 373}, 12, 19008, 50, 1.0f, "MIX", KnobScale::percent),
    knob("Ceiling", {150, 324, 210, 374}, 13, 19013, 50, 0.5f, "CEILING", KnobScale::adjust),
    knob("Release", {46, 320, 106, 376}, 7, 19024, 56, 0.5f, "RELEASE", KnobScale::release),
    {.name = "left meter", .kind = ControlKind::movieMeter, .rect = {54, 40, 190, 110}, .tag = 35, .bitmap = 19003,
     .images = 101, .imageHeight = 70, .engraving = "LEFT", .engravingAt = {72, 125}, .altBitmap = 19004},
    {.name = "right meter", .kind = ControlKind::movieMeter, .rect = {261, 40, 397, 110}, .tag = 35,
     .bitmap = 19003, .images = 101, .imageHeight = 70, .engraving = "RIGHT", .engravingAt = {281, 125},
     .altBitmap = 19004},
    {.name = "value read-out", .kind = ControlKind::counter, .rect = {152, 281, 207, 297}, .tag = 56,
     .bitmap = 19021, .images = 18, .imageHeight = 17, .defaultValue = 15.32f},
    {.name = "typed entry", .kind = ControlKind::textEdit, .rect = {151, 281, 207, 298}, .tag = 66},
    {.name = "left over LED", .kind = ControlKind::overLed, .rect = {160, 109, 181, 130}, .tag = 62,
     .bitmap = 19026, .images = 6, .imageHeight = 21, .engraving = "OVER", .engravingAt = {144, 125}},
    {.name = "right over LED", .kind = ControlKind::overLed, .rect = {367, 109, 388, 130}, .tag = 63,
     .bitmap = 19026, .images = 6, .imageHeight = 21, .engraving = "OVER", .engravingAt = {351, 125}},
    {.name = "to settings page", .kind = ControlKind::pageSwitch, .rect = {78, 404, 247, 422}, .tag = 60,
     .engraving = "SETTINGS", .engravingAt = {162, 416}},
    // Settings page.
    smallKnob("LowSat", {65, 190, 95, 220}, 15, 0.5f, "LOW", {}, {55, 221, 105, 235}, {55, 221}, Formatter::decibel),
    smallKnob("MidSat", {112, 190, 142, 220}, 16, 0.5f, "MID", {}, {102, 221, 152, 235}, {102, 221}, Formatter::decibel),
    smallKnob("HighSat", {158, 190, 188, 220}, 17, 0.5f, "HIGH", {}, {148, 221, 198, 235}, {148, 221}, Formatter::decibel),
    smallKnob("LowRel", {263, 190, 293, 220}, 18, 0.5f, "LOW", {}, {253, 221, 303, 235}, {253, 221}, Formatter::ratio),
    smallKnob("MidRel", {310, 190, 340, 220}, 19, 0.5f, "MID", {}, {300, 221, 350, 235}, {300, 221}, Formatter::ratio),
    smallKnob("HighRel", {356, 190, 386, 220}, 20, 0.5f, "HIGH", {}, {346, 221, 396, 235}, {346, 221}, Formatter::ratio),
    smallKnob("VU Integr", {65, 260, 95, 290}, 49, 0.5f, "VU INTEGRATION", {160, 279}, {60, 291, 100, 305}, {60, 291},
              Formatter::milliseconds),
    smallKnob("VU Refer", {65, 309, 95, 339}, 50, 0.4f, "VU REFERENCE", {160, 328}, {55, 340, 105, 354}, {55, 340},
              Formatter::decibelFS),
    smallKnob("PPM Integr", {264, 260, 294, 290}, 51, 0.5f, "PPM INTEGRATION", {358, 279}, {254, 291, 304, 305},
              {254, 291}, Formatter::milliseconds),
    smallKnob("PPM Return", {264, 309, 294, 339}, 52, 0.5f, "PPM RETURN", {358, 328}, {254, 340, 304, 354}, {254, 340},
              Formatter::milliseconds),
    smallKnob("OverIndic", {65, 381, 95, 411}, 53, 2.0f / 9.0f, "OVER SAMPLES", {160, 400}, {65, 412, 95, 426},
              {158, 412}, Formatter::integer, ControlKind::knob),
    smallKnob("FineTune", {264, 381, 294, 411}, 28, 1.0f, "FINE TUNE", {334, 400}, {264, 412, 294, 426}, {264, 412},
              Formatter::percent),
    {.name = "knob mode", .kind = ControlKind::verticalSwitch, .page = Page::settings, .rect = {375, 389, 390, 418},
     .tag = 54, .bitmap = 19033, .images = 2, .imageHeight = 29, .positions = 2, .defaultValue = 1.0f, .engraving = "KNOBS",
     .engravingAt = {382, 383}},
    {.name = "version", .kind = ControlKind::label, .page = Page::settings, .rect = {300, 45, 329, 55}, .text = "v2.5.1"},
    {.name = "back to main page", .kind = ControlKind::pageSwitch, .page = Page::settings, .rect = {110, 36, 338, 134},
     .tag = 61, .engraving = "BACK TO MAIN PAGE", .engravingAt = {224, 126}},
};

constexpr layout::EditorLayout kLayout{
    "Velda Emberline", "Emberline", 450, 460, 19100, {0, 0, 450, 444}, {0, 0, 450, 443}, 19002,
    {67, 19100, 444, 458, 446, 456}, kBitmaps, kControls};

}  // namespace

const layout::EditorLayout& editorLayout() { return kLayout; }

}  // namespace velda::emberline

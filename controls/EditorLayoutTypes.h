#pragma once
// Plain data describing an editor: where each control sits, which bitmap it draws from and what the
// faceplate engraves next to it. Shared by the editors and by the artwork generator; no toolkit here.
#include <span>

namespace velda::layout {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr bool empty() const { return width() <= 0 || height() <= 0; }
};

struct Point {
  int x = 0, y = 0;
};

enum class Page { main, settings };

enum class ControlKind {
  backDisplay,        // text over the page background
  clickRect,          // invisible click area
  pageSwitch,         // invisible area that swaps the pages
  label,              // text drawn by the editor
  textEdit,           // typed-entry field
  onOffButton,        // two images: off, on
  verticalSwitch,     // one image per position, top position first
  channelModeButton,  // four images: mono, L, R, stereo
  knob,               // single-column film strip with the large knobs' mouse feel
  multiColumnKnob,    // film strip wrapped into columns
  plainKnob,          // the toolkit's own animated knob
  movieMeter,         // needle meter from two film strips (normal and second scale)
  needleMeter,        // face bitmap, line-drawn needle, overlay and three-state indicator
  overLed,            // latching over indicator, dark to lit
  counter,            // six-glyph read-out
};

enum class Formatter { none, milliseconds, samples, decibel, decibelFS, ratio, integer, percent };

enum class KnobScale {
  none,
  percent,      // 0 .. 100
  drive,        // -24 .. +24 dB
  adjust,       // -12 .. +12 dB
  release,      // x0.25 .. x4
  highFreq,     // 1 k .. 16 k
  lowFreq,      // 25 .. 400
  ticksOnly,    // small knobs: ticks without numbers
};

// A value display that belongs to a control (the settings-page knobs).
struct DisplaySpec {
  Rect rect;
  Point backOffset;   // source point in the page background behind the text
  Formatter formatter = Formatter::none;
};

struct ControlSpec {
  const char* name = "";
  ControlKind kind = ControlKind::label;
  Page page = Page::main;
  Rect rect;
  int tag = -1;                // parameter index or editor tag, -1 when the control has none
  int bitmap = 0;              // resource id, 0 when the control draws no bitmap
  int images = 1;
  int imageHeight = 0;
  int positions = 0;           // vertical switch positions
  int columnWidth = 0;         // multi-column film strips
  float defaultValue = 0.0f;
  const char* engraving = nullptr;  // faceplate label naming the control
  Point engravingAt;                // its centre and baseline; (0, 0): centred above the control
  const char* text = nullptr;       // label text drawn by the editor itself
  KnobScale scale = KnobScale::none;
  DisplaySpec display;
  // Film-strip meter: second-scale strip.
  int altBitmap = 0;
  // Needle meter: overlay resource name, its position, indicator position, pivot and needle radii.
  const char* overlayName = nullptr;
  Point overlayAt;
  int indicatorBitmap = 0;
  Point indicatorAt;
  Point pivot;
  float innerRadius = 0.0f;
  float outerRadius = 0.0f;
};

// One bitmap resource. Named resources (PNG) have a name and id 0.
struct BitmapSpec {
  int id = 0;
  const char* name = nullptr;
  int width = 0;
  int height = 0;
  int images = 1;
};

struct PanelPlacement {
  int tagBase = 0;
  int background = 0;
  int smallRowTop = 0, smallRowBottom = 0;
  int wideRowTop = 0, wideRowBottom = 0;
};

struct EditorLayout {
  const char* product;       // "Velda Emberline2"
  const char* shortName;     // "Emberline2"
  int frameWidth, frameHeight;
  int frameBitmap;
  Rect mainPage;
  Rect settingsPage;
  int settingsBitmap;
  PanelPlacement panel;
  std::span<const BitmapSpec> bitmaps;     // the editor's own bitmaps (the panel's come from the panel layout)
  std::span<const ControlSpec> controls;   // in creation order, main page first
};

}  // namespace velda::layout

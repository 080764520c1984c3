#include "resources/generator/Faceplate.h"

#include "presets/PresetPanelLayout.h"
#include "resources/generator/KnobGeometry.h"
#include "resources/generator/Text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velda::artwork {
namespace {

using layout::ControlKind;
using layout::ControlSpec;
using layout::Page;
using layout::Rect;

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -std::numbers::pi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, std::numbers::pi / 2);
  cairo_arc(cr, x + r, y + h - r, r, std::numbers::pi / 2, std::numbers::pi);
  cairo_arc(cr, x + r, y + r, r, std::numbers::pi, 1.5 * std::numbers::pi);
  cairo_close_path(cr);
}

void screw(cairo_t* cr, double x, double y, const Colour& plate) {
  cairo_arc(cr, x, y, 4.0, 0, 2 * std::numbers::pi);
  setColour(cr, mix(plate, {0, 0, 0}, 0.35));
  cairo_fill(cr);
  cairo_arc(cr, x, y, 3.2, 0, 2 * std::numbers::pi);
  setColour(cr, mix(plate, {1, 1, 1}, 0.25));
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.0);
  setColour(cr, mix(plate, {0, 0, 0}, 0.5));
  cairo_move_to(cr, x - 2.4, y + 1.2);
  cairo_line_to(cr, x + 2.4, y - 1.2);
  cairo_stroke(cr);
}

// A plate edge: light above and left, shadow below and right.
void bevel(cairo_t* cr, double x, double y, double w, double h, const Colour& plate, bool raised) {
  const Colour light = mix(plate, {1, 1, 1}, 0.35), dark = mix(plate, {0, 0, 0}, 0.35);
  cairo_set_line_width(cr, 1.0);
  setColour(cr, raised ? light : dark);
  cairo_move_to(cr, x + 0.5, y + h - 0.5);
  cairo_line_to(cr, x + 0.5, y + 0.5);
  cairo_line_to(cr, x + w - 0.5, y + 0.5);
  cairo_stroke(cr);
  setColour(cr, raised ? dark : light);
  cairo_move_to(cr, x + w - 0.5, y + 0.5);
  cairo_line_to(cr, x + w - 0.5, y + h - 0.5);
  cairo_line_to(cr, x + 0.5, y + h - 0.5);
  cairo_stroke(cr);
}

void knobScale(cairo_t* cr, const ControlSpec& c, const Colour& ink) {
  const KnobGeometry g = knobGeometry(c.rect.width(), c.rect.height());
  const double cx = c.rect.left + g.cx, cy = c.rect.top + g.cy;
  const auto numbers = scaleNumbers(c.scale);
  const int ticks = numbers.empty() ? 11 : 21;
  setColour(cr, ink);
  for (int i = 0; i < ticks; ++i) {
    const double a = knobAngle(double(i) / (ticks - 1));
    const bool major = numbers.empty() ? (i == 0 || i == ticks - 1 || i == ticks / 2) : i % 5 == 0;
    const double inner = major ? g.tickInner - 1.0 : g.tickInner + 0.8;
    cairo_set_line_width(cr, major ? 1.3 : 0.8);
    cairo_move_to(cr, cx + inner * std::sin(a), cy - inner * std::cos(a));
    cairo_line_to(cr, cx + g.tickOuter * std::sin(a), cy - g.tickOuter * std::cos(a));
    cairo_stroke(cr);
  }
  if (numbers.empty()) return;
  setFace(cr, Face::narrowBold, g.numberRadius > 40 ? 7.5 : 6.2);
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const double a = knobAngle(double(i) / (numbers.size() - 1));
    drawText(cr, numbers[i], cx + g.numberRadius * std::sin(a), cy - g.numberRadius * std::cos(a) + 2.3);
  }
}

void engraving(cairo_t* cr, const ControlSpec& c, const Colour& ink) {
  if (!c.engraving || c.kind == ControlKind::needleMeter) return;  // needle meters name themselves on the face
  double x = c.rect.left + c.rect.width() / 2.0, y = c.rect.top - 4;
  if (c.engravingAt.x != 0 || c.engravingAt.y != 0) {
    x = c.engravingAt.x;
    y = c.engravingAt.y;
  }
  setColour(cr, ink);
  setFace(cr, Face::narrowBold, c.kind == ControlKind::multiColumnKnob ? 10.5 : 8.0);
  drawText(cr, c.engraving, x, y);
}

void meterBezel(cairo_t* cr, const Rect& r, const Colour& plate) {
  roundedRect(cr, r.left - 4, r.top - 4, r.width() + 8, r.height() + 8, 5);
  setColour(cr, mix(plate, {0, 0, 0}, 0.72));
  cairo_fill(cr);
  roundedRect(cr, r.left - 4.5, r.top - 4.5, r.width() + 9, r.height() + 9, 5.5);
  cairo_set_line_width(cr, 1.0);
  setColour(cr, mix(plate, {1, 1, 1}, 0.3));
  cairo_stroke(cr);
}

void pageControls(cairo_t* cr, const layout::EditorLayout& layout, Page page, const Theme& theme, const Colour& plate,
                  const Colour& ink) {
  for (const ControlSpec& c : layout.controls) {
    if (c.page != page) continue;
    switch (c.kind) {
      case ControlKind::knob:
      case ControlKind::multiColumnKnob:
      case ControlKind::plainKnob: knobScale(cr, c, ink); break;
      case ControlKind::movieMeter: meterBezel(cr, c.rect, plate); break;
      case ControlKind::needleMeter: {
        const Rect housing{c.rect.left, c.rect.top, c.rect.left + 146, c.overlayAt.y + 46};
        meterBezel(cr, housing, plate);
        break;
      }
      case ControlKind::counter: {
        const Rect r = c.rect;
        roundedRect(cr, r.left - 3, r.top - 3, 6 * 9 + 6, r.height() + 6, 2);
        setColour(cr, mix(plate, {0, 0, 0}, 0.6));
        cairo_fill(cr);
        cairo_rectangle(cr, r.left - 1, r.top - 1, 6 * 9 + 2, r.height() + 2);
        setColour(cr, {0.05, 0.05, 0.05});
        cairo_fill(cr);
        break;
      }
      case ControlKind::pageSwitch: {
        if (page == Page::main) {
          roundedRect(cr, c.rect.left + 0.5, c.rect.top + 0.5, c.rect.width() - 1, c.rect.height() - 1, 3);
          cairo_set_line_width(cr, 0.8);
          setColour(cr, mix(ink, plate, 0.55));
          cairo_stroke(cr);
          const double y = c.engravingAt.y - 3;
          setColour(cr, theme.accent);
          cairo_move_to(cr, c.rect.right - 12, y - 3);
          cairo_line_to(cr, c.rect.right - 7, y);
          cairo_line_to(cr, c.rect.right - 12, y + 3);
          cairo_close_path(cr);
          cairo_fill(cr);
        }
        break;
      }
      case ControlKind::verticalSwitch: {
        // Position names beside the lever, one per band of the switch.
        const char* const meterNames[] = {"PRE", "GR", "POST"};
        const char* const knobNames[] = {"CIRC", "LIN"};
        const bool meters = c.positions == 3;
        setFace(cr, Face::narrowBold, 6.5);
        setColour(cr, ink);
        for (int i = 0; i < c.images; ++i) {
          const double half = std::min(5.0, c.rect.height() / 6.0), top = 2 + half, bottom = c.rect.height() - 3.5 - half;
          const double y = c.rect.top + top + (bottom - top) * i / (c.images - 1) + 2.3;
          if (meters)
            drawText(cr, meterNames[i], c.rect.left + 1, y, Align::left);
          else
            drawText(cr, knobNames[i], c.rect.right + 3, y, Align::left);
        }
        break;
      }
      default: break;
    }
    engraving(cr, c, ink);
  }
}

void panelStrip(cairo_t* cr, const layout::EditorLayout& layout, const Theme& theme) {
  const auto& p = layout.panel;
  const double top = p.smallRowTop, bottom = layout.frameHeight;
  cairo_rectangle(cr, 0, top, layout.frameWidth, bottom - top);
  setColour(cr, theme.darkPlate);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, top, layout.frameWidth, 1);
  setColour(cr, mix(theme.accent, theme.darkPlate, 0.3));
  cairo_fill(cr);
  for (const auto& c : layout::presetPanelControls()) {
    const Rect r = layout::panelControlRect(c, p);
    if (c.kind == layout::PanelControlKind::nameField) {
      cairo_rectangle(cr, r.left, r.top + 1, r.width(), r.height() - 1);
      setColour(cr, {209 / 255.0, 227 / 255.0, 238 / 255.0});
      cairo_fill(cr);
      bevel(cr, r.left, r.top + 1, r.width(), r.height() - 1, {0.6, 0.66, 0.7}, false);
    } else if (c.kind == layout::PanelControlKind::programMenu) {
      const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0 + 1;
      setColour(cr, theme.darkInk);
      cairo_move_to(cr, cx - 3.5, cy - 2);
      cairo_line_to(cr, cx + 3.5, cy - 2);
      cairo_line_to(cr, cx, cy + 2.5);
      cairo_close_path(cr);
      cairo_fill(cr);
    }
  }
}

void title(cairo_t* cr, const Theme& theme, double x, double y, double size, const Colour& ink) {
  setFace(cr, Face::sansBold, size);
  setColour(cr, ink);
  drawText(cr, theme.brand, x, y, Align::left);
  const double w = textWidth(cr, theme.brand) + size * 0.35;
  setColour(cr, theme.accent);
  drawText(cr, theme.model, x + w, y, Align::left);
}

}  // namespace

Image paintMainPlate(const layout::EditorLayout& layout, const Theme& theme) {
  Image image(layout.frameWidth, layout.frameHeight);
  Pen cr(image);
  setColour(cr, theme.plate);
  cairo_paint(cr);
  const int pageHeight = layout.mainPage.bottom;
  bevel(cr, 0, 0, layout.frameWidth, pageHeight, theme.plate, true);
  bevel(cr, 3, 3, layout.frameWidth - 6, pageHeight - 6, theme.plate, false);
  screw(cr, 11, 11, theme.plate);
  screw(cr, layout.frameWidth - 11, 11, theme.plate);
  screw(cr, 11, pageHeight - 11, theme.plate);
  screw(cr, layout.frameWidth - 11, pageHeight - 11, theme.plate);
  title(cr, theme, 22, 22, 12.5, theme.plateInk);
  setFace(cr, Face::sans, 6.0);
  setColour(cr, mix(theme.plateInk, theme.plate, 0.3));
  drawText(cr, theme.tagline, layout.frameWidth - 22, 20, Align::right);
  pageControls(cr, layout, Page::main, theme, theme.plate, theme.plateInk);
  panelStrip(cr, layout, theme);
  return image;
}

Image paintSettingsPlate(const layout::EditorLayout& layout, const Theme& theme, int width, int height) {
  Image image(width, height);
  Pen cr(image);
  setColour(cr, theme.darkPlate);
  cairo_paint(cr);
  bevel(cr, 0, 0, width, height, theme.darkPlate, true);
  bevel(cr, 3, 3, width - 6, height - 6, theme.darkPlate, false);
  screw(cr, 11, 11, theme.darkPlate);
  screw(cr, width - 11, 11, theme.darkPlate);
  screw(cr, 11, height - 11, theme.darkPlate);
  screw(cr, width - 11, height - 11, theme.darkPlate);
  // Header: the area that leads back to the main page.
  for (const ControlSpec& c : layout.controls) {
    if (c.page != Page::settings || c.kind != ControlKind::pageSwitch) continue;
    roundedRect(cr, c.rect.left + 0.5, c.rect.top + 0.5, c.rect.width() - 1, c.rect.height() - 1, 6);
    setColour(cr, mix(theme.darkPlate, {0, 0, 0}, 0.3));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0);
    setColour(cr, mix(theme.darkPlate, {1, 1, 1}, 0.15));
    cairo_stroke(cr);
    setFace(cr, Face::sansBold, 17);
    const double w = textWidth(cr, theme.brand) + 6 + textWidth(cr, theme.model);
    title(cr, theme, (c.rect.left + c.rect.right - w) / 2.0, c.rect.top + 42, 17, theme.darkInk);
    setFace(cr, Face::sansBold, 8);
    setColour(cr, theme.darkInk);
    drawText(cr, "SETTINGS", (c.rect.left + c.rect.right) / 2.0, c.rect.top + 62);
  }
  // Group captions above the rows of small knobs.
  setFace(cr, Face::sansBold, 7.5);
  setColour(cr, mix(theme.accent, theme.darkInk, 0.3));
  bool bands = false;
  int firstMeterKnobTop = 0;
  for (const ControlSpec& c : layout.controls) {
    if (c.page != Page::settings) continue;
    if (c.tag >= 15 && c.tag <= 20) bands = true;
    if (c.display.formatter == layout::Formatter::milliseconds && firstMeterKnobTop == 0) firstMeterKnobTop = c.rect.top;
  }
  if (bands) {
    drawText(cr, "BAND SATURATION", 126, 174);
    drawText(cr, "BAND RELEASE", 325, 174);
  }
  if (firstMeterKnobTop > 0) drawText(cr, "METER BALLISTICS", width / 2.0, firstMeterKnobTop - 12);
  pageControls(cr, layout, Page::settings, theme, theme.darkPlate, theme.darkInk);
  return image;
}

}  // namespace velda::artwork

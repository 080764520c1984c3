#include "resources/generator/Sheets.h"

#include "presets/PresetPanelLayout.h"
#include "resources/generator/Meters.h"
#include "resources/generator/Text.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace velda::artwork {
namespace {

using layout::ControlKind;
using layout::ControlSpec;

Image frameOf(const Image& strip, int images, int k) {
  const int h = strip.height() / images;
  return strip.crop({0, k * h, strip.width(), (k + 1) * h});
}

// Sample images shown per strip: all of short strips, five of long ones.
std::vector<int> samples(int images) {
  std::vector<int> out;
  if (images <= 20) {
    for (int k = 0; k < images; ++k) out.push_back(k);
  } else {
    for (int i = 0; i < 5; ++i) out.push_back((images - 1) * i / 4);
  }
  return out;
}

struct Tile {
  std::string title;
  std::vector<Image> frames;
  double scale;
};

// The glyphs of a read-out showing v in decibels (the meter class's sign and two decimals).
std::vector<int> decibelGlyphs(double v) {
  const double m = std::round(v * 100) / 100;
  const double a = std::fabs(m);
  std::vector<int> g(6, 17);
  g[0] = m > 0.01 ? 12 : m < -0.01 ? 13 : 17;
  if (a >= 10) {
    g[1] = int(a / 10) % 10;
    g[2] = int(a) % 10;
    g[3] = 10;
    g[4] = int(std::fabs((v - std::trunc(m)) * 10)) % 10;
  } else {
    g[1] = int(a) % 10;
    g[2] = 10;
    g[3] = int(a * 10) % 10;
    g[4] = int(std::round(a * 100)) % 10;
  }
  g[5] = 15;
  return g;
}

// The image a switch shows at its default value, as its class picks it.
int switchImage(const ControlSpec& c) {
  const float v = c.defaultValue;
  switch (c.kind) {
    case ControlKind::onOffButton: return v >= 0.5f ? 1 : 0;
    case ControlKind::channelModeButton: return v >= 0.75f ? 3 : v >= 0.5f ? 2 : v >= 0.25f ? 1 : 0;
    case ControlKind::verticalSwitch:
      if (c.positions == 3) return std::min(2, int(c.positions * v));
      return int(v * (c.images - 1) + 0.5f);
    default: return 0;
  }
}

}  // namespace

Image contactSheet(const layout::EditorLayout& layout, const Artwork& art, const Theme& theme) {
  std::vector<Tile> tiles;
  for (const auto& b : art.bitmaps) {
    Tile t;
    t.title = b.spec.name ? b.spec.name : std::to_string(b.spec.id);
    t.title += "  " + std::to_string(b.spec.width) + " x " + std::to_string(b.spec.height);
    if (b.spec.images > 1) t.title += ", " + std::to_string(b.spec.images) + " images";
    const bool columns = b.spec.width > 4 * 113;
    if (b.spec.images == 1 || columns) {
      t.frames.push_back(b.image);
    } else {
      for (int k : samples(b.spec.images)) t.frames.push_back(frameOf(b.image, b.spec.images, k));
    }
    const int h = t.frames.front().height();
    t.scale = h > 300 ? 0.5 : (h < 20 ? 2.0 : 1.0);
    if (columns) t.scale = 0.35;
    tiles.push_back(std::move(t));
  }
  const int width = 1000, margin = 12;
  // Flow layout: first pass measures, second draws.
  int x = margin, y = 40, rowHeight = 0;
  std::vector<std::pair<int, int>> at;
  for (const Tile& t : tiles) {
    int w = 0, h = 0;
    for (const Image& f : t.frames) {
      w += int(std::ceil(f.width() * t.scale)) + 4;
      h = std::max(h, int(std::ceil(f.height() * t.scale)));
    }
    w = std::max(w, 150);
    h += 14;
    if (x + w > width - margin) {
      x = margin;
      y += rowHeight + 10;
      rowHeight = 0;
    }
    at.emplace_back(x, y);
    x += w + 12;
    rowHeight = std::max(rowHeight, h);
  }
  Image sheet(width, y + rowHeight + margin);
  {
    Pen cr(sheet);
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
    cairo_paint(cr);
    setFace(cr, Face::sansBold, 14);
    setColour(cr, mix(theme.accent, {0, 0, 0}, 0.3));
    drawText(cr, (std::string(layout.product) + " - editor bitmaps").c_str(), margin, 24, Align::left);
  }
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    const Tile& t = tiles[i];
    {
      Pen cr(sheet);
      setFace(cr, Face::sansBold, 9);
      cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
      drawText(cr, t.title.c_str(), at[i].first, at[i].second + 9, Align::left);
    }
    double fx = at[i].first;
    for (const Image& f : t.frames) {
      sheet.drawScaled(f, fx, at[i].second + 13, t.scale);
      fx += std::ceil(f.width() * t.scale) + 4;
    }
  }
  return sheet;
}

Image pagePreview(const layout::EditorLayout& layout, const Artwork& art, layout::Page page) {
  Image out(layout.frameWidth, layout.frameHeight);
  out.draw(*art.find(layout.frameBitmap), 0, 0);
  if (page == layout::Page::settings) {
    const Image* settings = art.find(layout.settingsBitmap);
    out.draw(settings->crop(layout.settingsPage), 0, 0);
  }
  for (const ControlSpec& c : layout.controls) {
    if (c.page != page || c.bitmap == 0) continue;
    const Image* strip = art.find(c.bitmap);
    if (!strip) continue;
    switch (c.kind) {
      case ControlKind::knob:
      case ControlKind::plainKnob:
        out.draw(frameOf(*strip, c.images, knobImage(c.images, c.defaultValue)), c.rect.left, c.rect.top);
        break;
      case ControlKind::multiColumnKnob: {
        const int k = knobImage(c.images, c.defaultValue), perColumn = strip->height() / c.imageHeight;
        const int sx = (k / perColumn) * c.columnWidth, sy = (k % perColumn) * c.imageHeight;
        out.draw(strip->crop({sx, sy, sx + c.rect.width(), sy + c.imageHeight}), c.rect.left, c.rect.top);
        break;
      }
      case ControlKind::onOffButton:
      case ControlKind::channelModeButton:
      case ControlKind::verticalSwitch:
      case ControlKind::overLed:
        out.draw(frameOf(*strip, c.images, switchImage(c)), c.rect.left, c.rect.top);
        break;
      case ControlKind::movieMeter: {
        const int k = int((c.images - 1) * movieMeterDeflection(0.0, false) + 0.5);
        out.draw(frameOf(*strip, c.images, k), c.rect.left, c.rect.top);
        break;
      }
      case ControlKind::counter: {
        const auto glyphs = decibelGlyphs(c.defaultValue);
        for (int i = 0; i < 6; ++i) out.draw(frameOf(*strip, c.images, glyphs[i]), c.rect.left + 9 * i, c.rect.top);
        break;
      }
      case ControlKind::needleMeter: {
        out.draw(*strip, c.rect.left, c.rect.top);
        {
          Pen cr(out);
          const double a = 5 * std::numbers::pi / 6 - std::pow(c.defaultValue / 1.44, 1.2) * 2 * std::numbers::pi / 3;
          const double px = c.pivot.x + 0.5, py = c.pivot.y + 0.5;
          cairo_set_line_width(cr, 2);
          cairo_set_source_rgb(cr, 100 / 255.0, 100 / 255.0, 105 / 255.0);
          cairo_move_to(cr, px + c.innerRadius * std::cos(a), py - c.innerRadius * std::sin(a));
          cairo_line_to(cr, px + c.outerRadius * std::cos(a), py - c.outerRadius * std::sin(a));
          cairo_stroke(cr);
        }
        if (const Image* overlay = art.findNamed(c.overlayName)) out.draw(*overlay, c.overlayAt.x, c.overlayAt.y);
        if (const Image* lamp = art.find(c.indicatorBitmap)) out.draw(frameOf(*lamp, 3, 2), c.indicatorAt.x, c.indicatorAt.y);
        break;
      }
      default: break;
    }
  }
  for (const auto& c : layout::presetPanelControls()) {
    if (c.bitmap == 0) continue;
    const layout::Rect r = layout::panelControlRect(c, layout.panel);
    out.draw(frameOf(*art.find(c.bitmap), c.images, 0), r.left, r.top);
  }
  return out;
}

}  // namespace velda::artwork

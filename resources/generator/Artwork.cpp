#include "resources/generator/Artwork.h"

#include "presets/PresetPanelLayout.h"
#include "resources/generator/Controls.h"
#include "resources/generator/Faceplate.h"
#include "resources/generator/Meters.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <set>

namespace velda::artwork {
namespace {

using layout::ControlKind;
using layout::ControlSpec;
using layout::Rect;

// Stacks `images` copies of the base vertically and lets paint draw image k over each.
Image filmStrip(const Image& base, int images, const std::function<void(cairo_t*, int)>& paint) {
  Image strip(base.width(), base.height() * images);
  for (int k = 0; k < images; ++k) {
    strip.draw(base, 0, k * base.height());
    Pen cr(strip);
    cairo_rectangle(cr, 0, k * base.height(), base.width(), base.height());
    cairo_clip(cr);
    cairo_translate(cr, 0, k * base.height());
    paint(cr, k);
  }
  return strip;
}

struct PushLegend {
  const char* control;
  const char* legend;
};

const PushLegend kLegends[] = {{"Process", "IN"}, {"Mode", "MULTI"}, {"FAT", "2X"}, {"Link", "ON"},
                               {"Stereo-Mono", "ST"}};

const char* legendFor(const char* name) {
  for (const auto& l : kLegends)
    if (std::strcmp(l.control, name) == 0) return l.legend;
  return "";
}

bool isLampButton(const ControlSpec& c) { return c.rect.width() <= 25; }
bool isScaleButton(const ControlSpec& c) { return std::strcmp(c.name, "MeterType") == 0 || std::strcmp(c.name, "MeterScale") == 0; }

class Painter {
public:
  Painter(const layout::EditorLayout& layout, const Theme& theme) : layout_(layout), theme_(theme) {}

  Artwork run() {
    main_ = paintMainPlate(layout_, theme_);
    const layout::BitmapSpec* settingsSpec = spec(layout_.settingsBitmap);
    settings_ = paintSettingsPlate(layout_, theme_, settingsSpec->width, settingsSpec->height);
    needleMeters();
    for (const ControlSpec& c : layout_.controls) control(c);
    panel();
    put(layout_.frameBitmap, main_);
    put(layout_.settingsBitmap, settings_);
    Artwork out;
    for (const auto& s : layout_.bitmaps) order(out, s);
    for (const auto& s : layout::presetPanelBitmaps()) order(out, s);
    out.problems = problems_;
    return out;
  }

private:
  const layout::BitmapSpec* spec(int id) const {
    for (const auto& s : layout_.bitmaps)
      if (s.id == id) return &s;
    for (const auto& s : layout::presetPanelBitmaps())
      if (s.id == id) return &s;
    return nullptr;
  }

  const Image& page(const ControlSpec& c) const { return c.page == layout::Page::main ? main_ : settings_; }

  // The first control to use a bitmap draws it; later users must sit on identical background.
  bool claim(int id, const Image& page, const Rect& r, const char* user) {
    auto it = bases_.find(id);
    if (it == bases_.end()) {
      bases_.emplace(id, page.crop(r));
      return true;
    }
    if (!it->second.regionEquals(page, r.left, r.top))
      problems_.push_back("bitmap " + std::to_string(id) + ": the faceplate under " + user + " differs");
    return false;
  }

  void put(int id, Image image) { drawn_[id] = std::move(image); }

  void control(const ControlSpec& c) {
    if (c.bitmap == 0 || c.kind == ControlKind::backDisplay || c.kind == ControlKind::needleMeter) return;
    const Image& bg = page(c);
    Rect area = c.rect;
    if (c.kind == ControlKind::counter) area = {c.rect.left, c.rect.top, c.rect.left + 9, c.rect.top + c.imageHeight};
    if (c.kind == ControlKind::multiColumnKnob) area = {c.rect.left, c.rect.top, c.rect.left + c.rect.width(), c.rect.top + c.imageHeight};
    if (c.kind == ControlKind::knob || c.kind == ControlKind::plainKnob)
      area = {c.rect.left, c.rect.top, c.rect.left + spec(c.bitmap)->width, c.rect.top + c.imageHeight};
    if (!claim(c.bitmap, bg, area, c.name)) return;
    const Image base = bg.crop(area);
    const int w = base.width(), h = base.height();
    const int n = c.images;
    switch (c.kind) {
      case ControlKind::knob:
      case ControlKind::plainKnob: {
        const KnobStyle style = c.page == layout::Page::settings ? KnobStyle::small : KnobStyle::large;
        put(c.bitmap, filmStrip(base, n, [&](cairo_t* cr, int k) { paintKnob(cr, w, h, double(k) / (n - 1), style, theme_); }));
        break;
      }
      case ControlKind::multiColumnKnob: {
        const layout::BitmapSpec* s = spec(c.bitmap);
        Image sheet(s->width, s->height);
        const int perColumn = s->height / c.imageHeight;
        for (int slot = 0; slot < (s->width / c.columnWidth) * perColumn; ++slot)
          sheet.draw(base, (slot / perColumn) * c.columnWidth, (slot % perColumn) * c.imageHeight);
        for (int k = 0; k < n; ++k) {
          Pen cr(sheet);
          cairo_translate(cr, (k / perColumn) * c.columnWidth, (k % perColumn) * c.imageHeight);
          cairo_rectangle(cr, 0, 0, w, h);
          cairo_clip(cr);
          paintKnob(cr, w, h, double(k) / (n - 1), KnobStyle::large, theme_);
        }
        put(c.bitmap, std::move(sheet));
        break;
      }
      case ControlKind::onOffButton:
        put(c.bitmap, filmStrip(base, 2, [&](cairo_t* cr, int k) {
              if (isScaleButton(c))
                paintTwoLegendButton(cr, w, h, k == 1, "VU", "PPM", theme_);
              else if (isLampButton(c))
                paintLampButton(cr, w, h, k == 1, theme_);
              else
                paintPushButton(cr, w, h, k == 1, legendFor(c.name), theme_);
            }));
        break;
      case ControlKind::verticalSwitch:
        put(c.bitmap, filmStrip(base, n, [&](cairo_t* cr, int k) {
              paintLever(cr, w, h, k, n, c.positions == 3 ? w - 11.0 : w / 2.0, theme_);
            }));
        break;
      case ControlKind::channelModeButton:
        // The Link button overlaps the right edge; leave those columns to the faceplate.
        put(c.bitmap, filmStrip(base, 4, [&](cairo_t* cr, int k) { paintChannelMode(cr, w - 6, h, k, theme_); }));
        break;
      case ControlKind::movieMeter:
        put(c.bitmap, filmStrip(base, n, [&](cairo_t* cr, int k) { paintMovieMeter(cr, w, h, k / double(n - 1), false, theme_); }));
        if (c.altBitmap && claim(c.altBitmap, bg, area, c.name))
          put(c.altBitmap, filmStrip(base, n, [&](cairo_t* cr, int k) { paintMovieMeter(cr, w, h, k / double(n - 1), true, theme_); }));
        break;
      case ControlKind::overLed:
        put(c.bitmap, filmStrip(base, n, [&](cairo_t* cr, int k) { paintLamp(cr, w, h, k / double(n - 1), {0.95, 0.12, 0.08}); }));
        break;
      case ControlKind::counter:
        put(c.bitmap, filmStrip(base, n, [&](cairo_t* cr, int k) { paintGlyph(cr, w, h, k, theme_); }));
        break;
      default: break;
    }
  }

  // Faces and overlays first, then the housing goes into the faceplate, then the indicator lamps.
  void needleMeters() {
    for (const ControlSpec& c : layout_.controls) {
      if (c.kind != ControlKind::needleMeter) continue;
      const layout::BitmapSpec* face = spec(c.bitmap);
      const layout::BitmapSpec* overlay = nullptr;
      for (const auto& s : layout_.bitmaps)
        if (s.name && std::strcmp(s.name, c.overlayName) == 0) overlay = &s;
      Image faceImage(face->width, face->height);
      {
        Pen cr(faceImage);
        paintNeedleFace(cr, face->width, face->height, c.pivot.x - c.rect.left, c.pivot.y - c.rect.top, c.outerRadius,
                        c.engraving, theme_);
      }
      Image overlayImage(overlay->width, overlay->height);
      {
        Pen cr(overlayImage);
        paintNeedleOverlay(cr, overlay->width, overlay->height, c.rect.top + face->height - c.overlayAt.y,
                           c.rect.left + face->width - c.overlayAt.x, c.pivot.x - c.overlayAt.x,
                           c.pivot.y - c.overlayAt.y, theme_);
      }
      {
        Pen cr(main_);
        setColour(cr, theme_.darkPlate);
        cairo_rectangle(cr, c.overlayAt.x, c.overlayAt.y + overlay->height - 1, overlay->width, 6);
        cairo_fill(cr);
      }
      main_.draw(faceImage, c.rect.left, c.rect.top);
      main_.draw(overlayImage, c.overlayAt.x, c.overlayAt.y);
      put(c.bitmap, std::move(faceImage));
      named_[c.overlayName] = std::move(overlayImage);
    }
    for (const ControlSpec& c : layout_.controls) {
      if (c.kind != ControlKind::needleMeter) continue;
      const layout::BitmapSpec* s = spec(c.indicatorBitmap);
      const int h = s->height / 3;
      const Rect r{c.indicatorAt.x, c.indicatorAt.y, c.indicatorAt.x + s->width, c.indicatorAt.y + h};
      if (!claim(c.indicatorBitmap, main_, r, c.name)) continue;
      const Image base = main_.crop(r);
      // Image 0: over now; 1: an over has happened; 2: idle.
      const double levels[] = {1.0, 0.45, 0.0};
      put(c.indicatorBitmap, filmStrip(base, 3, [&](cairo_t* cr, int k) {
            paintLamp(cr, s->width, h, levels[k], {0.95, 0.12, 0.08});
          }));
    }
  }

  void panel() {
    for (const auto& c : layout::presetPanelControls()) {
      if (c.bitmap == 0) continue;
      const Rect r = layout::panelControlRect(c, layout_.panel);
      if (!claim(c.bitmap, main_, r, c.name)) continue;
      const Image base = main_.crop(r);
      const int w = base.width(), h = base.height();
      using layout::PanelControlKind;
      if (c.kind == PanelControlKind::rocker) {
        // 0 idle, 1 and 2 hover left and right, 3 and 4 pressed left and right.
        put(c.bitmap, filmStrip(base, 5, [&](cairo_t* cr, int k) {
              const PanelState left = k == 1 ? PanelState::hover : k == 3 ? PanelState::pressed : PanelState::normal;
              const PanelState right = k == 2 ? PanelState::hover : k == 4 ? PanelState::pressed : PanelState::normal;
              paintPanelKey(cr, 0, w / 2.0, h, PanelIcon::arrowLeft, nullptr, left, theme_);
              paintPanelKey(cr, w / 2.0, w / 2.0, h, PanelIcon::arrowRight, nullptr, right, theme_);
            }));
        continue;
      }
      PanelIcon icon = PanelIcon::text;
      if (c.kind == PanelControlKind::saveLoadButton) icon = std::strcmp(c.engraving, "save") == 0 ? PanelIcon::save : PanelIcon::load;
      if (c.kind == PanelControlKind::kickButton) icon = c.tagOffset <= 16 ? PanelIcon::storeLetter : PanelIcon::recallLetter;
      put(c.bitmap, filmStrip(base, 3, [&](cairo_t* cr, int k) {
            paintPanelKey(cr, 0, w, h, icon, c.engraving, static_cast<PanelState>(k), theme_);
          }));
    }
  }

  void order(Artwork& out, const layout::BitmapSpec& s) {
    Image image;
    if (s.name) {
      auto it = named_.find(s.name);
      if (it != named_.end()) image = it->second;
    } else {
      auto it = drawn_.find(s.id);
      if (it != drawn_.end()) image = it->second;
    }
    const std::string label = s.name ? s.name : std::to_string(s.id);
    if (!image.valid()) {
      problems_.push_back("bitmap " + label + " was not drawn");
      image = Image(s.width, s.height);
    } else if (image.width() != s.width || image.height() != s.height) {
      problems_.push_back("bitmap " + label + " is " + std::to_string(image.width()) + " x " +
                          std::to_string(image.height()) + ", expected " + std::to_string(s.width) + " x " +
                          std::to_string(s.height));
    }
    out.bitmaps.push_back({s, std::move(image)});
    out.problems = problems_;
  }

  const layout::EditorLayout& layout_;
  const Theme& theme_;
  Image main_, settings_;
  std::map<int, Image> bases_;
  std::map<int, Image> drawn_;
  std::map<std::string, Image> named_;
  std::vector<std::string> problems_;
};

}  // namespace

const Image* Artwork::find(int id) const {
  for (const auto& b : bitmaps)
    if (!b.spec.name && b.spec.id == id) return &b.image;
  return nullptr;
}

const Image* Artwork::findNamed(const char* name) const {
  for (const auto& b : bitmaps)
    if (b.spec.name && std::strcmp(b.spec.name, name) == 0) return &b.image;
  return nullptr;
}

Artwork drawArtwork(const layout::EditorLayout& layout, const Theme& theme) { return Painter(layout, theme).run(); }

int knobImage(int images, float value) {
  if (value <= 0.0f) return 0;
  return std::min(images - 1, static_cast<int>(std::floor((images - 1) * double(value) + 1e-6)));
}

}  // namespace velda::artwork

#include "resources/generator/KnobGeometry.h"

#include <algorithm>
#include <numbers>

namespace velda::artwork {

KnobGeometry knobGeometry(int width, int height) {
  const double half = std::min(width, height) / 2.0;
  KnobGeometry g{width / 2.0, height / 2.0, 0, 0, 0, 0};
  if (half <= 20) {  // small settings knobs: ticks only
    g.capRadius = half - 6;
    g.tickInner = half - 4;
    g.tickOuter = half - 1.5;
    g.numberRadius = half;
  } else {
    g.numberRadius = half - 3.5;
    g.tickOuter = g.numberRadius - 5;
    g.tickInner = g.tickOuter - (half > 40 ? 4 : 2.5);
    g.capRadius = g.tickInner - 2;
  }
  return g;
}

double knobAngle(double value) { return (-135.0 + 270.0 * value) * std::numbers::pi / 180.0; }

std::vector<const char*> scaleNumbers(layout::KnobScale scale) {
  using layout::KnobScale;
  switch (scale) {
    case KnobScale::percent: return {"0", "25", "50", "75", "100"};
    case KnobScale::drive: return {"-24", "-12", "0", "+12", "+24"};
    case KnobScale::adjust: return {"-12", "-6", "0", "+6", "+12"};
    case KnobScale::release: return {".25", ".5", "1", "2", "4"};
    case KnobScale::highFreq: return {"1k", "2k", "4k", "8k", "16k"};
    case KnobScale::lowFreq: return {"25", "50", "100", "200", "400"};
    case KnobScale::none:
    case KnobScale::ticksOnly: break;
  }
  return {};
}

}  // namespace velda::artwork

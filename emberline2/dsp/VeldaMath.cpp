#include "emberline2/dsp/VeldaMath.h"

namespace velda::math {

double sin(double x) { return std::sin(x); }
double cos(double x) { return std::cos(x); }
double tan(double x) { return std::tan(x); }
double exp(double x) { return std::exp(x); }
double log(double x) { return std::log(x); }
double log10(double x) { return std::log10(x); }
double pow(double x, double y) { return std::pow(x, y); }

}  // namespace velda::math

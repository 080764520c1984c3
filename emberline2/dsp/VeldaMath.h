// Transcendental functions for coefficient computations. All coefficient code calls these,
// so that the bits of a coefficient do not depend on the platform's C library.
#pragma once
#include <cmath>

namespace velda::math {

inline constexpr double kPi = 3.14159265358979323846;

double sin(double x);
double cos(double x);
double tan(double x);
double exp(double x);
double log(double x);
double log10(double x);
double pow(double x, double y);
inline double sqrt(double x) { return std::sqrt(x); }  // IEEE correctly rounded everywhere

}  // namespace velda::math

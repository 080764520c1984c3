// Fixed-decimal number text shared by the effects' parameter displays and the editors' value displays.
#pragma once
#include <cstddef>

namespace velda {

// x nudged so that truncating it to `decimals` decimals rounds to nearest
// (a remainder of 0.49999 of the last unit already rounds away from zero).
double roundForDecimals(double x, int decimals);

// x with exactly `decimals` decimals (no point when 0), "-" before negative values.
// The text fits an 8-character field; magnitudes beyond it leave `out` untouched.
void formatFixed(float x, int decimals, char* out, size_t size);

}  // namespace velda

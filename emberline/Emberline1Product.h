// "Velda Emberline", the first generation: identity, parameter table and factory programs.
#pragma once
#include <array>

#include "emberline2/ProductLayout.h"

namespace velda {

inline constexpr int kEmberline1ParamCount = 48;
inline constexpr int kEmberline1ProgramCount = 30;

extern const ParameterRow kEmberline1Rows[kEmberline1ParamCount];
extern const std::array<FactoryProgram, kEmberline1ProgramCount> kEmberline1Programs;
extern const ProductLayout kEmberline1Product;

}  // namespace velda

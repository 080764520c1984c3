// "Velda Emberline2": identity, parameter table and factory programs.
#pragma once
#include <array>

#include "emberline2/ProductLayout.h"

namespace velda {

inline constexpr int kEmberline2ParamCount = 42;
inline constexpr int kEmberline2ProgramCount = 30;

extern const ParameterRow kEmberline2Rows[kEmberline2ParamCount];
extern const std::array<FactoryProgram, kEmberline2ProgramCount> kEmberline2Programs;
extern const ProductLayout kEmberline2Product;

}  // namespace velda

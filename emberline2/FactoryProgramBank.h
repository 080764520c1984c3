// Builds a product's factory programs from a row of values common to all programs and
// the few columns in which the programs differ.
#pragma once
#include <array>
#include <cstddef>

#include "presets/FactoryProgram.h"

namespace velda {

inline constexpr int kProgramVaryingColumns = 14;

struct ProgramSettings {
    const char* name;
    double values[kProgramVaryingColumns];  // in the order of the product's varying indices
};

template <std::size_t N, std::size_t P>
constexpr std::array<std::array<double, N>, P> buildProgramRows(const std::array<double, N>& common,
                                                                const int (&varyingIndices)[kProgramVaryingColumns],
                                                                const ProgramSettings (&settings)[P])
{
    std::array<std::array<double, N>, P> rows{};
    for (std::size_t p = 0; p < P; ++p) {
        rows[p] = common;
        for (int c = 0; c < kProgramVaryingColumns; ++c) rows[p][varyingIndices[c]] = settings[p].values[c];
    }
    return rows;
}

template <std::size_t N, std::size_t P>
constexpr std::array<FactoryProgram, P> buildPrograms(const ProgramSettings (&settings)[P],
                                                      const std::array<std::array<double, N>, P>& rows)
{
    std::array<FactoryProgram, P> programs{};
    for (std::size_t p = 0; p < P; ++p) programs[p] = {settings[p].name, rows[p].data()};
    return programs;
}

}  // namespace velda

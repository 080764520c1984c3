#include "emberline/Emberline1Product.h"
#include "emberline2/FactoryProgramBank.h"

namespace velda {

namespace {

// Values shared by every program, by parameter index.
constexpr std::array<double, kEmberline1ParamCount> kCommon = {
    1, 0, 1, 0, 0, 0, 0, 0, 0, 0,          // 0 to 9
    0, 0, 1, 0, 0, 0.5, 0.5, 0.5, 0, 0.5,  // 10 to 19
    0, 0.5, 0, 0, 0, 0, 0, 0, 1, 0,        // 20 to 29
    0, 0, 0, 0, 1, 0, 0, 0, 0, 0,          // 30 to 39
    0, 0, 0, 0, 0, 0, 0, 0,                // 40 to 47
};

// Mode, Link, Drive, Knee, Speed, Release, HighAdjust, LowAdjust, HighFreq, LowFreq, Ceiling, Output, LowRel, HighRel
constexpr int kVarying[kProgramVaryingColumns] = {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 18, 20};

constexpr ProgramSettings kSettings[kEmberline1ProgramCount] = {
    {"Default", {0, 1, 0.5, 0, 1, 0.5, 0.5, 0.5, 1, 0.5, 0.5, 0.5, 0.5, 0.5}},
    {"Mastering First Aid", {1, 1, 0.535, 0, 1, 0.5, 0.54, 0.55, 1, 0.57, 0.5, 0.4984, 0.5, 0.5}},
    {"Mix First Aid 1", {1, 1, 0.55, 0, 0.5, 0.5, 0.75, 0.75, 0.65, 0.65, 0.5, 0.4984, 0.5, 0.5}},
    {"Mix First Aid 2", {1, 1, 0.5, 0.1, 0.5, 0.5, 0.65, 0.57, 0.7, 0.65, 0.5, 0.4984, 0.5, 0.5}},
    {"Mix First Aid 3", {1, 1, 0.6, 0, 1, 0.5, 0.56, 0.57, 1, 0.57, 0.5, 0.4984, 0.5, 0.5}},
    {"Mix First Aid 4", {1, 1, 0.58, 0, 0.65, 0.5, 0.71, 0.71, 0.65, 0.75, 0.5, 0.4984, 0.5, 0.5}},
    {"Mix Extra Pressure", {1, 1, 0.6, 0.2, 0.6, 0.75, 0.5, 0.5, 0.5, 0.5, 0.48, 0.4984, 0.5, 0.5}},
    {"Mix Finalize 1", {1, 1, 0.65, 0, 0.4, 0.75, 0.5, 0.5, 0.5, 0.5, 0.5, 0.4984, 1, 0}},
    {"Mix Finalize 2", {1, 1, 0.6, 0.1, 0.25, 0.75, 0.5, 0.5, 0.5, 0.5, 0.5, 0.4984, 1, 0}},
    {"Mix Finalize 3", {1, 1, 0.55, 0.2, 0, 1, 0.5, 0.5, 0.5, 0.5, 0.5, 0.4984, 1, 0}},
    {"Mix liteDriven Tape", {1, 1, 0.5, 0.15, 0, 0, 0.485, 0.54, 1, 0.4, 0.5, 0.4984, 1, 0}},
    {"Mix semiDriven Tape", {1, 1, 0.5, 0.25, 0, 0, 0.485, 0.54, 1, 0.4, 0.5, 0.4984, 1, 0}},
    {"Mix heavyDriven Tape", {1, 1, 0.5, 0.4, 0, 0, 0.485, 0.54, 1, 0.4, 0.5, 0.4984, 1, 0}},
    {"MultiBandLimiter Slow", {1, 1, 0.5, 0, 1, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.4984, 0.5, 0.5}},
    {"MultiBandLimiter Fast", {1, 1, 0.5, 0, 0.65, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.4984, 0.5, 0.5}},
    {"MultiBandCompLim Light", {1, 1, 0.5, 0.3, 1, 1, 0.5, 0.5, 0.5, 0.5, 0.5, 0.4984, 0.5, 0.5}},
    {"MultiBandCompLim Med", {1, 1, 0.5, 0.5, 1, 1, 0.5, 0.5, 0.5, 0.5, 0.5, 0.4984, 0.5, 0.5}},
    {"MultiBandCompLim Heavy", {1, 1, 0.5, 0.75, 1, 1, 0.5, 0.5, 0.5, 0.5, 0.5, 0.4984, 0.5, 0.5}},
    {"Guitar Track", {0, 0, 0.8, 0.75, 0.472, 0.35, 0.75, 0.5, 0.3, 0.5, 0.3, 0.4984, 0.5, 0.5}},
    {"Clean Guitar Track", {0, 0, 0.625, 0.155, 1, 0.31, 0.58, 0.35, 0.825, 0.575, 0.5, 0.4984, 0.5, 0.5}},
    {"HeavyRythmGuitar Trk", {0, 0, 0.54, 0.18, 0.7, 1, 0.65, 0.35, 0.67, 0.5, 0.5, 0.4984, 0.5, 0.5}},
    {"Lead Guitar 1 Track", {0, 0, 0.58, 0.09, 1, 0.31, 0.52, 0.35, 0.825, 0.575, 0.5, 0.4984, 0.5, 0.5}},
    {"Lead Guitar 2 Track", {0, 0, 0.58, 0.09, 1, 0.22, 0.52, 0.475, 0.825, 0.575, 0.5, 0.4984, 0.5, 0.5}},
    {"Vintage Guitar Trk", {0, 0, 0.75, 0.125, 0.145, 0.35, 0.25, 0.75, 0.75, 0.85, 0.375, 0.4984, 0.5, 0.5}},
    {"Bass Line Track", {0, 0, 0.72, 0.45, 0.28, 0.45, 0.5, 0.665, 0.5, 0.6, 0.5, 0.4984, 0.5, 0.5}},
    {"Funky Bass Drum Trk", {0, 0, 0.72, 0.082, 0.682, 0.82, 0.5, 0.665, 0.5, 0.5, 0.28, 0.4984, 0.5, 0.5}},
    {"Snare Drum Track", {0, 0, 0.675, 0.3, 0, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.4984, 0.5, 0.5}},
    {"Track Tape Slow", {0, 0, 0.5, 0.2, 0.25, 0.5, 0.42, 0.4, 0.8, 0.1, 0.5, 0.4984, 0.5, 0.5}},
    {"Track Tape Normal", {0, 1, 0.5, 0.25, 0.5, 0.5, 0.42, 0.42, 0.9, 0.15, 0.5, 0.4984, 0.5, 0.5}},
    {"Track Tape Fast", {0, 0, 0.5, 0.25, 0.75, 0.5, 0.45, 0.42, 1, 0.2, 0.5, 0.4984, 0.5, 0.5}},};

constexpr auto kRows = buildProgramRows<kEmberline1ParamCount>(kCommon, kVarying, kSettings);

}  // namespace

const std::array<FactoryProgram, kEmberline1ProgramCount> kEmberline1Programs =
    buildPrograms<kEmberline1ParamCount>(kSettings, kRows);

}  // namespace velda

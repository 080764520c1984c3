#include "cindermote/CindermoteParameters.h"

namespace velda::cindermote {

const ParameterInfo kParameters[kIndexCount] = {
    {"Process", "", Display::OnOff, Scope::Global, false, Steps::Switch},
    {"", "", Display::Empty, Scope::Program, false, Steps::Switch},
    {"Stereo-Mono", "", Display::StereoMono, Scope::Global, false, Steps::Switch},
    {"Link", "", Display::Link, Scope::Program, false, Steps::Switch},
    {"Speed", "%", Display::Percent, Scope::Program, false, Steps::Continuous},
    {"ReleaseMul", "*", Display::ReleaseMul, Scope::Program, false, Steps::Continuous},
    {"Drive", "dB", Display::DriveDb, Scope::Program, false, Steps::Continuous},
    {"", "", Display::Empty, Scope::Program, true, Steps::Continuous},
    {"", "", Display::Empty, Scope::Program, true, Steps::Continuous},
    {"LowAdjust", "dB", Display::LowDb, Scope::Program, false, Steps::Continuous},
    {"", "", Display::Empty, Scope::Program, true, Steps::Continuous},
    {"HighAdjust", "dB", Display::HighDb, Scope::Program, false, Steps::Continuous},
    {"Knee", "%", Display::Percent, Scope::Program, false, Steps::Continuous},
    {"Output", "dB", Display::OutputDb, Scope::Program, false, Steps::Continuous},
    {"Meters", "", Display::MeterSource, Scope::Global, false, Steps::ThreeWay},
    {"MeterScale", "", Display::MeterScale, Scope::Global, false, Steps::Switch},
    {" MeterDelay ", "", Display::Empty, Scope::Program, false, Steps::Continuous},
    {"", "", Display::Empty, Scope::Global, false, Steps::Switch},
    {"", "", Display::Empty, Scope::Program, true, Steps::Continuous},
    {"", "", Display::Empty, Scope::Program, true, Steps::Continuous},
    {"", "", Display::Empty, Scope::Program, true, Steps::Continuous},
    {"", "", Display::Empty, Scope::Program, true, Steps::Continuous},
    {"", "", Display::Empty, Scope::None, false, Steps::Continuous},
    {"VU Integr", "ms", Display::VuIntegration, Scope::Preference, false, Steps::Continuous},
    {"VU Refer", "dBFS", Display::VuReference, Scope::Preference, false, Steps::Continuous},
    {"PPM Integr", "ms", Display::PpmIntegration, Scope::Preference, false, Steps::Continuous},
    {"PPM Return", "ms", Display::PpmReturn, Scope::Preference, false, Steps::Continuous},
    {"OverIndic", " samples ", Display::OverCount, Scope::Preference, false, Steps::Continuous},
    {"KnobMode", " ", Display::KnobMode, Scope::Preference, false, Steps::Continuous},
};

namespace {

// Columns: parameter indices 0 to 21.
constexpr double kProgramValues[kProgramCount][kParameterCount] = {
    {1, 0, 1, 1, 1, 0.5, 0.5, 0, 0.5, 0.5, 1, 0.5, 0, 0.5, 0.5, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 1, 0, 0.472, 0.35, 0.8, 0, 0.5, 0.5, 0.3, 0.75, 0.75, 0.4984, 0.5, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 1, 0, 1, 0.31, 0.625, 0, 0.575, 0.35, 0.825, 0.58, 0.155, 0.4984, 0.5, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 1, 0, 0.7, 1, 0.54, 0, 0.5, 0.35, 0.67, 0.65, 0.18, 0.4984, 0.5, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 1, 0, 1, 0.31, 0.58, 0, 0.575, 0.35, 0.825, 0.52, 0.09, 0.4984, 0.5, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 1, 0, 1, 0.22, 0.58, 0, 0.575, 0.475, 0.825, 0.52, 0.09, 0.4984, 0.5, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 1, 0, 0.145, 0.35, 0.75, 0, 0.85, 0.75, 0.75, 0.25, 0.125, 0.4984, 0.5, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 1, 0, 0.28, 0.45, 0.72, 0, 0.6, 0.665, 0.5, 0.5, 0.45, 0.4984, 0.5, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 1, 0, 0.682, 0.82, 0.72, 0, 0.5, 0.665, 0.5, 0.5, 0.082, 0.4984, 0.5, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 1, 0, 0, 0.5, 0.675, 0, 0.5, 0.5, 0.5, 0.5, 0.3, 0.4984, 0.5, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 1, 0, 0.25, 0.5, 0.5, 0, 0.1, 0.4, 0.8, 0.42, 0.2, 0.4984, 0.5, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 1, 1, 0.5, 0.5, 0.5, 0, 0.15, 0.42, 0.9, 0.42, 0.25, 0.4984, 0.5, 0, 0, 0, 0, 0, 0, 0},
    {1, 0, 1, 0, 0.75, 0.5, 0.5, 0, 0.2, 0.42, 1, 0.45, 0.25, 0.4984, 0.5, 0, 0, 0, 0, 0, 0, 0},
};

}  // namespace

const FactoryProgram kFactoryPrograms[kProgramCount] = {
    {"Default", kProgramValues[0]},
    {"Guitar Track", kProgramValues[1]},
    {"Clean Guitar Track", kProgramValues[2]},
    {"HeavyRythmGuitar Trk", kProgramValues[3]},
    {"Lead Guitar 1 Track", kProgramValues[4]},
    {"Lead Guitar 2 Track", kProgramValues[5]},
    {"Vintage Guitar Trk", kProgramValues[6]},
    {"Bass Line Track", kProgramValues[7]},
    {"Funky Bass Drum Trk", kProgramValues[8]},
    {"Snare Drum Track", kProgramValues[9]},
    {"Track Tape Slow", kProgramValues[10]},
    {"Track Tape Normal", kProgramValues[11]},
    {"Track Tape Fast", kProgramValues[12]},
};

}  // namespace velda::cindermote

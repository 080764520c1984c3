#include "emberline2/Emberline2Product.h"
#include "emberline2/EmberlineEditor.h"

namespace velda {

using R = ParameterRole;
using P = HostProperty;
using G = GainFactor;

namespace {
constexpr ParameterRow kSpare = {R::Spare, "-", "-", emptyDisplay(), false, P::None};

AEffEditor* createEditor(AudioEffect* effect) { return new EmberlineEditor(effect, kEmberline2Look); }
}  // namespace

const ParameterRow kEmberline2Rows[kEmberline2ParamCount] = {
    {R::Process, " Process ", "", switchDisplay(" Off ", " On "), true, P::Switch},
    {R::Mode, " Mode", "", switchDisplay(" SingleBnd ", " MultiBand "), false, P::Switch},
    {R::MonoStereo, " Mono Stereo", "", choiceDisplay(DisplayKind::MonoStereo, " Mono ", " Stereo ", " L-R "), true,
     P::Switch},
    {R::Link, " Link", "", switchDisplay(" Unlinked ", " Linked "), false, P::Switch},
    {R::Drive, " Drive ", " dB ", linearDisplay(48.0, -24.0, G::FineTune, 2), false, P::None},
    {R::Knee, " Knee ", " % ", linearDisplay(100.0, 0.0, G::One, 1), false, P::None},
    {R::Speed, " Speed ", " % ", linearDisplay(100.0, 0.0, G::One, 1), false, P::None},
    {R::Release, " Release ", " * ", engineeringDisplay(2), false, P::None},
    {R::HighAdjust, " HighAdjust ", " dB ", linearDisplay(24.0, -12.0, G::FineTune, 2), false, P::None},
    {R::LowAdjust, " LowAdjust ", " dB ", linearDisplay(24.0, -12.0, G::FineTune, 2), false, P::None},
    {R::HighFreq, " HighFreq ", " Hz ", engineeringDisplay(0), false, P::None},
    {R::LowFreq, " LowFreq ", " Hz ", engineeringDisplay(1), false, P::None},
    {R::Mix, " Mix ", " % ", linearDisplay(100.0, 0.0, G::One, 1), false, P::None},
    {R::Ceiling, " Ceiling ", " dB ", linearDisplay(24.0, -12.0, G::FineTuneRoot, 2), false, P::None},
    {R::Output, " Output ", " dB ", linearDisplay(24.0, -12.0, G::FineTuneRoot, 2), false, P::None},
    {R::LowSat, " LowSat", " dB ", linearDisplay(24.0, -12.0, G::One, 2), false, P::None},
    {R::MidSat, " MidSat ", " dB ", linearDisplay(24.0, -12.0, G::One, 2), false, P::None},
    {R::HighSat, " HighSat ", " dB ", linearDisplay(24.0, -12.0, G::One, 2), false, P::None},
    {R::LowRelease, " LowRel ", " * ", engineeringDisplay(2), false, P::None},
    {R::MidRelease, " MidRel ", " * ", engineeringDisplay(2), false, P::None},
    {R::HighRelease, " HighRel ", " * ", engineeringDisplay(2), false, P::None},
    {R::Meters, " Meters ", "", choiceDisplay(DisplayKind::ThreeWay, " Pre ", " GainRed ", " Post "), true,
     P::ThreeSteps},
    {R::MeterType, " MeterType ", "", switchDisplay(" VU ", " PPM "), true, P::Switch},
    {R::MeterDelay, "-", " ms ", fixedDisplay("-"), true, P::None},
    {R::FineTune, " FineTune ", " % ", engineeringDisplay(0, 100.0), false, P::FourSteps},
    {R::MeterScale, " MeterScale ", " dB ", choiceDisplay(DisplayKind::MeterScale, "-20..+3", "-40..+6"), true,
     P::Switch},
    {R::Oversampling, " FAT ", "", switchDisplay(" Off ", " FAT "), true, P::Switch},
    {R::Long, " Long ", "", switchDisplay(" Off ", " Long "), false, P::Switch},
    {R::Auto, " Auto ", "", switchDisplay(" Off ", " Auto "), false, P::Switch},
    {R::Brickwall, " Brickwall ", "", switchDisplay(" Off ", " BrickWall "), false, P::Switch},
    {R::ChannelLR, " L R ", "", choiceDisplay(DisplayKind::ChannelLR, " OO-O", " L ", " R "), false, P::None},
    kSpare, kSpare, kSpare, kSpare, kSpare, kSpare,  // 31 to 36
    kSpare, kSpare, kSpare, kSpare, kSpare,               // 37 to 41
};

const ProductLayout kEmberline2Product = {
    vst::fourCC('Q', 'Q', 'E', 'l'),
    "Velda Emberline2",
    "Velda Emberline2 - analog saturation & compression emulator",
    "Emberline20",
    kEmberline2ParamCount,
    kEmberline2ProgramCount,
    kEmberline2Programs.data(),
    kEmberline2Rows,
    43,
    57,
    {0.25, 16.0},
    {0.0625, 256.0},
    &kEmberline2Layout,
    createEditor,
};

}  // namespace velda

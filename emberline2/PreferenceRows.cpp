#include "emberline2/ProductLayout.h"

namespace velda {

using R = ParameterRole;
using P = HostProperty;

const ParameterRow kPreferenceRows[kPreferenceCount] = {
    {R::VuIntegration, " VU Integr ", " ms ", engineeringDisplay(0), false, P::None},
    {R::VuReference, " VU Refer ", " dBFS ", engineeringDisplay(1), false, P::None},
    {R::PpmIntegration, " PPM Integr ", " ms ", engineeringDisplay(0), false, P::None},
    {R::PpmReturn, " PPM Return ", " ms ", engineeringDisplay(0), false, P::None},
    {R::OverIndicator, " OverIndic ", " samples ", {DisplayKind::SampleCount}, false, P::None},
    {R::KnobMode, " Knob Mode ", " ", switchDisplay(" Circular ", " Linear "), false, P::None},
};

}  // namespace velda

// A tiny offset whose sign flips every sample, added inside recursive filters and detectors
// so that silence never decays into denormal numbers.
#pragma once

namespace velda {

struct DenormalOffset {
    double value = 1e-16;
    double next()
    {
        value = -value;
        return value;
    }
};

}  // namespace velda

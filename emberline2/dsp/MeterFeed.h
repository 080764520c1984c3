// Per-channel meter level (VU or PPM ballistics over the Pre, GainRed or Post signal) and the
// over counter.
#pragma once

#include <cmath>

#include "emberline2/dsp/BiquadFilter.h"

namespace velda {

struct MeterConstants {
    int source = 1;  // 0 Pre, 1 GainRed, 2 Post
    bool ppm = false;
    double gP = 1.0;  // PPM gain
    double cR = 1.0;  // PPM rise
    double cF = 1.0;  // PPM fall
    double vuScale = 1.0;
    double ceilingGain = 1.0;
    double smallSignalGain = 1.0;
    double overCount = 3.0;
};

struct ChannelMeter {
    float level = 0.0f;
    float overCounter = 0.0f;
    BiquadFilter vu{44100.0, BiquadFilter::kLowPass, 2.0, 0.583, 0.0};

    void countOver(double x, double overCount)
    {
        if (std::fabs(x) >= 1.0)
            overCounter = overCounter + 1.0f;
        else if (overCounter < overCount)
            overCounter = 0.0f;
    }

    void update(const MeterConstants& c, double pre, double gMin, double post)
    {
        const double reduced = std::fabs(gMin) * c.ceilingGain;
        feed(c, pre, reduced / c.smallSignalGain, reduced < 0.01, post);
    }

    // G: gain-reduction reading (1.0 = none); deep: reduction too deep for the VU needle.
    void feed(const MeterConstants& c, double pre, double G, bool deep, double post)
    {
        double m = level;
        if (c.source == 1) {
            if (c.ppm)
                m = m + (G - m) * (G >= m ? c.cF : c.cR);
            else if (deep)
                m = 1.0;
            else
                m = vu.process(G);
            countOver(post, c.overCount);
        } else {
            const double x = c.source == 0 ? pre : post;
            if (c.ppm) {
                const double v = std::fabs(x) * c.gP;
                m = m + (v - m) * (v > m ? c.cR : c.cF);
            } else {
                m = vu.process(std::fabs(x) * c.vuScale);
            }
            countOver(x, c.overCount);
        }
        level = static_cast<float>(m);
    }
};

}  // namespace velda

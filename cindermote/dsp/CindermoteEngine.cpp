#include "cindermote/dsp/CindermoteEngine.h"

#include <cmath>
#include <cstring>

#include "cindermote/dsp/TransferCurve.h"
#include "emberline2/dsp/Selects.h"
#include "emberline2/dsp/StereoFrontEnd.h"

namespace velda::cindermote {

namespace {

constexpr double kPeakScale = 1.0115795;  // +0.1 dB: peaks are aimed just below full scale
constexpr double kEnvelopeStart = 0.0001;
constexpr double kEnvelopeFloor = 0.000001;

inline double envelopeStep(double env, double e, double attackCoef, double releaseCoef)
{
    const double coef = ifGreater(e, env, attackCoef, releaseCoef);
    env = env + (e - env) * coef;
    return atLeast(env, kEnvelopeFloor);
}

}  // namespace

struct CindermoteEngine::Block {
    int mask;
    bool monoMix;  // the mono variant averages both inputs
    double lowGainMinus1, highGainMinus1;
    double driveGain, kneeShape, oneMinusShape, rationalM;
    double attackCoef, releaseCoef;
    double outputGain;
    MeterBlock meters;

    template <Knee K>
    double gain(double env) const
    {
        if constexpr (K == Knee::Unity)
            // x == env, and x / env is exactly 1 below full scale
            return selectSd(_mm_cmpge_sd(_mm_set_sd(env), _mm_set_sd(1.0)), 1.0 / env, 1.0);
        else if constexpr (K == Knee::Mode0)
            return kneeMode0Gain(env * driveGain, env, kneeShape, oneMinusShape);
        else
            return kneeMode1Gain(env * driveGain, env, rationalM);
    }
};

CindermoteEngine::CindermoteEngine(CindermoteValues& v)
    : values(v),
      vu{BiquadFilter(44100.0, BiquadFilter::kLowPass, 3.0, 0.583, 0.0),
         BiquadFilter(44100.0, BiquadFilter::kLowPass, 3.0, 0.583, 0.0)}
{
    stateReset();
    filterReset();
    updateCoefficients();
    updateTiming();
}

void CindermoteEngine::applyRequests()
{
    const uint32_t pending = values.takeRequests();
    if (!pending) return;
    if (pending & kRequestStateReset) stateReset();
    if (pending & kRequestCoefficients) updateCoefficients();
    if (pending & kRequestVuRetune) retuneVuFilters();
    if (pending & kRequestTiming) updateTiming();
}

void CindermoteEngine::stateReset()
{
    overFlagLeft = 0.0f;
    overFlagRight = 0.0f;
    meter[0].overCounter = meter[1].overCounter = 0.0f;
    std::memset(delayRing, 0, sizeof delayRing);
    peak[0].clear();
    peak[1].clear();
    std::memset(outputRing, 0, sizeof outputRing);
    std::memset(bypassRing, 0, sizeof bypassRing);
    std::memset(workIn, 0, sizeof workIn);
    std::memset(workOut, 0, sizeof workOut);
}

void CindermoteEngine::filterReset()
{
    envelope[0] = envelope[1] = kEnvelopeStart;
    tone[0].clear();
    tone[1].clear();
}

void CindermoteEngine::updateCoefficients()
{
    const double rate = values.sampleRate;
    coefficients = computeToneCoefficients(rate, values.lowSplitHz, values.highSplitHz);
    for (BiquadFilter& f : vu) {
        f.setRate(coefficientRate(rate));
        f.reset();
        f.recompute();
    }
}

void CindermoteEngine::updateTiming()
{
    timing = computeTiming(values.speedValue, values.releaseMul, values.sampleRate);
    const int mask = ringSize() - 1;
    readIndex = (writeIndex - timing.attackLength - 1) & mask;
}

void CindermoteEngine::placeIndicesForResume()
{
    const int n = ringSize();
    writeIndex = n - 1;
    readIndex = (n - 1 - timing.attackLength - 1) & (n - 1);
}

void CindermoteEngine::resetVuFilters()
{
    for (BiquadFilter& f : vu) {
        f.reset();
        f.recompute();
    }
}

void CindermoteEngine::retuneVuFilters()
{
    const double corner = 700.0 / values.vuIntegrationMs;
    for (BiquadFilter& f : vu) {
        f.setFrequency(corner);
        f.reset();
        f.recompute();
    }
}

void CindermoteEngine::clearMeters(bool gainReduction)
{
    const float level = gainReduction ? 1.0f : 0.0f;
    for (MeterChannel& m : meter) {
        m.overCounter = 0.0f;
        m.level = level;
    }
    meterLeft = level;
    meterRight = level;
}

void CindermoteEngine::process(const float* inL, const float* inR, float* outL, float* outR, int n,
                               bool rightInputActive)
{
    processHost(inL, inR, outL, outR, n, rightInputActive);
}

void CindermoteEngine::process(const double* inL, const double* inR, double* outL, double* outR, int n,
                               bool rightInputActive)
{
    processHost(inL, inR, outL, outR, n, rightInputActive);
}

template <typename T>
void CindermoteEngine::processHost(const T* inL, const T* inR, T* outL, T* outR, int n, bool rightInputActive)
{
    for (int done = 0; done < n;) {
        const int m = n - done < kWorkBlock ? n - done : kWorkBlock;
        applyRequests();  // before the copy: a state reset clears the work buffers
        for (int i = 0; i < m; ++i) {
            workIn[0][i] = (double)inL[done + i];
            workIn[1][i] = (double)inR[done + i];
        }
        runWorkBlock(m, rightInputActive);
        // Left first: with a single output the right result is the one that remains.
        for (int i = 0; i < m; ++i) outL[done + i] = (T)workOut[0][i];
        for (int i = 0; i < m; ++i) outR[done + i] = (T)workOut[1][i];
        done += m;
    }
    const double overCount = values.overCount;
    if (meter[0].overCounter >= overCount) {
        overFlagLeft = 1.0f;
        meter[0].overCounter = 0.0f;
    }
    if (meter[1].overCounter >= overCount) {
        overFlagRight = 1.0f;
        meter[1].overCounter = 0.0f;
    }
}

void CindermoteEngine::runWorkBlock(int n, bool rightInputActive)
{
    Block b;
    b.mask = ringSize() - 1;
    writeIndex &= b.mask;
    readIndex &= b.mask;
    b.monoMix = rightInputActive;
    b.lowGainMinus1 = values.lowGain - 1.0;
    b.highGainMinus1 = values.highGain - 1.0;
    b.driveGain = values.driveGain;
    b.kneeShape = values.kneeShape;
    b.oneMinusShape = 1.0 - b.kneeShape;
    b.attackCoef = timing.attackCoef;
    b.releaseCoef = timing.releaseCoef;
    b.outputGain = values.outputGain;

    const bool meters = metersActive != 0;
    if (meters) {
        b.meters = computeMeterBlock(values.meterSource, values.meterScaleValue >= 0.5f, values.vuReferenceInv,
                                     values.overCount, values.sampleRate, values.ppmIntegrationMs,
                                     values.ppmReturnMs, values.ppmRatio);
        b.meters.gainDivisor = values.smallSignalGain;
    }

    if (values.processOn == 0) {
        if (meters) {
            b.meters.gainDivisor = 1.0;
            runBypass<true>(b, n);
        } else {
            runBypass<false>(b, n);
        }
    } else {
        using Runner = void (CindermoteEngine::*)(const Block&, int);
        static constexpr Runner runners[3][3][2] = {
            {{&CindermoteEngine::runProcessing<Variant::Linked, Knee::Unity, false>,
              &CindermoteEngine::runProcessing<Variant::Linked, Knee::Unity, true>},
             {&CindermoteEngine::runProcessing<Variant::Linked, Knee::Mode0, false>,
              &CindermoteEngine::runProcessing<Variant::Linked, Knee::Mode0, true>},
             {&CindermoteEngine::runProcessing<Variant::Linked, Knee::Mode1, false>,
              &CindermoteEngine::runProcessing<Variant::Linked, Knee::Mode1, true>}},
            {{&CindermoteEngine::runProcessing<Variant::Unlinked, Knee::Unity, false>,
              &CindermoteEngine::runProcessing<Variant::Unlinked, Knee::Unity, true>},
             {&CindermoteEngine::runProcessing<Variant::Unlinked, Knee::Mode0, false>,
              &CindermoteEngine::runProcessing<Variant::Unlinked, Knee::Mode0, true>},
             {&CindermoteEngine::runProcessing<Variant::Unlinked, Knee::Mode1, false>,
              &CindermoteEngine::runProcessing<Variant::Unlinked, Knee::Mode1, true>}},
            {{&CindermoteEngine::runProcessing<Variant::Mono, Knee::Unity, false>,
              &CindermoteEngine::runProcessing<Variant::Mono, Knee::Unity, true>},
             {&CindermoteEngine::runProcessing<Variant::Mono, Knee::Mode0, false>,
              &CindermoteEngine::runProcessing<Variant::Mono, Knee::Mode0, true>},
             {&CindermoteEngine::runProcessing<Variant::Mono, Knee::Mode1, false>,
              &CindermoteEngine::runProcessing<Variant::Mono, Knee::Mode1, true>}},
        };
        const bool stereo = values.stereoValue > 0.5f && rightInputActive;
        const int variant = stereo ? (values.linkOn != 0 ? 0 : 1) : 2;
        int knee;
        if (values.kneeMode == 0) {
            knee = (b.kneeShape == 0.0 && b.driveGain == 1.0) ? 0 : 1;
        } else {
            knee = 2;
            if (b.kneeShape != rationalShape) {
                rationalM = rationalConstant(b.kneeShape);
                rationalShape = b.kneeShape;
            }
            b.rationalM = rationalM;
        }
        (this->*runners[variant][knee][meters ? 1 : 0])(b, n);
    }

    recoverFromNonFinite();
    if (meters) {
        meterLeft = meter[0].level;
        meterRight = meter[1].level;
    }
}

template <CindermoteEngine::Variant V, CindermoteEngine::Knee K, bool Meters>
void CindermoteEngine::runProcessing(const Block& b, int n)
{
    constexpr bool kMono = V == Variant::Mono;
    const int mask = b.mask;
    const ToneCoefficients c = coefficients;
    ToneState toneL = tone[0], toneR = tone[1];
    double envL = envelope[0], envR = envelope[1];
    double d = denormalOffset;
    int w = writeIndex, r = readIndex;

    // Stereo: both channels' tone filters for the whole block, as the lanes of packed doubles.
    StereoBands bands;
    if constexpr (!kMono) {
        double offsets[kWorkBlock], xs[2][kWorkBlock];
        double dd = d;
        for (int i = 0; i < n; ++i) {
            dd = -dd;
            offsets[i] = dd;
            xs[0][i] = workIn[0][i] + dd;
            xs[1][i] = workIn[1][i] + dd;
        }
#pragma GCC diagnostic push  // only the first n entries are written and read
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
        stereoFrontEnd(c.dc, c.lowSplit, c.highSplit, toneL.dc, toneR.dc, toneL.lowSplit, toneR.lowSplit,
                       toneL.highSplit, toneR.highSplit, xs[0], xs[1], offsets, n, bands);
#pragma GCC diagnostic pop
    }

    for (int i = 0; i < n; ++i) {
        d = -d;
        double yL, yR = 0.0;
        if constexpr (kMono) {
            double xL = workIn[0][i] + d;
            if (b.monoMix) xL = (workIn[1][i] + xL) * 0.5;
            yL = shapeTone(c, toneL, xL, d, b.lowGainMinus1, b.highGainMinus1);
        } else {
            yL = toneShaped(bands.h[2 * i], bands.hp[2 * i], bands.lp[2 * i], b.lowGainMinus1, b.highGainMinus1);
            yR = toneShaped(bands.h[2 * i + 1], bands.hp[2 * i + 1], bands.lp[2 * i + 1], b.lowGainMinus1,
                            b.highGainMinus1);
            delayRing[1][w] = yR;
        }
        delayRing[0][w] = yL;

        double gL, gR;
        if constexpr (V == Variant::Linked) {
            const double pL = std::fabs(yL * kPeakScale);
            const double pR = std::fabs(yR * kPeakScale);
            const double e = peak[0].next(w, r, mask, pL >= pR ? pL : pR, d);
            envL = envelopeStep(envL, e, b.attackCoef, b.releaseCoef);
            gL = gR = b.template gain<K>(envL);
        } else if constexpr (V == Variant::Unlinked) {
            const double eL = peak[0].next(w, r, mask, std::fabs(yL * kPeakScale), d);
            const double eR = peak[1].next(w, r, mask, std::fabs(yR * kPeakScale), d);
            envL = envelopeStep(envL, eL, b.attackCoef, b.releaseCoef);
            envR = envelopeStep(envR, eR, b.attackCoef, b.releaseCoef);
            gL = b.template gain<K>(envL);
            gR = b.template gain<K>(envR);
        } else {
            const double e = peak[0].next(w, r, mask, std::fabs(yL * kPeakScale), d);
            envL = envelopeStep(envL, e, b.attackCoef, b.releaseCoef);
            gL = gR = b.template gain<K>(envL);
        }

        outputRing[0][r] = clipUnit(delayRing[0][r] * gL);
        if constexpr (!kMono) outputRing[1][r] = clipUnit(delayRing[1][r] * gR);
        r = (r + 1) & mask;
        w = (w + 1) & mask;
        const double outL = b.outputGain * outputRing[0][w];
        const double outR = kMono ? outL : b.outputGain * outputRing[1][w];
        workOut[0][i] = outL;
        workOut[1][i] = outR;

        if constexpr (Meters) {
            // Pre reads the input without the offset, so that a full-scale sample always counts.
            const bool pre = b.meters.source == kMeterPre;
            double inL = workIn[0][i], inR = workIn[1][i];
            if constexpr (kMono) inL = inR = b.monoMix ? (inR + inL) * 0.5 : inL;
            meter[0].feed(b.meters, vu[0], pre ? inL : outL, gL, pre ? inL : outL, d);
            meter[1].feed(b.meters, vu[1], pre ? inR : outR, gR, pre ? inR : outR, d);
        }
    }

    tone[0] = toneL;
    tone[1] = toneR;
    envelope[0] = envL;
    envelope[1] = envR;
    denormalOffset = d;
    writeIndex = w;
    readIndex = r;
}

template <bool Meters>
void CindermoteEngine::runBypass(const Block& b, int n)
{
    const int mask = b.mask;
    double d = denormalOffset;
    int w = writeIndex, r = readIndex;
    for (int i = 0; i < n; ++i) {
        d = -d;
        const double xL = workIn[0][i] + d;
        const double xR = workIn[1][i] + d;
        bypassRing[0][w] = xL;
        bypassRing[1][w] = xR;
        r = (r + 1) & mask;
        w = (w + 1) & mask;
        const double outL = bypassRing[0][w];
        const double outR = bypassRing[1][w];
        workOut[0][i] = outL;
        workOut[1][i] = outR;
        if constexpr (Meters) {
            const bool pre = b.meters.source == kMeterPre;
            const double inL = workIn[0][i], inR = workIn[1][i];
            meter[0].feed(b.meters, vu[0], pre ? inL : outL, 1.0, pre ? inL : outL, d);
            meter[1].feed(b.meters, vu[1], pre ? inR : outR, 1.0, pre ? inR : outR, d);
        }
    }
    denormalOffset = d;
    writeIndex = w;
    readIndex = r;
}

// Non-finite input leaves the recursive states non-finite for good; the rings flush themselves
// within one turn. Finite processing never takes this path.
void CindermoteEngine::recoverFromNonFinite()
{
    if (!(std::isfinite(envelope[0]) && std::isfinite(envelope[1]) && tone[0].isFinite() && tone[1].isFinite()))
        filterReset();
    for (int ch = 0; ch < 2; ++ch) {
        BiquadFilter& f = vu[ch];
        if (!(std::isfinite(f.x1) && std::isfinite(f.x2) && std::isfinite(f.y1) && std::isfinite(f.y2))) f.reset();
        if (!std::isfinite(meter[ch].level)) meter[ch].level = 0.0f;
    }
}

}  // namespace velda::cindermote

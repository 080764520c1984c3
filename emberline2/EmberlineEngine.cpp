#include "emberline2/EmberlineEngine.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include <emmintrin.h>

#include "emberline2/dsp/EngineState.h"
#include "emberline2/dsp/Kernels.h"
#include "emberline2/dsp/VeldaMath.h"

namespace velda {

namespace {

using Kernel = void (*)(EngineState&, const BlockParams&, int);

// Inputs of a per-block coefficient, kept so that the coefficient is recomputed only when
// they change.
struct MeterCoefCache {
    double ratio = -1.0, integration = -1.0, ret = -1.0, rate = -1.0;
    double gP = 1.0, cR = 1.0, cF = 1.0;
};

struct CurveCache {
    double k = -1.0;
    double a = 42.0;
};

template <typename T>
inline double finiteOrZero(T x)
{
    const double v = static_cast<double>(x);
    return std::isfinite(v) ? v : 0.0;
}

// Host samples into a work buffer, non-finite ones as 0; x - x is +0 exactly when x is finite.
inline __m128d finiteOrZeroPair(__m128d x) { return _mm_and_pd(x, _mm_cmpeq_pd(_mm_sub_pd(x, x), _mm_setzero_pd())); }

void copyFinite(const float* in, double* out, int n)
{
    int i = 0;
    for (; i + 2 <= n; i += 2) {
        const __m128 pair = _mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + i)));
        _mm_storeu_pd(out + i, finiteOrZeroPair(_mm_cvtps_pd(pair)));
    }
    for (; i < n; ++i)
        out[i] = finiteOrZero(in[i]);
}

void copyFinite(const double* in, double* out, int n)
{
    int i = 0;
    for (; i + 2 <= n; i += 2)
        _mm_storeu_pd(out + i, finiteOrZeroPair(_mm_loadu_pd(in + i)));
    for (; i < n; ++i)
        out[i] = finiteOrZero(in[i]);
}

// x - x is NaN exactly when x is not finite.
bool allFinite(const double* a, const double* b, int n)
{
    __m128d bad = _mm_setzero_pd();
    int i = 0;
    for (; i + 2 <= n; i += 2) {
        const __m128d x = _mm_loadu_pd(a + i), y = _mm_loadu_pd(b + i);
        const __m128d dx = _mm_sub_pd(x, x), dy = _mm_sub_pd(y, y);
        bad = _mm_or_pd(bad, _mm_or_pd(_mm_cmpunord_pd(dx, dx), _mm_cmpunord_pd(dy, dy)));
    }
    bool finite = _mm_movemask_pd(bad) == 0;
    for (; i < n; ++i)
        finite = finite && std::isfinite(a[i]) && std::isfinite(b[i]);
    return finite;
}

}  // namespace

struct EngineCore {
    EngineState s;
    BlockParams p;
    Kernel kernel = bypassKernel;
    double rate = 44100.0;
    int fat = 0;  // oversampling in force for the current coefficient set
    MeterCoefCache meterCache;
    CurveCache curveCache;
};

EmberlineEngine::EmberlineEngine(EngineeringValues& v, const EngineLayout& l)
    : values(v), layout(l), core(std::make_unique<EngineCore>())
{
    crossoverUpdate();
    timingUpdate();
    bufferClear();
    filterReset();
    oversamplerReset();
}

EmberlineEngine::~EmberlineEngine() = default;

void EmberlineEngine::setSampleRate(double rate) { core->rate = rate; }
double EmberlineEngine::sampleRate() const { return core->rate; }

int EmberlineEngine::getBandRingSize() const { return layout.bandRingSize[EngineLayout::rateRange(core->rate)]; }
int EmberlineEngine::getDelayRingSize() const { return layout.delayRingSize[EngineLayout::rateRange(core->rate)]; }

float EmberlineEngine::getLatencySamples() const
{
    return static_cast<float>(getDelayRingSize() + layout.latencyBeyondDelayRing);
}

float EmberlineEngine::getLatencyMs() const
{
    double r = core->rate;
    if (!(r >= 20000.0 && r <= 200000.0))
        r = 44100.0;
    return static_cast<float>(static_cast<double>(getLatencySamples()) * 1000.0 / r);
}

int EmberlineEngine::attackLength() const { return core->s.timing.attackLength; }
int EmberlineEngine::limiterAttackLength() const { return core->s.timing.limiterAttackLength; }

int EmberlineEngine::fatInForce() const
{
    return layout.oversampling && values.fatOn.get() != 0 && core->rate <= 100000.0 ? 1 : 0;
}

void EmberlineEngine::crossoverUpdate()
{
    EngineCore& c = *core;
    double r = c.rate;
    if (!(r >= 22000.0 && r <= 200000.0))
        r = 44100.0;
    c.fat = fatInForce();
    const double fsX = (c.fat + 1) * r;
    for (ChannelState* ch : {&c.s.left, &c.s.right}) {
        for (Envelope* e : {&ch->low, &ch->mid, &ch->high, &ch->limiter})
            e->setRate(fsX);
        ch->meter.vu.setRate(fsX);
        ch->meter.vu.reset();
        ch->meter.vu.recompute();
    }
    c.s.dcCoefs = DcBlockerCoefs::design(fsX);
    c.s.highSplitCoefs = SplitCoefs::lowPass(values.highSplitHz.get(), fsX);
    c.s.lowSplitCoefs = SplitCoefs::highPass(values.lowSplitHz.get(), fsX);
}

void EmberlineEngine::timingUpdate()
{
    EngineCore& c = *core;
    c.fat = fatInForce();
    TimingInputs in{values.speedValue.get(),
                    values.releaseMul.get(),
                    values.lowReleaseMul.get(),
                    values.midReleaseMul.get(),
                    values.highReleaseMul.get(),
                    values.longOn.get(),
                    (c.fat + 1) * c.rate};
    c.s.timing = TimingValues::compute(in);
    const TimingValues& t = c.s.timing;
    const int bMask = getBandRingSize() - 1;
    const int dMask = getDelayRingSize() - 1;
    RingIndices& ix = c.s.idx;
    ix.w &= bMask;
    ix.wd &= dMask;
    ix.r2 = (ix.w - t.limiterAttackLength - 1) & bMask;
    ix.r = (ix.w - t.attackLength - 1) & bMask;
    if (values.modeValue.get() < 0.5)
        ix.rd = (ix.wd + t.attackLength + 2) & dMask;
    else
        ix.rd = (ix.wd + t.limiterAttackLength + t.attackLength + 3) & dMask;
}

void EmberlineEngine::filterReset()
{
    core->s.left.resetFilters();
    core->s.right.resetFilters();
}

void EmberlineEngine::bufferClear()
{
    clearOverFlags();
    core->s.left.clearRings();
    core->s.right.clearRings();
}

void EmberlineEngine::oversamplerReset()
{
    core->s.left.oversampler.reset();
    core->s.right.oversampler.reset();
}

void EmberlineEngine::vuRetune()
{
    const double corner = 700.0 / values.vuIntegrationMs.get();
    for (ChannelState* ch : {&core->s.left, &core->s.right}) {
        ch->meter.vu.setFrequency(corner);
        ch->meter.vu.reset();
        ch->meter.vu.recompute();
    }
}

void EmberlineEngine::suspend()
{
    EngineCore& c = *core;
    for (ChannelState* ch : {&c.s.left, &c.s.right}) {
        ch->meter.vu.reset();
        ch->meter.vu.recompute();
    }
    if (!(c.rate >= 22050.0))  // also a rate that is not a number
        c.rate = 22050.0;
    if (c.rate > 192000.0)
        c.rate = 192000.0;
    bufferClear();
    filterReset();
    if (layout.suspendRunsUpdates) {
        crossoverUpdate();
        timingUpdate();
    } else {
        oversamplerReset();
    }
    bufferClear();
    filterReset();
    for (ChannelState* ch : {&c.s.left, &c.s.right}) {
        ch->meter.overCounter = 0.0f;
        ch->meter.level = 0.0f;
    }
    meterLeft.store(0.0f, std::memory_order_relaxed);
    meterRight.store(0.0f, std::memory_order_relaxed);
}

void EmberlineEngine::resume()
{
    EngineCore& c = *core;
    const int D = getDelayRingSize();
    const int B = getBandRingSize();
    c.s.idx.w = (D - 1) & (B - 1);
    c.s.idx.wd = D - 1;
    c.s.fatWrite = D - 1;
    bufferClear();
    filterReset();
    oversamplerReset();
    crossoverUpdate();
    timingUpdate();
}

void EmberlineEngine::applyRequests(uint32_t req)
{
    // One order serves every combination the parameters raise: the updates only set
    // coefficients and indices, the clears and resets only zero state.
    if (req & kRequestCrossoverUpdate)
        crossoverUpdate();
    if (req & kRequestTimingUpdate)
        timingUpdate();
    if (req & kRequestBufferClear)
        bufferClear();
    if (req & kRequestFilterReset)
        filterReset();
    if (req & kRequestOversamplerReset)
        oversamplerReset();
    if (req & kRequestVuRetune)
        vuRetune();
}

void EmberlineEngine::beginWorkBlock()
{
    EngineCore& c = *core;
    uint32_t req = values.takeRequests();
    // A change of the oversampling in force rebuilds everything that depends on the rate.
    if (fatInForce() != c.fat)
        req |= kRequestCrossoverUpdate | kRequestTimingUpdate | kRequestBufferClear | kRequestFilterReset |
               kRequestOversamplerReset;
    if (req)
        applyRequests(req);

    BlockParams& p = c.p;
    p.bandMask = getBandRingSize() - 1;
    p.delayMask = getDelayRingSize() - 1;
    p.curve.mode = values.kneeMode.get();
    const double k = values.kneeShape.get();
    if (k != c.curveCache.k) {
        c.curveCache.k = k;
        c.curveCache.a = 1.4 * math::pow(30.0, 1.0 - std::sqrt(std::sqrt(std::sqrt(k))));
    }
    p.curve.k = k;
    p.curve.a = c.curveCache.a;
    p.driveGain = values.driveGain.get();
    p.lowGain = values.lowGain.get();
    p.highGain = values.highGain.get();
    p.mixAmount = values.mixAmount.get();
    p.ceilingGain = values.ceilingGain.get();
    p.ceilingDrive = values.ceilingDrive.get();
    p.outputGain = values.outputGain.get();
    p.lowSat = values.lowSat.get();
    p.midSat = values.midSat.get();
    p.highSat = values.highSat.get();
    p.lowSatInv = values.lowSatInv.get();
    p.midSatInv = values.midSatInv.get();
    p.highSatInv = values.highSatInv.get();
    p.autoOn = values.autoOn.get() != 0;
    p.brickwallOn = values.brickwallOn.get() != 0;
    const float lr = values.channelValue.get();
    p.channel = lr < 0.333 ? 0 : (lr < 0.66 ? 1 : 2);
    p.monoDryWithoutOutputGain = layout.monoDryWithoutOutputGain;
    p.linkedSingleAutoM = 1.4 * c.s.timing.autoReleaseScale;

    p.metersActive = metersActive.load(std::memory_order_relaxed);
    if (p.metersActive) {
        MeterConstants& m = p.meter;
        m.source = values.meterSource.get();
        m.ppm = values.meterTypeValue.get() >= 0.5f;
        m.vuScale = 1.4142136 * 1.096 * values.vuReferenceInv.get();
        m.ceilingGain = p.ceilingGain;
        m.smallSignalGain = values.smallSignalGain.get();
        m.overCount = values.overCount.get();
        MeterCoefCache& mc = c.meterCache;
        const double ratio = values.ppmRatio.get();
        const double integration = values.ppmIntegrationMs.get();
        const double ret = values.ppmReturnMs.get();
        const double fsP = (c.fat + 1) * c.rate;
        if (ratio != mc.ratio || integration != mc.integration || ret != mc.ret || fsP != mc.rate) {
            mc.ratio = ratio;
            mc.integration = integration;
            mc.ret = ret;
            mc.rate = fsP;
            mc.gP = math::pow(10.0, 0.19 * math::pow(ratio, 0.6));
            mc.cR = integration <= 0.05 ? 1.0 : 1.0 - math::pow(0.01, 1.0 / (fsP * integration * 0.001));
            mc.cF = 1.0 - math::pow(0.01, 1.0 / (fsP * ret * 0.001));
        }
        m.gP = mc.gP;
        m.cR = mc.cR;
        m.cF = mc.cF;
    }

    static constexpr Kernel kStereo[2][2] = {{unlinkedSingleBandKernel, unlinkedThreeBandKernel},
                                             {linkedSingleBandKernel, linkedThreeBandKernel}};
    const int multi = values.multiBandOn.get() != 0 ? 1 : 0;
    if (values.processOn.get() == 0)
        c.kernel = bypassKernel;
    else if (values.stereoValue.get() > 0.5f)
        c.kernel = kStereo[values.linkOn.get() != 0 ? 1 : 0][multi];
    else
        c.kernel = multi ? monoThreeBandKernel : monoSingleBandKernel;
}

bool EmberlineEngine::runWorkBlock(int m)
{
    EngineCore& c = *core;
    EngineState& s = c.s;
    double* l = s.left.in;
    double* r = s.right.in;
    int count = m;
    const bool fat = c.fat != 0;
    if (fat) {
        Oversampler2x::upsamplePair(s.left.oversampler, s.right.oversampler, l, r, m);
        count = 2 * m;
        const int dMask = getDelayRingSize() - 1;
        int w = s.fatWrite;
        for (int i = 0; i < count; ++i) {
            s.left.fatRing[w] = l[i];
            s.right.fatRing[w] = r[i];
            w = (w + 1) & dMask;
            const int rd = (w + 2) & dMask;
            l[i] = s.left.fatRing[rd];
            r[i] = s.right.fatRing[rd];
        }
        s.fatWrite = w;
    }

    c.kernel(s, c.p, count);

    double* ol = s.left.result;
    double* orr = s.right.result;
    // A non-finite value in the state would stay there for good: start over from silence.
    if (!allFinite(ol, orr, count)) {
        bufferClear();
        filterReset();
        oversamplerReset();
        return false;  // bufferClear zeroed the work buffers, which are then the output
    }

    if (fat) {
        Oversampler2x::downsamplePair(s.left.oversampler, s.right.oversampler, ol, orr, count);
        if (c.p.brickwallOn) {
            const double g = c.p.outputGain;
            for (int i = 0; i < m; ++i) {
                ol[i] = ol[i] > g ? g : (ol[i] < -g ? -g : ol[i]);
                orr[i] = orr[i] > g ? g : (orr[i] < -g ? -g : orr[i]);
            }
        }
    }
    return true;
}

template <typename T>
void EmberlineEngine::processAny(const T* inL, const T* inR, T* outL, T* outR, int n)
{
    EngineCore& c = *core;
    for (int done = 0; done < n;) {
        const int m = n - done < kWorkBlock ? n - done : kWorkBlock;
        beginWorkBlock();
        ChannelState& left = c.s.left;
        ChannelState& right = c.s.right;
        // Without oversampling the kernels work inside the plain delays' histories.
        const bool plainDelays = c.fat == 0 && layout.oversampling;
        double* il = plainDelays ? left.oversampler.inputDelaySlot(m) : left.workIn;
        double* ir = plainDelays ? right.oversampler.inputDelaySlot(m) : right.workIn;
        // Non-finite host samples enter as silence.
        copyFinite(inL + done, il, m);
        copyFinite(inR + done, ir, m);
        constexpr int kDelay = Oversampler2x::kDelay;
        left.in = plainDelays ? il - kDelay : il;
        right.in = plainDelays ? ir - kDelay : ir;
        left.result = plainDelays ? left.oversampler.outputDelaySlot(m) : left.workOut;
        right.result = plainDelays ? right.oversampler.outputDelaySlot(m) : right.workOut;
        const bool processed = runWorkBlock(m);
        const double* ol = left.workOut;
        const double* orr = right.workOut;
        if (plainDelays && processed) {
            ol = left.result - kDelay;
            orr = right.result - kDelay;
            left.oversampler.inputDelayDone(m);
            right.oversampler.inputDelayDone(m);
            left.oversampler.outputDelayDone(m);
            right.oversampler.outputDelayDone(m);
        }
        left.in = left.workIn;
        right.in = right.workIn;
        left.result = left.workOut;
        right.result = right.workOut;
        for (int i = 0; i < m; ++i) {
            outL[done + i] = static_cast<T>(ol[i]);
            outR[done + i] = static_cast<T>(orr[i]);
        }
        if (c.p.metersActive) {
            for (ChannelState* ch : {&c.s.left, &c.s.right}) {
                if (!std::isfinite(ch->meter.level)) {  // a huge input overflowed the ballistics
                    ch->meter.level = 0.0f;
                    ch->meter.vu.reset();
                }
            }
            meterLeft.store(c.s.left.meter.level, std::memory_order_relaxed);
            meterRight.store(c.s.right.meter.level, std::memory_order_relaxed);
        }
        done += m;
    }
    const double overCount = values.overCount.get();
    if (c.s.left.meter.overCounter >= overCount) {
        overFlagLeft.store(1.0f, std::memory_order_relaxed);
        c.s.left.meter.overCounter = 0.0f;
    }
    if (c.s.right.meter.overCounter >= overCount) {
        overFlagRight.store(1.0f, std::memory_order_relaxed);
        c.s.right.meter.overCounter = 0.0f;
    }
}

void EmberlineEngine::process(const float* inL, const float* inR, float* outL, float* outR, int n)
{
    processAny(inL, inR, outL, outR, n);
}

void EmberlineEngine::process(const double* inL, const double* inR, double* outL, double* outR, int n)
{
    processAny(inL, inR, outL, outR, n);
}

}  // namespace velda

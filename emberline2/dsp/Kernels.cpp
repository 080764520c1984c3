#include "emberline2/dsp/Kernels.h"

#include <algorithm>
#include <cmath>

#include "emberline2/dsp/Selects.h"
#include "emberline2/dsp/StereoFrontEnd.h"

namespace velda {

namespace {

constexpr double kLimiterAim = 1.0115795;  // +0.1 dB: the limiter aims just below full scale

// DC-blocks one offset input and runs both splits; hp is the low split, lp the high split.
struct FrontEnd {
    double h, hp, lp;
};

inline FrontEnd frontEnd(const EngineState& s, ChannelState& c, double x, double d)
{
    const double h = c.dc.process(s.dcCoefs, x, d);
    return {h, c.lowSplit.process(s.lowSplitCoefs, h, d), c.highSplit.process(s.highSplitCoefs, h, d)};
}

// TransferCurve and bandGain for two envelope levels as the lanes of packed doubles, with the
// same IEEE steps per lane.
struct PairCurve {
    int mode;
    __m128d k, oneMinusK, a, one, two;

    explicit PairCurve(const TransferCurve& t)
        : mode(t.mode), k(_mm_set1_pd(t.k)), oneMinusK(_mm_set1_pd(1.0 - t.k)), a(_mm_set1_pd(t.a)),
          one(_mm_set1_pd(1.0)), two(_mm_set1_pd(2.0))
    {
    }
    __m128d parabola(__m128d y) const
    {
        const __m128d below = _mm_cmplt_pd(y, one);
        const __m128d curve = _mm_sub_pd(_mm_mul_pd(two, y), _mm_mul_pd(y, y));
        return _mm_or_pd(_mm_and_pd(below, curve), _mm_andnot_pd(below, one));
    }
    __m128d operator()(__m128d x) const
    {
        if (mode == 0)  // minpd(x, 1) is x < 1 ? x : 1
            return _mm_add_pd(_mm_mul_pd(oneMinusK, _mm_min_pd(x, one)), _mm_mul_pd(k, parabola(x)));
        return parabola(_mm_div_pd(_mm_mul_pd(a, x), _mm_sub_pd(_mm_add_pd(x, a), one)));
    }
    __m128d bandGain(__m128d e, __m128d drive, __m128d sat, __m128d satInv, __m128d ceilingDrive) const
    {
        const __m128d x = _mm_mul_pd(_mm_mul_pd(_mm_mul_pd(e, drive), satInv), ceilingDrive);
        return _mm_div_pd(_mm_mul_pd(sat, (*this)(x)), e);
    }
};

// singleBandGain of each level in place, two per packed pair.
inline void singleBandGains(const BlockParams& p, double* e, int n)
{
    const PairCurve curve(p.curve);
    const __m128d drive = _mm_set1_pd(p.driveGain), ceilingDrive = _mm_set1_pd(p.ceilingDrive);
    int i = 0;
    for (; i + 2 <= n; i += 2) {
        const __m128d level = _mm_loadu_pd(e + i);
        const __m128d x = _mm_mul_pd(_mm_mul_pd(level, drive), ceilingDrive);
        _mm_storeu_pd(e + i, _mm_div_pd(curve(x), level));
    }
    for (; i < n; ++i)
        e[i] = singleBandGain(p.curve, e[i], p.driveGain, p.ceilingDrive);
}

// The offsets, offset inputs and front-end outputs of both channels for a work block.
struct StereoBlock {
    alignas(16) double d[2 * kWorkBlock];
    alignas(16) double xl[2 * kWorkBlock];
    alignas(16) double xr[2 * kWorkBlock];
    StereoBands bands;

    FrontEnd left(int i) const { return {bands.h[2 * i], bands.hp[2 * i], bands.lp[2 * i]}; }
    FrontEnd right(int i) const { return {bands.h[2 * i + 1], bands.hp[2 * i + 1], bands.lp[2 * i + 1]}; }
};

// Only the first n entries are written and read; GCC cannot see that through the inlined loop.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
inline void prepareStereo(EngineState& s, int n, StereoBlock& b)
{
    for (int i = 0; i < n; ++i) {
        const double d = s.offset.next();
        b.d[i] = d;
        b.xl[i] = s.left.in[i] + d;
        b.xr[i] = s.right.in[i] + d;
    }
    stereoFrontEnd(s.dcCoefs, s.lowSplitCoefs, s.highSplitCoefs, s.left.dc, s.right.dc, s.left.lowSplit,
                   s.right.lowSplit, s.left.highSplit, s.right.highSplit, b.xl, b.xr, b.d, n, b.bands);
}
#pragma GCC diagnostic pop

inline void updateMeters(EngineState& s, const BlockParams& p, double preL, double gL, double postL, double preR,
                         double gR, double postR)
{
    s.left.meter.update(p.meter, preL, gL, postL);
    s.right.meter.update(p.meter, preR, gR, postR);
}

// Writes one channel's limited sample to its output ring and returns the mixed output; the
// dry sample is read at the new dry write index.
inline double mixOut(ChannelState& c, const BlockParams& p, double o, int wdNew)
{
    const double dry = c.dry[wdNew];
    return ((o - dry) * p.mixAmount + dry) * p.outputGain;
}

inline void advanceDelay(RingIndices& i, const BlockParams& p)
{
    i.rd = (i.rd + 1) & p.delayMask;
    i.wd = (i.wd + 1) & p.delayMask;
}

inline void advanceBand(RingIndices& i, const BlockParams& p)
{
    i.w = (i.w + 1) & p.bandMask;
    i.r = (i.r + 1) & p.bandMask;
    i.r2 = (i.r2 + 1) & p.bandMask;
}

// The three band gains of a sample.
struct BandGains {
    double low, mid, high;
    double min() const { return std::min(std::min(low, mid), high); }
};

// One channel's band pieces into its band rings at w; returns the delayed pieces at r.
inline BandPieces storeBands(ChannelState& c, const BlockParams& p, const FrontEnd& f, int w, int r, BandPieces& now)
{
    now = threeBands(f.h, f.hp, f.lp, p.lowGain, p.highGain);
    c.bandLow[w] = now.low;
    c.bandMid[w] = now.mid;
    c.bandHigh[w] = now.high;
    return {c.bandLow[r], c.bandMid[r], c.bandHigh[r]};
}

inline double weightedSum(const BandPieces& b, const BandGains& g)
{
    return b.low * g.low + b.mid * g.mid + b.high * g.high;
}

// Mono kernels: which input is processed, and how the two results are routed.
struct MonoRouting {
    const double* processed;
    const double* other;
    double* outProcessed;
    double* outOther;
};

inline MonoRouting monoRouting(EngineState& s, const BlockParams& p)
{
    if (p.channel == 2)
        return {s.right.in, s.left.in, s.right.result, s.left.result};
    return {s.left.in, s.right.in, s.left.result, s.right.result};
}

// Routes and meters the two mono results: in "both" mode the processed result goes to both.
inline void monoFinish(EngineState& s, const BlockParams& p, const MonoRouting& m, int i, double P, double O,
                       double outP, double outO, double gMin)
{
    if (p.channel == 0) {
        s.left.result[i] = outP;
        s.right.result[i] = outP;
        if (p.metersActive)
            updateMeters(s, p, P, gMin, outP, P, gMin, outP);
        return;
    }
    m.outProcessed[i] = outP;
    m.outOther[i] = outO;
    if (p.metersActive) {
        const double ssg = p.meter.smallSignalGain;
        if (p.channel == 1)
            updateMeters(s, p, P, gMin, outP, O, ssg, outO);
        else
            updateMeters(s, p, O, ssg, outO, P, gMin, outP);
    }
}

inline double monoOtherOut(const BlockParams& p, double dryO)
{
    return p.monoDryWithoutOutputGain ? dryO : dryO * p.outputGain;
}

}  // namespace

namespace {

// Band gains of a work block from three envelope levels per sample, two samples per packed
// pair; gains[b][i] replaces the levels.
void bandGainsOfBlock(const BlockParams& p, double* eLow, double* eMid, double* eHigh, int n)
{
    int i = 0;
    const PairCurve curve(p.curve);
    const __m128d drive = _mm_set1_pd(p.driveGain), ceilingDrive = _mm_set1_pd(p.ceilingDrive);
    const __m128d lowSat = _mm_set1_pd(p.lowSat), lowSatInv = _mm_set1_pd(p.lowSatInv);
    const __m128d midSat = _mm_set1_pd(p.midSat), midSatInv = _mm_set1_pd(p.midSatInv);
    const __m128d highSat = _mm_set1_pd(p.highSat), highSatInv = _mm_set1_pd(p.highSatInv);
    for (; i + 2 <= n; i += 2) {
        _mm_storeu_pd(eLow + i, curve.bandGain(_mm_loadu_pd(eLow + i), drive, lowSat, lowSatInv, ceilingDrive));
        _mm_storeu_pd(eMid + i, curve.bandGain(_mm_loadu_pd(eMid + i), drive, midSat, midSatInv, ceilingDrive));
        _mm_storeu_pd(eHigh + i, curve.bandGain(_mm_loadu_pd(eHigh + i), drive, highSat, highSatInv, ceilingDrive));
    }
    for (; i < n; ++i) {
        eLow[i] = bandGain(p.curve, eLow[i], p.driveGain, p.lowSat, p.lowSatInv, p.ceilingDrive);
        eMid[i] = bandGain(p.curve, eMid[i], p.driveGain, p.midSat, p.midSatInv, p.ceilingDrive);
        eHigh[i] = bandGain(p.curve, eHigh[i], p.driveGain, p.highSat, p.highSatInv, p.ceilingDrive);
    }
}

// The limiter gain from each level (1 / e at or above full scale, else 1) on y, then the clip
// to full scale; gMin, when given, takes the gain too.
void applyLimiter(const double* level, int n, double* y, double* gMin)
{
    for (int i = 0; i < n; ++i) {
        const double e = level[i];
        const double gL = e >= 1.0 ? 1.0 / e : 1.0;
        y[i] = clipUnit(y[i] * gL);
        if (gMin)
            gMin[i] = gMin[i] * gL;
    }
}

// The output side of the stereo kernels: the dry samples (input plus offset) and the limited
// sums times the ceiling gain into their rings, the wet-dry mix of the delayed ones into the
// results, and the meters with the gains gl and gr.
void stereoOutput(EngineState& s, const BlockParams& p, const double* d, const double* yl, const double* yr,
                  const double* gl, const double* gr, int n)
{
    RingIndices& ix = s.idx;
    ChannelState& l = s.left;
    ChannelState& r = s.right;
    for (int i = 0; i < n; ++i) {
        const double xl = l.in[i] + d[i];
        const double xr = r.in[i] + d[i];
        l.dry[ix.wd] = xl;
        r.dry[ix.wd] = xr;
        l.out[ix.wd] = yl[i] * p.ceilingGain;
        r.out[ix.wd] = yr[i] * p.ceilingGain;
        const double ol = l.out[ix.rd];
        const double orr = r.out[ix.rd];
        advanceDelay(ix, p);
        const double outL = mixOut(l, p, ol, ix.wd);
        const double outR = mixOut(r, p, orr, ix.wd);
        l.result[i] = outL;
        r.result[i] = outR;
        if (p.metersActive)
            updateMeters(s, p, xl, gl[i], outL, xr, gr[i], outR);
    }
}

// W, R and R2 after n samples.
inline void advanceBandBy(RingIndices& i, const BlockParams& p, int n)
{
    i.w = (i.w + n) & p.bandMask;
    i.r = (i.r + n) & p.bandMask;
    i.r2 = (i.r2 + n) & p.bandMask;
}

}  // namespace

void bypassKernel(EngineState& s, const BlockParams& p, int n)
{
    RingIndices& ix = s.idx;
    for (int i = 0; i < n; ++i) {
        const double d = s.offset.next();
        const double xl = s.left.in[i] + d;
        const double xr = s.right.in[i] + d;
        s.left.dry[ix.wd] = xl;
        s.right.dry[ix.wd] = xr;
        advanceDelay(ix, p);
        const double ol = s.left.dry[ix.wd];
        const double orr = s.right.dry[ix.wd];
        s.left.result[i] = ol;
        s.right.result[i] = orr;
        if (p.metersActive) {
            // Nothing is reduced: the gain-reduction reading is 1.0 in both ballistics.
            s.left.meter.feed(p.meter, xl, 1.0, false, ol);
            s.right.meter.feed(p.meter, xr, 1.0, false, orr);
        }
        advanceBand(ix, p);
    }
}

#pragma GCC diagnostic push  // only the first n entries of the block arrays are written and read
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
void monoThreeBandKernel(EngineState& s, const BlockParams& p, int n)
{
    RingIndices& ix = s.idx;
    ChannelState& c = s.left;
    const MonoRouting m = monoRouting(s, p);
    const TimingValues& t = s.timing;
    const int mask = p.bandMask;
    // In passes like the stereo kernels; every ring keeps its per-sample order.
    alignas(16) double d[2 * kWorkBlock], low[2 * kWorkBlock], mid[2 * kWorkBlock], high[2 * kWorkBlock];
    alignas(16) double pieces[3][2 * kWorkBlock];
    for (int i = 0; i < n; ++i) {
        const double di = s.offset.next();
        d[i] = di;
        const FrontEnd f = frontEnd(s, c, m.processed[i] + di, di);
        BandPieces now;
        const BandPieces del = storeBands(c, p, f, (ix.w + i) & mask, (ix.r + i) & mask, now);
        pieces[0][i] = del.low, pieces[1][i] = del.mid, pieces[2][i] = del.high;
        low[i] = std::fabs(now.low);
        mid[i] = std::fabs(now.mid);
        high[i] = std::fabs(now.high);
    }
    c.peakLow.run(ix.w, ix.r, mask, low, d, low, n);
    c.peakMid.run(ix.w, ix.r, mask, mid, d, mid, n);
    c.peakHigh.run(ix.w, ix.r, mask, high, d, high, n);
    Envelope::updatePair<true>(c.low, c.mid, low, mid, low, mid, n, t.attackCoef, t.lowReleaseCoef, t.midReleaseCoef,
                               p.autoOn, kBandRelease, kBandRelease);
    c.high.updateBlock<true>(high, high, n, t.attackCoef, t.highReleaseCoef, p.autoOn, kBandRelease);
    bandGainsOfBlock(p, low, mid, high, n);
    alignas(16) double y[2 * kWorkBlock], gMin[2 * kWorkBlock], pLim[2 * kWorkBlock];
    for (int i = 0; i < n; ++i) {
        const BandGains g{low[i], mid[i], high[i]};
        gMin[i] = g.min();
        const double sum = weightedSum({pieces[0][i], pieces[1][i], pieces[2][i]}, g);
        c.sum[(ix.w + i) & mask] = sum;
        pLim[i] = std::fabs(sum * kLimiterAim);
        y[i] = c.sum[(ix.r2 + i) & mask];
    }
    c.peakLimiter.run(ix.w, ix.r2, mask, pLim, d, pLim, n);
    if (p.brickwallOn) {
        c.limiter.updateBlock<false>(pLim, pLim, n, t.limiterAttackCoef, t.limiterReleaseCoef, p.autoOn,
                                     kLimiterRelease);
        applyLimiter(pLim, n, y, gMin);
    }
    for (int i = 0; i < n; ++i) {
        const double P = m.processed[i] + d[i];
        const double O = m.other[i] + d[i];
        s.left.dry[ix.wd] = P;
        s.right.dry[ix.wd] = O;
        c.out[ix.wd] = y[i] * p.ceilingGain;
        const double o = c.out[ix.rd];
        advanceDelay(ix, p);
        const double outP = mixOut(c, p, o, ix.wd);
        const double outO = monoOtherOut(p, s.right.dry[ix.wd]);
        monoFinish(s, p, m, i, P, O, outP, outO, gMin[i]);
        advanceBand(ix, p);
    }
}
#pragma GCC diagnostic pop

// In passes over the work block: band rings and detectors, the three envelopes, gains and
// sums, limiter ring and detector, limiter envelope, output. Every ring keeps its per-sample
// order. Only the first n entries of the block arrays are written and read; GCC cannot see
// that through the detector's block run.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
void linkedThreeBandKernel(EngineState& s, const BlockParams& p, int n)
{
    RingIndices& ix = s.idx;
    ChannelState& l = s.left;
    ChannelState& r = s.right;
    const TimingValues& t = s.timing;
    const int mask = p.bandMask;
    StereoBlock b;
    prepareStereo(s, n, b);
    alignas(16) double low[2 * kWorkBlock], mid[2 * kWorkBlock], high[2 * kWorkBlock];
    alignas(16) double dl[3][2 * kWorkBlock], dr[3][2 * kWorkBlock];
    for (int i = 0; i < n; ++i) {
        const int w = (ix.w + i) & mask;
        const int rd = (ix.r + i) & mask;
        BandPieces nl, nr;
        const BandPieces pl = storeBands(l, p, b.left(i), w, rd, nl);
        const BandPieces pr = storeBands(r, p, b.right(i), w, rd, nr);
        dl[0][i] = pl.low, dl[1][i] = pl.mid, dl[2][i] = pl.high;
        dr[0][i] = pr.low, dr[1][i] = pr.mid, dr[2][i] = pr.high;
        low[i] = std::max(std::fabs(nl.low), std::fabs(nr.low));
        mid[i] = std::max(std::fabs(nl.mid), std::fabs(nr.mid));
        high[i] = std::max(std::fabs(nl.high), std::fabs(nr.high));
    }
    l.peakLow.run(ix.w, ix.r, mask, low, b.d, low, n);
    l.peakMid.run(ix.w, ix.r, mask, mid, b.d, mid, n);
    l.peakHigh.run(ix.w, ix.r, mask, high, b.d, high, n);
    // Detector outputs become envelope levels, then gains.
    Envelope::updatePair<true>(l.low, l.mid, low, mid, low, mid, n, t.attackCoef, t.lowReleaseCoef, t.midReleaseCoef,
                               p.autoOn, kBandRelease, kBandRelease);
    l.high.updateBlock<true>(high, high, n, t.attackCoef, t.highReleaseCoef, p.autoOn, kLinkedHighRelease);
    bandGainsOfBlock(p, low, mid, high, n);

    alignas(16) double yl[2 * kWorkBlock], yr[2 * kWorkBlock], gMin[2 * kWorkBlock], pLim[2 * kWorkBlock];
    for (int i = 0; i < n; ++i) {
        const BandGains g{low[i], mid[i], high[i]};
        gMin[i] = g.min();
        const double sl = weightedSum({dl[0][i], dl[1][i], dl[2][i]}, g);
        const double sr = weightedSum({dr[0][i], dr[1][i], dr[2][i]}, g);
        const int w = (ix.w + i) & mask;
        const int r2 = (ix.r2 + i) & mask;
        l.sum[w] = sl;
        r.sum[w] = sr;
        pLim[i] = std::max(std::fabs(sl * kLimiterAim), std::fabs(sr * kLimiterAim));
        yl[i] = l.sum[r2];
        yr[i] = r.sum[r2];
    }
    l.peakLimiter.run(ix.w, ix.r2, mask, pLim, b.d, pLim, n);
    if (p.brickwallOn) {
        l.limiter.updateBlock<false>(pLim, pLim, n, t.limiterAttackCoef, t.limiterReleaseCoef, p.autoOn,
                                     kLimiterRelease);
        applyLimiter(pLim, n, yl, gMin);
        applyLimiter(pLim, n, yr, nullptr);
    }
    stereoOutput(s, p, b.d, yl, yr, gMin, gMin, n);
    advanceBandBy(ix, p, n);
}
#pragma GCC diagnostic pop

namespace {

// Per channel of the unlinked three-band kernel: detector outputs (then envelope levels,
// then limiter detector outputs) and delayed band pieces for the work block.
struct UnlinkedChannelBlock {
    alignas(16) double pLow[2 * kWorkBlock], pMid[2 * kWorkBlock], pHigh[2 * kWorkBlock];
    alignas(16) double dLow[2 * kWorkBlock], dMid[2 * kWorkBlock], dHigh[2 * kWorkBlock];
    alignas(16) double pLim[2 * kWorkBlock];
};

// Band rings and band detectors of one channel; ix holds the indices at the block start and
// every ring keeps its per-sample order.
void detectBands(ChannelState& c, const BlockParams& p, const RingIndices& ix, const StereoBlock& b, bool left, int n,
                 UnlinkedChannelBlock& u)
{
    const int mask = p.bandMask;
    for (int i = 0; i < n; ++i) {
        const int w = (ix.w + i) & mask;
        const int r = (ix.r + i) & mask;
        const FrontEnd f = left ? b.left(i) : b.right(i);
        BandPieces now;
        const BandPieces del = storeBands(c, p, f, w, r, now);
        u.dLow[i] = del.low;
        u.dMid[i] = del.mid;
        u.dHigh[i] = del.high;
        u.pLow[i] = std::fabs(now.low);
        u.pMid[i] = std::fabs(now.mid);
        u.pHigh[i] = std::fabs(now.high);
    }
    c.peakLow.run(ix.w, ix.r, mask, u.pLow, b.d, u.pLow, n);
    c.peakMid.run(ix.w, ix.r, mask, u.pMid, b.d, u.pMid, n);
    c.peakHigh.run(ix.w, ix.r, mask, u.pHigh, b.d, u.pHigh, n);
}

// Band gains from the envelope levels, the weighted sum into the sum ring and the limiter
// detector of one channel; y receives the sums read at the limiter read index.
void sumAndDetectLimiter(ChannelState& c, const BlockParams& p, const RingIndices& ix, const StereoBlock& b, int n,
                         UnlinkedChannelBlock& u, double* y, double* gMin)
{
    const int mask = p.bandMask;
    bandGainsOfBlock(p, u.pLow, u.pMid, u.pHigh, n);
    alignas(16) double sums[2 * kWorkBlock];
    for (int i = 0; i < n; ++i) {
        const BandGains g{u.pLow[i], u.pMid[i], u.pHigh[i]};
        gMin[i] = g.min();
        sums[i] = weightedSum({u.dLow[i], u.dMid[i], u.dHigh[i]}, g);
    }
    for (int i = 0; i < n; ++i) {
        const int w = (ix.w + i) & mask;
        const int r2 = (ix.r2 + i) & mask;
        c.sum[w] = sums[i];
        u.pLim[i] = std::fabs(sums[i] * kLimiterAim);
        y[i] = c.sum[r2];
    }
    c.peakLimiter.run(ix.w, ix.r2, mask, u.pLim, b.d, u.pLim, n);
}

}  // namespace

void unlinkedThreeBandKernel(EngineState& s, const BlockParams& p, int n)
{
    RingIndices& ix = s.idx;
    ChannelState& l = s.left;
    ChannelState& r = s.right;
    const TimingValues& t = s.timing;
    StereoBlock b;
    prepareStereo(s, n, b);
    UnlinkedChannelBlock ul, ur;
    detectBands(l, p, ix, b, true, n, ul);
    detectBands(r, p, ix, b, false, n, ur);
    // The envelope levels replace the detector values; left and right run as a pair.
    Envelope::updatePair<true>(l.low, r.low, ul.pLow, ur.pLow, ul.pLow, ur.pLow, n, t.attackCoef, t.lowReleaseCoef,
                               t.lowReleaseCoef, p.autoOn, kBandRelease, kBandRelease);
    Envelope::updatePair<true>(l.mid, r.mid, ul.pMid, ur.pMid, ul.pMid, ur.pMid, n, t.attackCoef, t.midReleaseCoef,
                               t.midReleaseCoef, p.autoOn, kBandRelease, kBandRelease);
    Envelope::updatePair<true>(l.high, r.high, ul.pHigh, ur.pHigh, ul.pHigh, ur.pHigh, n, t.attackCoef,
                               t.highReleaseCoef, t.highReleaseCoef, p.autoOn, kBandRelease, kBandRelease);
    alignas(16) double yl[2 * kWorkBlock], yr[2 * kWorkBlock], gl[2 * kWorkBlock], gr[2 * kWorkBlock];
    sumAndDetectLimiter(l, p, ix, b, n, ul, yl, gl);
    sumAndDetectLimiter(r, p, ix, b, n, ur, yr, gr);
    if (p.brickwallOn) {
        Envelope::updatePair<false>(l.limiter, r.limiter, ul.pLim, ur.pLim, ul.pLim, ur.pLim, n, t.limiterAttackCoef,
                                    t.limiterReleaseCoef, t.limiterReleaseCoef, p.autoOn, kLimiterRelease,
                                    kLimiterRelease);
        applyLimiter(ul.pLim, n, yl, gl);
        applyLimiter(ur.pLim, n, yr, gr);
    }
    stereoOutput(s, p, b.d, yl, yr, gl, gr, n);
    advanceBandBy(ix, p, n);
}

namespace {

inline double toneShapedOf(const FrontEnd& f, const BlockParams& p)
{
    return toneShaped(f.h, f.hp, f.lp, p.lowGain - 1.0, p.highGain - 1.0);
}

inline double finishSingle(const BlockParams& p, double y, double g)
{
    y = y * g;
    return p.brickwallOn ? clipUnit(y) : y;
}

}  // namespace

#pragma GCC diagnostic push  // only the first n entries of the block arrays are written and read
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
void monoSingleBandKernel(EngineState& s, const BlockParams& p, int n)
{
    RingIndices& ix = s.idx;
    ChannelState& c = s.left;
    const MonoRouting m = monoRouting(s, p);
    const int mask = p.bandMask;
    alignas(16) double d[2 * kWorkBlock], h[2 * kWorkBlock], v[2 * kWorkBlock], y[2 * kWorkBlock];
    for (int i = 0; i < n; ++i) {
        const double di = s.offset.next();
        d[i] = di;
        const FrontEnd f = frontEnd(s, c, m.processed[i] + di, di);
        h[i] = f.h;
        const double sig = toneShapedOf(f, p);
        c.sum[(ix.w + i) & mask] = sig;
        v[i] = std::fabs(sig * kLimiterAim);
        y[i] = c.sum[(ix.r + i) & mask];
    }
    c.peakLimiter.run(ix.w, ix.r, mask, v, d, v, n);
    c.limiter.updateBlock<true>(v, v, n, s.timing.attackCoef, s.timing.releaseCoef, p.autoOn, kSingleRelease);
    singleBandGains(p, v, n);  // levels become gains
    for (int i = 0; i < n; ++i) {
        const double P = m.processed[i] + d[i];
        const double O = m.other[i] + d[i];
        s.right.dry[ix.wd] = O;
        c.dry[ix.wd] = h[i];  // the dry path is DC-blocked
        const double g = v[i];
        c.out[ix.wd] = finishSingle(p, y[i], g) * p.ceilingGain;
        const double o = c.out[ix.rd];
        advanceDelay(ix, p);
        const double outP = mixOut(c, p, o, ix.wd);
        const double outO = monoOtherOut(p, s.right.dry[ix.wd]);
        monoFinish(s, p, m, i, P, O, outP, outO, g);
        advanceBand(ix, p);
    }
}
#pragma GCC diagnostic pop

namespace {

// The front end, the detector and the envelope of the linked single-band kernel in one loop,
// the envelope kSkew samples behind: its recursion then overlaps with the front end's
// instead of running after it. The rings keep their per-sample order.
constexpr int kSkew = 8;

template <bool Auto>
void linkedSingleBandDetect(EngineState& s, const BlockParams& p, const ReleaseShape& shape, int n, double* d,
                            double* yl, double* yr, double* e)
{
    RingIndices& ix = s.idx;
    ChannelState& l = s.left;
    ChannelState& r = s.right;
    const int mask = p.bandMask;
    StereoFrontEndLanes front(s.dcCoefs, s.lowSplitCoefs, s.highSplitCoefs, l.dc, r.dc, l.lowSplit, r.lowSplit,
                              l.highSplit, r.highSplit);
    Envelope::Stepper<true, Auto> env(l.limiter, s.timing.attackCoef, s.timing.releaseCoef, shape);
    const __m128d lowLess1 = _mm_set1_pd(p.lowGain - 1.0), highLess1 = _mm_set1_pd(p.highGain - 1.0);
    const __m128d aim = _mm_set1_pd(kLimiterAim);
    const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7fffffffffffffff));
    double pk[2 * kWorkBlock];
    int w = ix.w, q = ix.r;
    for (int i = 0; i < n; ++i) {
        const double di = s.offset.next();
        d[i] = di;
        __m128d h, hp, lp;
        front.step(_mm_set_pd(r.in[i] + di, l.in[i] + di), _mm_set1_pd(di), h, hp, lp);
        // toneShaped in each lane
        const __m128d t = _mm_add_pd(_mm_add_pd(h, _mm_mul_pd(_mm_sub_pd(h, hp), lowLess1)),
                                     _mm_mul_pd(_mm_sub_pd(h, lp), highLess1));
        _mm_storel_pd(&l.sum[w], t);
        _mm_storeh_pd(&r.sum[w], t);
        yl[i] = l.sum[q];
        yr[i] = r.sum[q];
        // std::max(|sl|, |sr|) is |sr| when |sl| < |sr|, else |sl|
        const __m128d mag = _mm_and_pd(_mm_mul_pd(t, aim), magnitude);
        const __m128d magR = _mm_unpackhi_pd(mag, mag);
        const __m128d lessL = _mm_cmplt_sd(mag, magR);
        const double v = _mm_cvtsd_f64(_mm_or_pd(_mm_and_pd(lessL, magR), _mm_andnot_pd(lessL, mag)));
        pk[i] = l.peakLimiter.next(w, q, mask, v, di);
        w = (w + 1) & mask;
        q = (q + 1) & mask;
        if (i >= kSkew)
            e[i - kSkew] = env.step(pk[i - kSkew]);
    }
    for (int i = n > kSkew ? n - kSkew : 0; i < n; ++i)
        e[i] = env.step(pk[i]);
    env.store(l.limiter);
    front.store(l.dc, r.dc, l.lowSplit, r.lowSplit, l.highSplit, r.highSplit);
    ix.w = w;
    ix.r = q;
    ix.r2 = (ix.r2 + n) & mask;
}

}  // namespace

#pragma GCC diagnostic push  // only the first n entries of the block arrays are written and read
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
void linkedSingleBandKernel(EngineState& s, const BlockParams& p, int n)
{
    const ReleaseShape shape{kSingleRelease.c, kSingleRelease.k, kSingleRelease.o, p.linkedSingleAutoM};
    alignas(16) double d[2 * kWorkBlock], yl[2 * kWorkBlock], yr[2 * kWorkBlock], e[2 * kWorkBlock];
    // The envelope's smoothers are low-pass filters, so it can be stepped as a packed pair.
    if (p.autoOn) {
        linkedSingleBandDetect<true>(s, p, shape, n, d, yl, yr, e);
    } else {
        linkedSingleBandDetect<false>(s, p, shape, n, d, yl, yr, e);
    }
    singleBandGains(p, e, n);  // levels become gains
    for (int i = 0; i < n; ++i) {
        yl[i] = finishSingle(p, yl[i], e[i]);
        yr[i] = finishSingle(p, yr[i], e[i]);
    }
    stereoOutput(s, p, d, yl, yr, e, e, n);
}
#pragma GCC diagnostic pop

#pragma GCC diagnostic push  // only the first n entries of the block arrays are written and read
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
void unlinkedSingleBandKernel(EngineState& s, const BlockParams& p, int n)
{
    RingIndices& ix = s.idx;
    ChannelState& l = s.left;
    ChannelState& r = s.right;
    const int mask = p.bandMask;
    StereoBlock b;
    prepareStereo(s, n, b);
    alignas(16) double vl[2 * kWorkBlock], vr[2 * kWorkBlock], yl[2 * kWorkBlock], yr[2 * kWorkBlock];
    for (int i = 0; i < n; ++i) {
        const int w = (ix.w + i) & mask;
        const int rd = (ix.r + i) & mask;
        const double sl = toneShapedOf(b.left(i), p);
        const double sr = toneShapedOf(b.right(i), p);
        l.sum[w] = sl;
        r.sum[w] = sr;
        vl[i] = std::fabs(sl * kLimiterAim);
        vr[i] = std::fabs(sr * kLimiterAim);
        yl[i] = l.sum[rd];
        yr[i] = r.sum[rd];
    }
    l.peakLimiter.run(ix.w, ix.r, mask, vl, b.d, vl, n);
    r.peakLimiter.run(ix.w, ix.r, mask, vr, b.d, vr, n);
    // The left channel's Auto uses k = 4, the right k = 3.
    Envelope::updatePair<true>(l.limiter, r.limiter, vl, vr, vl, vr, n, s.timing.attackCoef, s.timing.releaseCoef,
                               s.timing.releaseCoef, p.autoOn, kSingleLeftUnlinkedRelease, kSingleRelease);
    singleBandGains(p, vl, n);  // levels become gains
    singleBandGains(p, vr, n);
    for (int i = 0; i < n; ++i) {
        yl[i] = finishSingle(p, yl[i], vl[i]);
        yr[i] = finishSingle(p, yr[i], vr[i]);
    }
    stereoOutput(s, p, b.d, yl, yr, vl, vr, n);
    advanceBandBy(ix, p, n);
}
#pragma GCC diagnostic pop

}  // namespace velda

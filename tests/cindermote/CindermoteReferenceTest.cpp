// The processing against a plain per-sample model written straight from the algorithm, sample
// for sample and bit for bit: the engine's per-block shortcuts must not change a single bit.
#include <cmath>
#include <vector>

#include "cindermote/CindermoteParameters.h"
#include "emberline2/dsp/BiquadFilter.h"
#include "emberline2/dsp/VeldaMath.h"
#include "tests/cindermote/CindermoteFixture.h"

using namespace velda::cindermote;
using velda::test::TinyLcg;
namespace math = velda::math;

namespace {

struct Biquad {
    double b0, b1, b2, a1, a2;
};

Biquad designHighPass(double w, double alpha)
{
    const double c = math::cos(w), a0 = 1.0 + alpha;
    return {(1.0 + c) / 2.0 / a0, -(1.0 + c) / a0, (1.0 + c) / 2.0 / a0, -2.0 * c / a0, (1.0 - alpha) / a0};
}

Biquad designLowPass(double w, double alpha)
{
    const double c = math::cos(w), a0 = 1.0 + alpha;
    return {(1.0 - c) / 2.0 / a0, (1.0 - c) / a0, (1.0 - c) / 2.0 / a0, -2.0 * c / a0, (1.0 - alpha) / a0};
}

struct Settings {
    double rate, drive, lowGain, highGain, outputGain, kneeShape;
    int kneeMode;
    bool process, stereo, linked;
    float speed;
    double releaseMul;
};

// What the meters are told; they read the input before the offset (Pre), |g| / smallSignalGain
// (GainRed) or the output (Post), and count overs on the input (Pre) or the output.
struct MeterSettings {
    int source;
    bool ppm;
    double vuReferenceInv, overCount, smallSignalGain, vuIntegrationMs, ppmIntegrationMs, ppmReturnMs;
    float ppmRatio;
};

class Model {
public:
    explicit Model(const Settings& s) : s(s)
    {
        const double w = 94.24777960769379 / s.rate;
        dc = designHighPass(w, math::sin(w) / 1.4142);
        const double wl = 2.0 * math::kPi * 80.0 / s.rate, wh = 2.0 * math::kPi * 12000.0 / s.rate;
        lowSplit = designHighPass(wl, math::sin(wl));
        highSplit = designLowPass(wh, math::sin(wh));
        n = s.rate < 50000.0 ? 64 : (s.rate < 100000.0 ? 128 : 256);
        w_ = n - 1;
        for (auto* ring : {&delay[0], &delay[1], &peak[0], &peak[1], &out[0], &out[1]}) ring->assign(n, 0.0);
        setTiming(s.speed, s.releaseMul);
    }

    // The read position moves with the look-ahead; the rings keep their contents.
    void setTiming(float speed, double releaseMul)
    {
        attackLength = (int)(math::pow(16.0, (double)speed) * 0.075 * 0.001 * s.rate);
        attackCoef = 1.0 - math::pow(0.05, 1.0 / attackLength);
        releaseCoef =
            1.0 - math::pow(0.05, 1.0 / (math::pow(48.0, (double)speed) * releaseMul * 0.65 * 0.001 * s.rate));
        r_ = ((w_ - attackLength - 1) % n + n) % n;
    }

    void setMeters(const MeterSettings& m)
    {
        meters = m;
        metering = true;
        for (int c = 0; c < 2; ++c) {
            vu[c] = velda::BiquadFilter(s.rate, velda::BiquadFilter::kLowPass, 700.0 / m.vuIntegrationMs, 0.583, 0.0);
            level[c] = m.source == 1 ? 1.0f : 0.0f;
        }
        rise = m.ppmIntegrationMs <= 0.05 ? 1.0 : 1.0 - math::pow(0.01, 1.0 / (m.ppmIntegrationMs * s.rate * 0.001));
        fall = 1.0 - math::pow(0.01, 1.0 / (s.rate * m.ppmReturnMs * 0.001));
        levelFactor = math::pow(10.0, 0.19 * math::pow((double)m.ppmRatio, 0.6));
    }

    // Turns counts that reached the hold count into flags, as at the end of a host block.
    void endOfHostBlock()
    {
        for (int c = 0; c < 2; ++c)
            if (counter[c] >= meters.overCount) {
                flag[c] = 1.0f;
                counter[c] = 0.0f;
            }
    }

    float level[2] = {0.0f, 0.0f};
    float flag[2] = {0.0f, 0.0f};

    void run(const std::vector<double>& inL, const std::vector<double>& inR, std::vector<double>& oL,
             std::vector<double>& oR)
    {
        for (size_t i = 0; i < inL.size(); ++i) {
            d = -d;
            if (!s.process) {
                delay[0][w_] = inL[i] + d;  // the bypass rings
                delay[1][w_] = inR[i] + d;
                advance();
                oL[i] = delay[0][w_];
                oR[i] = delay[1][w_];
                const double unity[2] = {1.0, 1.0};
                meter({inL[i], inR[i]}, {oL[i], oR[i]}, unity, 1.0);
                continue;
            }
            const int channels = s.stereo ? 2 : 1;
            double x[2] = {inL[i] + d, inR[i] + d};
            if (!s.stereo) x[0] = (inR[i] + x[0]) * 0.5;
            double y[2], g[2];
            for (int c = 0; c < channels; ++c) {
                State& st = state[c];
                const double h = dc.b0 * x[c] + dc.b1 * st.x1 + dc.b2 * st.x2 - dc.a1 * st.h1 - dc.a2 * st.h2 + d;
                st.x2 = st.x1, st.x1 = x[c], st.h2 = st.h1, st.h1 = h;
                const double wl = h - lowSplit.a1 * st.l1 - lowSplit.a2 * st.l2 + d;
                const double lowOut = (wl + st.l2) * lowSplit.b0 + st.l1 * lowSplit.b1;
                st.l2 = st.l1, st.l1 = wl;
                const double wh = h - highSplit.a1 * st.u1 - highSplit.a2 * st.u2 + d;
                const double highOut = (wh + st.u2) * highSplit.b0 + st.u1 * highSplit.b1;
                st.u2 = st.u1, st.u1 = wh;
                y[c] = h + (h - lowOut) * (s.lowGain - 1.0) + (h - highOut) * (s.highGain - 1.0);
                delay[c][w_] = y[c];
            }
            if (s.stereo && s.linked) {
                const double p = std::max(std::fabs(y[0] * 1.0115795), std::fabs(y[1] * 1.0115795));
                g[0] = g[1] = gainFor(0, p);
            } else {
                for (int c = 0; c < channels; ++c) g[c] = gainFor(c, std::fabs(y[c] * 1.0115795));
            }
            for (int c = 0; c < channels; ++c) {
                double o = delay[c][r_] * g[c];
                o = o > 1.0 ? 1.0 : (o < -1.0 ? -1.0 : o);
                out[c][r_] = o;
            }
            advance();
            oL[i] = s.outputGain * out[0][w_];
            oR[i] = s.stereo ? s.outputGain * out[1][w_] : oL[i];
            if (!s.stereo) g[1] = g[0];
            const double mono = (inR[i] + inL[i]) * 0.5;
            meter({s.stereo ? inL[i] : mono, s.stereo ? inR[i] : mono}, {oL[i], oR[i]}, g, meters.smallSignalGain);
        }
    }

private:
    struct State {
        double x1 = 0, x2 = 0, h1 = 0, h2 = 0, l1 = 0, l2 = 0, u1 = 0, u2 = 0;
    };

    struct Pair {
        double l, r;
    };

    void meter(Pair in, Pair outs, const double* g, double divisor)
    {
        if (!metering) return;
        for (int c = 0; c < 2; ++c) {
            const double x = c ? in.r : in.l, o = c ? outs.r : outs.l;
            const double over = meters.source == 0 ? x : o;
            if (std::fabs(over) >= 1.0)
                counter[c] = counter[c] + 1.0f;
            else if (counter[c] < meters.overCount)
                counter[c] = 0.0f;
            const double signal = meters.source == 0 ? x : o;
            const double gain = std::fabs(g[c]) / divisor;
            if (!meters.ppm) {
                const double input =
                    meters.source == 1 ? gain : std::fabs(signal) * 1.4142136 * 1.096 * meters.vuReferenceInv;
                level[c] = (float)vu[c].process(input);
            } else if (meters.source == 1) {
                const double m = level[c];
                level[c] = (float)(m + (gain - m) * (m <= gain ? fall : rise) + d);
            } else {
                const double m = level[c], v = std::fabs(signal) * levelFactor;
                level[c] = (float)(m + (v - m) * (v <= m ? fall : rise) + d);
            }
        }
    }

    void advance()
    {
        r_ = (r_ + 1) % n;
        w_ = (w_ + 1) % n;
    }

    double gainFor(int c, double p)
    {
        std::vector<double>& ring = peak[c];
        ring[w_] = p;
        for (int i = w_;;) {
            i = (i - 1 + n) % n;
            if (ring[i] >= p || i == r_) break;
            ring[i] = p;
        }
        if (ring[r_] < p) ring[r_] = p;
        const double e = ring[r_] + 0.0009766 + d;
        ring[r_] = 0.0;
        double& env = envelope[c];
        env = e > env ? env + (e - env) * attackCoef : env + (e - env) * releaseCoef;
        if (env < 0.000001) env = 0.000001;
        const double x = env * s.drive, k = s.kneeShape;
        if (s.kneeMode == 0) return x >= 1.0 ? 1.0 / env : (x * (1.0 - k) + (2.0 * x - x * x) * k) / env;
        const double m = 1.4 * math::pow(30.0, 1.0 - math::sqrt(math::sqrt(math::sqrt(k))));
        const double yy = x * m / (x + m - 1.0);
        return yy >= 1.0 ? 1.0 / env : (2.0 * yy - yy * yy) / env;
    }

    Settings s;
    Biquad dc, lowSplit, highSplit;
    int attackLength, n, w_, r_;
    double attackCoef, releaseCoef, d = 1e-16;
    double envelope[2] = {0.0001, 0.0001};
    State state[2];
    std::vector<double> delay[2], peak[2], out[2];
    bool metering = false;
    MeterSettings meters{};
    velda::BiquadFilter vu[2];
    float counter[2] = {0.0f, 0.0f};
    double rise = 1.0, fall = 1.0, levelFactor = 1.0;
};

struct ReferenceCase {
    int program;
    float stereoMono, process;
    double rate;
};

TEST(CindermoteReference, BitIdenticalToThePlainModel)
{
    velda::platform::ScopedRegistryRoot store;
    velda::test::FakeHost host;
    const ReferenceCase cases[] = {{0, 1.0f, 1.0f, 44100.0},  {11, 1.0f, 1.0f, 44100.0}, {1, 1.0f, 1.0f, 44100.0},
                                   {8, 1.0f, 1.0f, 96000.0},  {3, 1.0f, 1.0f, 48000.0},  {7, 0.0f, 1.0f, 44100.0},
                                   {0, 0.0f, 1.0f, 192000.0}, {6, 1.0f, 0.0f, 44100.0}};
    const size_t frames = 30000;
    std::vector<double> inL(frames), inR(frames);
    TinyLcg a(3), b(4);
    for (size_t i = 0; i < frames; ++i) {
        const double level = (i / 3000) % 2 ? 1.5 : 0.2;
        inL[i] = a.next() * level;
        inR[i] = b.next() * level * 0.5 + inL[i] * 0.5;
    }
    for (const ReferenceCase& c : cases) {
        Cindermote fx(velda::test::FakeHost::callback);
        velda::test::startAt(fx, (float)c.rate);
        fx.selectProgram(c.program);
        fx.setParameter(kStereoMono, c.stereoMono);
        fx.setParameter(kProcess, c.process);
        const CindermoteValues& v = fx.engineeringValues();
        Model model({c.rate, v.driveGain, v.lowGain, v.highGain, v.outputGain, v.kneeShape, v.kneeMode,
                     c.process > 0.5f, c.stereoMono > 0.5f, v.linkOn != 0, v.speedValue, v.releaseMul});
        std::vector<double> expectL(frames), expectR(frames), outL(frames), outR(frames);
        model.run(inL, inR, expectL, expectR);
        for (size_t at = 0; at < frames; at += 300) {
            double* in[2] = {inL.data() + at, inR.data() + at};
            double* out[2] = {outL.data() + at, outR.data() + at};
            fx.processDoubleReplacing(in, out, 300);
        }
        size_t firstDifference = frames;
        for (size_t i = 0; i < frames && firstDifference == frames; ++i)
            if (outL[i] != expectL[i] || outR[i] != expectR[i]) firstDifference = i;
        EXPECT_EQ(firstDifference, frames) << "program " << c.program << " at " << c.rate << ": "
                                           << (firstDifference < frames ? outL[firstDifference] : 0.0) << " vs "
                                           << (firstDifference < frames ? expectL[firstDifference] : 0.0);
    }
}

}  // namespace

struct MeteredCase {
    int program;
    float stereoMono, process, meters, meterScale, output;
    double rate;
};

// Meters, over flags and look-ahead changes in the middle of the signal, sample for sample.
TEST(CindermoteReference, MetersAndTimingChangesMatchThePlainModel)
{
    velda::platform::ScopedRegistryRoot store;
    velda::test::FakeHost host;
    const MeteredCase cases[] = {
        {0, 1.0f, 1.0f, 0.0f, 0.0f, 0.5f, 44100.0},  {1, 1.0f, 1.0f, 0.5f, 0.0f, 0.5f, 44100.0},
        {3, 1.0f, 1.0f, 1.0f, 0.0f, 1.0f, 48000.0},  {11, 1.0f, 1.0f, 0.0f, 1.0f, 0.5f, 44100.0},
        {8, 1.0f, 1.0f, 0.5f, 1.0f, 0.5f, 96000.0},  {6, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 44100.0},
        {7, 0.0f, 1.0f, 0.0f, 0.0f, 0.5f, 44100.0},  {7, 0.0f, 1.0f, 0.5f, 1.0f, 1.0f, 192000.0},
        {2, 1.0f, 0.0f, 0.0f, 1.0f, 0.5f, 44100.0},  {2, 1.0f, 0.0f, 0.5f, 0.0f, 0.5f, 44100.0},
        {2, 1.0f, 0.0f, 1.0f, 1.0f, 0.5f, 44100.0},
    };
    struct TimingChange {
        size_t at;
        float speed, releaseMul;
    };
    const TimingChange changes[] = {{6000, 0.1f, 0.5f}, {12000, 0.9f, 0.8f}, {18000, 0.0f, 0.2f}, {24000, 0.6f, 1.0f}};
    const size_t frames = 30000, chunk = 300;
    std::vector<double> inL(frames), inR(frames);
    TinyLcg a(5), b(6);
    for (size_t i = 0; i < frames; ++i) {
        const double level = (i / 2500) % 2 ? 1.2 : 0.3;
        inL[i] = a.next() * level;
        inR[i] = b.next() * level * 0.5 + inL[i] * 0.5;
    }
    for (const MeteredCase& c : cases) {
        Cindermote fx(velda::test::FakeHost::callback);
        fx.setParameter(kMeters, c.meters);
        fx.setParameter(kMeterScale, c.meterScale);
        fx.setParameter(kOverIndicator, 1.0f / 9.0f);
        velda::test::startAt(fx, (float)c.rate);
        fx.selectProgram(c.program);
        fx.setParameter(kStereoMono, c.stereoMono);
        fx.setParameter(kProcess, c.process);
        fx.setParameter(kOutput, c.output);
        fx.engine().metersActive = 1;
        const CindermoteValues& v = fx.engineeringValues();
        Model model({c.rate, v.driveGain, v.lowGain, v.highGain, v.outputGain, v.kneeShape, v.kneeMode,
                     c.process > 0.5f, c.stereoMono > 0.5f, v.linkOn != 0, v.speedValue, v.releaseMul});
        model.setMeters({v.meterSource, c.meterScale >= 0.5f, v.vuReferenceInv, v.overCount, v.smallSignalGain,
                         v.vuIntegrationMs, v.ppmIntegrationMs, v.ppmReturnMs, v.ppmRatio});
        std::vector<double> outL(frames), outR(frames), expectL(chunk), expectR(chunk);
        size_t mismatches = 0, flags = 0;
        for (size_t at = 0; at < frames; at += chunk) {
            for (const TimingChange& t : changes)
                if (t.at == at) {
                    fx.setParameter(kSpeed, t.speed);
                    fx.setParameter(kReleaseMul, t.releaseMul);
                    model.setTiming(v.speedValue, v.releaseMul);
                }
            const std::vector<double> partL(inL.begin() + at, inL.begin() + at + chunk);
            const std::vector<double> partR(inR.begin() + at, inR.begin() + at + chunk);
            model.run(partL, partR, expectL, expectR);
            model.endOfHostBlock();
            double* in[2] = {inL.data() + at, inR.data() + at};
            double* out[2] = {outL.data() + at, outR.data() + at};
            fx.processDoubleReplacing(in, out, (int)chunk);
            for (size_t i = 0; i < chunk; ++i)
                if (outL[at + i] != expectL[i] || outR[at + i] != expectR[i]) ++mismatches;
            auto& engine = fx.engine();
            if (engine.meterLeft.get() != model.level[0] || engine.meterRight.get() != model.level[1] ||
                engine.overFlagLeft.get() != model.flag[0] || engine.overFlagRight.get() != model.flag[1])
                ++mismatches;
            flags += model.flag[0] != 0.0f;
            engine.overFlagLeft = 0.0f;
            engine.overFlagRight = 0.0f;
            model.flag[0] = model.flag[1] = 0.0f;
        }
        EXPECT_EQ(mismatches, 0u) << "program " << c.program << " meters " << c.meters << " scale " << c.meterScale;
        if (c.meters == 0.0f || c.output == 1.0f) {
            EXPECT_GT(flags, 0u) << "program " << c.program;
        }
    }
}

// The engine against a plain one-sample-at-a-time model written from the behaviour alone
// (no engine code but the filter object), bit for bit: every kernel, with and without Auto,
// Brick-wall, both curve families, the mono channel choices, the meter sources and ballistics,
// both generations, the plain delays and the oversampled path on its 256-entry rings.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "emberline2/dsp/BiquadFilter.h"
#include "tests/emberline2/EngineFixture.h"

namespace {

using velda::BiquadFilter;
using velda::EngineeringValues;
using velda::test::EngineRig;
using velda::test::KernelSetup;

constexpr double kPi = 3.14159265358979323846;

struct Settings {
    double drive = 2.5, knee = 0.3;
    int kneeMode = 0;
    float speed = 0.6f;
    float release = 0.7f;
    int longOn = 0, autoOn = 0, brickwall = 1;
    float channel = 0.0f;  // L R value
    double lowSat = 0.8, midSat = 1.2, highSat = 0.7;
    double lowRel = 0.5, midRel = 1.5, highRel = 3.0;
    double lowGain = 1.3, highGain = 0.8, mix = 0.85, ceiling = 0.9, ceilingDrive = 1.1, output = 1.2;
    double lowSplit = 150.0, highSplit = 3000.0;
    bool meters = false;
    int source = 1;
    float meterType = 0.0f;
    double vuMs = 300.0, vuRefInv = 5.2, ppmIntegration = 10.0, ppmReturn = 1000.0;
    float ppmRatio = 0.01f;
    double smallSignalGain = 2.0, overCount = 2.0;
};

struct Lp {  // the two-coefficient-pair split and DC blocker coefficients
    double b0, b1, b2, a1, a2;
};

Lp highPassOf(double f, double fs, double alphaDiv)
{
    const double w = 2.0 * kPi * f / fs;
    const double alpha = std::sin(w) / alphaDiv;
    const double n = 1.0 / (1.0 + alpha);
    const double cw = std::cos(w);
    return {(1.0 + cw) / 2.0 * n, -(1.0 + cw) * n, (1.0 + cw) / 2.0 * n, -2.0 * cw * n, (1.0 - alpha) * n};
}

Lp lowPassOf(double f, double fs)
{
    const double w = 2.0 * kPi * f / fs;
    const double alpha = std::sin(w);
    const double n = 1.0 / (1.0 + alpha);
    const double cw = std::cos(w);
    return {(1.0 - cw) / 2.0 * n, (1.0 - cw) * n, (1.0 - cw) / 2.0 * n, -2.0 * cw * n, (1.0 - alpha) * n};
}

struct Smoothed {
    double e = 0.0001;
    BiquadFilter fast, slow;
    Smoothed(double rate, double f, double s)
        : fast(rate, BiquadFilter::kLowPass, f, 0.5, 0.0), slow(rate, BiquadFilter::kLowPass, s, 0.5, 0.0)
    {
    }
    double update(double p, double ca, double cr, bool autoOn, double c, double k, double o, double m, bool floor)
    {
        const double fa = fast.process(p);
        const double sl = slow.process(p);
        if (p > e)
            e = e + (p - e) * ca;
        else if (autoOn) {
            const double r = fa * c / (sl + 0.000001);
            e = e + (p - e) * cr * (k * r / (r + 1.0) + o) * m;
        } else
            e = e + (p - e) * cr;
        if (floor && e < 0.000001)
            e = 0.000001;
        return e;
    }
};

class Model {
public:
    Model(double rate, bool firstGen, const Settings& s, bool fat = false)
        : fs(fat ? 2.0 * rate : rate), gen1(firstGen), oversampled(fat), st(s), B(firstGen ? (rate < 50000 ? 64 : (rate < 100000 ? 128 : 256))
                                                      : (rate < 50000 ? 256 : (rate < 100000 ? 512 : 1024))),
          D(2 * B),
          env{{Smoothed(fs, 50, 5), Smoothed(fs, 200, 20), Smoothed(fs, 1000, 100), Smoothed(fs, 200, 20)},
              {Smoothed(fs, 200, 20), Smoothed(fs, 200, 20), Smoothed(fs, 200, 20), Smoothed(fs, 200, 20)}},
          vu{BiquadFilter(fs, BiquadFilter::kLowPass, 700.0 / s.vuMs, 0.583, 0.0),
             BiquadFilter(fs, BiquadFilter::kLowPass, 700.0 / s.vuMs, 0.583, 0.0)}
    {
        for (int i = 0; i < 128; ++i) {
            double k = 0.5;
            if (i > 0)
                k = std::sin(i * kPi / 2.0) / (256.0 * std::sin(i * kPi / 255.0));
            up[i] = 2.0 * k * (0.42 + 0.5 * std::cos(2.0 * kPi * i / 255.0) + 0.08 * std::cos(4.0 * kPi * i / 255.0));
            down[i] = k * (0.5 + 0.5 * std::cos(2.0 * kPi * i / 255.0));
            if (std::fabs(up[i]) < 1e-16)
                up[i] = 0.0;
            if (std::fabs(down[i]) < 1e-16)
                down[i] = 0.0;
        }
        up[0] = 1.0;
        down[0] = 0.5;
        fatS = D - 1;
        dcC = highPassOf(15.0, fs, 1.4142);
        lowC = highPassOf(st.lowSplit, fs, 1.0);
        highC = lowPassOf(st.highSplit, fs);
        a = 1.4 * std::pow(30.0, 1.0 - std::sqrt(std::sqrt(std::sqrt(st.knee))));
        W = (D - 1) % B;  // the write index starts inside the band ring
        Wd = D - 1;
        timing();
        gP = std::pow(10.0, 0.19 * std::pow((double)st.ppmRatio, 0.6));
        cRise = st.ppmIntegration <= 0.05 ? 1.0 : 1.0 - std::pow(0.01, 1.0 / (fs * st.ppmIntegration * 0.001));
        cFall = 1.0 - std::pow(0.01, 1.0 / (fs * st.ppmReturn * 0.001));
    }

    void setKernel(const KernelSetup& k)
    {
        kernel = k;
        multi = k.multiBand != 0;
        timing();
    }

    // Look-ahead lengths and coefficients from Speed, Release and Long.
    void timing()
    {
        const double speed = st.speed;
        const double releaseMul = 0.25 * std::pow(16.0, (double)st.release);
        const double lg = st.longOn;
        autoReleaseScale = 0.5 * std::pow(std::pow(16.0, (double)st.release) * (15.0 * lg + 1.0), 0.25);
        aL = (int)(std::pow(16.0, speed) * 0.075 * 0.001 * fs);
        ca = 1.0 - std::pow(0.05, 1.0 / aL);
        lAL = (int)((std::pow(14.0, speed) * 0.075 + 0.15) * 0.001 * fs);
        caL = 1.0 - std::pow(0.05, 1.0 / lAL);
        const double T = std::pow(48.0, speed) * releaseMul * ((15.0 * lg + 1.0) * lg + 1.0);
        cr = 1.0 - std::pow(0.05, 1.0 / (T * 0.65 * 0.001 * fs));
        crBand[0] = 1.0 - std::pow(0.05, 1.0 / (T * st.lowRel * 0.65 * 0.001 * fs));
        crBand[1] = 1.0 - std::pow(0.05, 1.0 / (T * st.midRel * 0.65 * 0.001 * fs));
        crBand[2] = 1.0 - std::pow(0.05, 1.0 / (T * st.highRel * 0.65 * 0.001 * fs));
        const double X = (releaseMul * lg * 0.7139 * speed + 1.0) * speed * (lg + 1.0);
        crL = 1.0 - std::pow(0.05, 1.0 / ((std::pow(24.0, X) * 0.65 + 1.35) * 0.001 * fs));
        // The read indices follow the write indices.
        R = (W - aL - 1 + B) % B;
        R2 = (W - lAL - 1 + B) % B;
        Rd = multi ? (Wd + lAL + aL + 3) % D : (Wd + aL + 2) % D;
    }

    void process(double xl, double xr, double& yl, double& yr)
    {
        if (oversampled) {
            double u[2][2], v[2][2];
            upsample(0, xl, u[0][0], u[0][1]);
            upsample(1, xr, u[1][0], u[1][1]);
            for (int k = 0; k < 2; ++k) {
                fat[0][fatS] = u[0][k];
                fat[1][fatS] = u[1][k];
                fatS = (fatS + 1) % D;
                kernelSample(fat[0][(fatS + 2) % D], fat[1][(fatS + 2) % D], v[0][k], v[1][k]);
            }
            yl = downsample(0, v[0][0], v[0][1]);
            yr = downsample(1, v[1][0], v[1][1]);
            if (st.brickwall) {
                yl = std::clamp(yl, -st.output, st.output);
                yr = std::clamp(yr, -st.output, st.output);
            }
            return;
        }
        if (!gen1) {
            xl = inDelay[0].run(xl);
            xr = inDelay[1].run(xr);
        }
        kernelSample(xl, xr, yl, yr);
        if (!gen1) {
            yl = outDelay[0].run(yl);
            yr = outDelay[1].run(yr);
        }
    }

    void endCall(float& flagL, float& flagR)
    {
        for (int c = 0; c < 2; ++c) {
            if (overCounter[c] >= st.overCount) {
                (c == 0 ? flagL : flagR) = 1.0f;
                overCounter[c] = 0.0f;
            }
        }
    }

    float level[2] = {0.0f, 0.0f};

private:
    // The interpolator history used as a plain delay: the sample goes in twice, index down by two.
    struct InputDelay {
        double h[256] = {};
        int d = 255;
        double run(double x)
        {
            h[d] = x;
            h[(d - 1) & 255] = x;
            const double y = h[(d - 1 + 128) & 255];
            d = (d - 2) & 255;
            return y;
        }
    };
    struct OutputDelay {
        double h[256] = {};
        int r = 255;
        double run(double x)
        {
            h[r] = x;
            const double y = h[(r + 64) & 255];
            r = (r - 1) & 255;
            return y;
        }
    };

    // The interpolator over its 256-entry history of the zero-stuffed stream, index moving down.
    void upsample(int c, double x, double& first, double& second)
    {
        double* h = upH[c];
        int& d = upD[c];
        h[d] = x;
        double sum = 0.0;
        for (int i = 0; i < 64; ++i)
            sum += up[127 - 2 * i] * (h[(d - 2 * i) & 255] + h[(d + 2 + 2 * i) & 255]);
        h[(d - 1) & 255] = 0.0;
        first = sum;
        second = h[(d + 128) & 255] * up[0];
        d = (d - 2) & 255;
    }
    double downsample(int c, double u0, double u1)
    {
        double* h = downH[c];
        int& i = downC[c];
        h[i] = u0;
        double sum = 0.0;
        for (int n = 0; n < 64; ++n)
            sum += down[127 - 2 * n] * (h[(i + 2 + 2 * n) & 255] + h[(i - 2 * n) & 255]);
        const double centre = h[(i - 127) & 255];
        h[(i - 1) & 255] = u1;
        i = (i - 2) & 255;
        return sum + centre * down[0];
    }

    double T(double x) const
    {
        auto P = [](double y) { return y < 1.0 ? 2.0 * y - y * y : 1.0; };
        if (st.kneeMode == 0)
            return (1.0 - st.knee) * std::min(x, 1.0) + st.knee * P(x);
        return P(a * x / (x + a - 1.0));
    }
    double bandGainOf(double e, double S) const
    {
        const double x = e * st.drive * (1.0 / S) * st.ceilingDrive;
        return S * T(x) / e;
    }
    double peak(double* ring, int q, double v, double d)
    {
        ring[W] = v;
        int i = W;
        for (;;) {
            i = (i - 1 + B) % B;
            if (ring[i] >= v)
                break;
            if (i == q)
                break;
            ring[i] = v;
        }
        if (ring[q] < v)
            ring[q] = v;
        const double p = ring[q] + 0.0009766 + d;
        ring[q] = 0.0;
        return p;
    }
    double dc(int c, double x, double d)
    {
        double* s = dcState[c];
        const double h = dcC.b0 * x + dcC.b1 * s[0] + dcC.b2 * s[1] - dcC.a1 * s[2] - dcC.a2 * s[3] + d;
        s[1] = s[0];
        s[0] = x;
        s[3] = s[2];
        s[2] = h;
        return h;
    }
    static double split(const Lp& k, double* w, double h, double d)
    {
        const double x = h - k.a1 * w[0] - k.a2 * w[1] + d;
        const double out = (x + w[1]) * k.b0 + w[0] * k.b1;
        w[1] = w[0];
        w[0] = x;
        return out;
    }
    static double clip(double y) { return y > 1.0 ? 1.0 : (y < -1.0 ? -1.0 : y); }

    void meter(int c, double pre, double gMin, double post)
    {
        meterReading(c, pre, std::fabs(gMin) * st.ceiling / st.smallSignalGain, std::fabs(gMin) * st.ceiling < 0.01,
                     post);
    }

    // G: the gain-reduction reading; deep: too deep for the VU needle.
    void meterReading(int c, double pre, double G, bool deep, double post)
    {
        if (!st.meters)
            return;
        double m = level[c];
        const bool ppm = st.meterType >= 0.5f;
        double counted = post;
        if (st.source == 1) {
            if (ppm)
                m = m + (G - m) * (G >= m ? cFall : cRise);
            else if (deep)
                m = 1.0;
            else
                m = vu[c].process(G);
        } else {
            const double x = st.source == 0 ? pre : post;
            counted = x;
            if (ppm) {
                const double v = std::fabs(x) * gP;
                m = m + (v - m) * (v > m ? cRise : cFall);
            } else {
                m = vu[c].process(std::fabs(x) * (1.4142136 * 1.096 * st.vuRefInv));
            }
        }
        if (std::fabs(counted) >= 1.0)
            overCounter[c] = overCounter[c] + 1.0f;
        else if (overCounter[c] < st.overCount)
            overCounter[c] = 0.0f;
        level[c] = (float)m;
    }

    void advance()
    {
        Rd = (Rd + 1) % D;
        Wd = (Wd + 1) % D;
    }

    void kernelSample(double inL, double inR, double& outL, double& outR)
    {
        off = -off;
        const double d = off;
        if (!kernel.processOn) {
            dry[0][Wd] = inL + d;
            dry[1][Wd] = inR + d;
            advance();
            outL = dry[0][Wd];
            outR = dry[1][Wd];
            meterBypass(0, inL + d, outL);
            meterBypass(1, inR + d, outR);
        } else if (kernel.stereo > 0.5f) {
            stereoSample(inL + d, inR + d, d, outL, outR);
        } else {
            monoSample(inL, inR, d, outL, outR);
        }
        W = (W + 1) % B;
        R = (R + 1) % B;
        R2 = (R2 + 1) % B;
    }

    // Nothing is reduced in bypass: the reading is 1.0 in both ballistics.
    void meterBypass(int c, double pre, double post) { meterReading(c, pre, 1.0, false, post); }

    void monoSample(double inL, double inR, double d, double& outL, double& outR)
    {
        const int mode = st.channel < 0.333 ? 0 : (st.channel < 0.66 ? 1 : 2);
        const double P = (mode == 2 ? inR : inL) + d;
        const double O = (mode == 2 ? inL : inR) + d;
        dry[0][Wd] = P;
        dry[1][Wd] = O;
        const double h = dc(0, P, d);
        const double HP = split(lowC, lowW[0], h, d);
        const double LP = split(highC, highW[0], h, d);
        double y, gMin;
        if (multi) {
            const double pieces[3] = {(h - HP) * st.lowGain, HP - (h - LP), (h - LP) * st.highGain};
            const double S[3] = {st.lowSat, st.midSat, st.highSat};
            double g[3], del[3];
            for (int b = 0; b < 3; ++b) {
                band[0][b][W] = pieces[b];
                const double p = peak(peakRing[0][b], R, std::fabs(pieces[b]), d);
                del[b] = band[0][b][R];
                const double e = env[0][b].update(p, ca, crBand[b], st.autoOn, 0.15, 2.0, 0.1, 1.5, true);
                g[b] = bandGainOf(e, S[b]);
            }
            gMin = std::min(std::min(g[0], g[1]), g[2]);
            const double sum = del[0] * g[0] + del[1] * g[1] + del[2] * g[2];
            sumRing[0][W] = sum;
            const double p = peak(peakRing[0][3], R2, std::fabs(sum * 1.0115795), d);
            y = sumRing[0][R2];
            if (st.brickwall) {
                const double e = env[0][3].update(p, caL, crL, st.autoOn, 0.2, 4.0, 0.1, 1.3, false);
                const double gL = e >= 1.0 ? 1.0 / e : 1.0;
                y = y * gL;
                gMin = gMin * gL;
                y = clip(y);
            }
        } else {
            dry[0][Wd] = h;
            const double s = h + (h - HP) * (st.lowGain - 1.0) + (h - LP) * (st.highGain - 1.0);
            sumRing[0][W] = s;
            const double p = peak(peakRing[0][3], R, std::fabs(s * 1.0115795), d);
            y = sumRing[0][R];
            const double e = env[0][3].update(p, ca, cr, st.autoOn, 0.18, 3.0, 0.1, 1.4, true);
            const double g = T(e * st.drive * st.ceilingDrive) / e;
            y = y * g;
            if (st.brickwall)
                y = clip(y);
            gMin = g;
        }
        out[0][Wd] = y * st.ceiling;
        const double o = out[0][Rd];
        advance();
        const double dryP = dry[0][Wd];
        const double dryO = dry[1][Wd];
        const double outP = ((o - dryP) * st.mix + dryP) * st.output;
        const double outO = gen1 ? dryO : dryO * st.output;
        if (mode == 0) {
            outL = outR = outP;
            meter(0, P, gMin, outP);
            meter(1, P, gMin, outP);
        } else if (mode == 1) {
            outL = outP;
            outR = outO;
            meter(0, P, gMin, outP);
            meter(1, O, st.smallSignalGain, outO);
        } else {
            outL = outO;
            outR = outP;
            meter(0, O, st.smallSignalGain, outO);
            meter(1, P, gMin, outP);
        }
    }

    void stereoSample(double xl, double xr, double d, double& outL, double& outR)
    {
        const bool linked = kernel.link != 0;
        const double x[2] = {xl, xr};
        double h[2], HP[2], LP[2];
        for (int c = 0; c < 2; ++c) {
            dry[c][Wd] = x[c];
            h[c] = dc(c, x[c], d);
            HP[c] = split(lowC, lowW[c], h[c], d);
            LP[c] = split(highC, highW[c], h[c], d);
        }
        double y[2], gMin[2];
        if (multi) {
            const double S[3] = {st.lowSat, st.midSat, st.highSat};
            double pieces[2][3], del[2][3];
            for (int c = 0; c < 2; ++c) {
                pieces[c][0] = (h[c] - HP[c]) * st.lowGain;
                pieces[c][1] = HP[c] - (h[c] - LP[c]);
                pieces[c][2] = (h[c] - LP[c]) * st.highGain;
                for (int b = 0; b < 3; ++b) {
                    band[c][b][W] = pieces[c][b];
                    del[c][b] = band[c][b][R];
                }
            }
            double g[2][3];
            for (int c = 0; c < 2; ++c) {
                if (linked && c == 1) {
                    for (int b = 0; b < 3; ++b)
                        g[1][b] = g[0][b];
                    continue;
                }
                for (int b = 0; b < 3; ++b) {
                    const double v = linked ? std::max(std::fabs(pieces[0][b]), std::fabs(pieces[1][b]))
                                            : std::fabs(pieces[c][b]);
                    const double p = peak(peakRing[c][b], R, v, d);
                    const double o = linked && b == 2 ? 0.15 : 0.1;
                    const double e = env[c][b].update(p, ca, crBand[b], st.autoOn, 0.15, 2.0, o, 1.5, true);
                    g[c][b] = bandGainOf(e, S[b]);
                }
            }
            double sum[2];
            for (int c = 0; c < 2; ++c) {
                gMin[c] = std::min(std::min(g[c][0], g[c][1]), g[c][2]);
                sum[c] = del[c][0] * g[c][0] + del[c][1] * g[c][1] + del[c][2] * g[c][2];
                sumRing[c][W] = sum[c];
            }
            if (linked) {
                const double v = std::max(std::fabs(sum[0] * 1.0115795), std::fabs(sum[1] * 1.0115795));
                const double p = peak(peakRing[0][3], R2, v, d);
                y[0] = sumRing[0][R2];
                y[1] = sumRing[1][R2];
                if (st.brickwall) {
                    const double e = env[0][3].update(p, caL, crL, st.autoOn, 0.2, 4.0, 0.1, 1.3, false);
                    const double gL = e >= 1.0 ? 1.0 / e : 1.0;
                    for (int c = 0; c < 2; ++c) {
                        y[c] = clip(y[c] * gL);
                        gMin[c] = gMin[c] * gL;
                    }
                }
            } else {
                for (int c = 0; c < 2; ++c) {
                    const double p = peak(peakRing[c][3], R2, std::fabs(sum[c] * 1.0115795), d);
                    y[c] = sumRing[c][R2];
                    if (st.brickwall) {
                        const double e = env[c][3].update(p, caL, crL, st.autoOn, 0.2, 4.0, 0.1, 1.3, false);
                        const double gL = e >= 1.0 ? 1.0 / e : 1.0;
                        y[c] = clip(y[c] * gL);
                        gMin[c] = gMin[c] * gL;
                    }
                }
            }
        } else {
            double s[2];
            for (int c = 0; c < 2; ++c) {
                s[c] = h[c] + (h[c] - HP[c]) * (st.lowGain - 1.0) + (h[c] - LP[c]) * (st.highGain - 1.0);
                sumRing[c][W] = s[c];
            }
            double g[2];
            if (linked) {
                const double v = std::max(std::fabs(s[0] * 1.0115795), std::fabs(s[1] * 1.0115795));
                const double p = peak(peakRing[0][3], R, v, d);
                const double e =
                    env[0][3].update(p, ca, cr, st.autoOn, 0.18, 3.0, 0.1, 1.4 * autoReleaseScale, true);
                g[0] = g[1] = T(e * st.drive * st.ceilingDrive) / e;
            } else {
                for (int c = 0; c < 2; ++c) {
                    const double p = peak(peakRing[c][3], R, std::fabs(s[c] * 1.0115795), d);
                    const double e = env[c][3].update(p, ca, cr, st.autoOn, 0.18, c == 0 ? 4.0 : 3.0, 0.1, 1.4, true);
                    g[c] = T(e * st.drive * st.ceilingDrive) / e;
                }
            }
            for (int c = 0; c < 2; ++c) {
                y[c] = sumRing[c][R] * g[c];
                if (st.brickwall)
                    y[c] = clip(y[c]);
                gMin[c] = g[c];
            }
        }
        double o[2];
        for (int c = 0; c < 2; ++c) {
            out[c][Wd] = y[c] * st.ceiling;
            o[c] = out[c][Rd];
        }
        advance();
        double res[2];
        for (int c = 0; c < 2; ++c) {
            const double dc = dry[c][Wd];
            res[c] = ((o[c] - dc) * st.mix + dc) * st.output;
        }
        outL = res[0];
        outR = res[1];
        meter(0, xl, gMin[0], outL);
        meter(1, xr, gMin[1], outR);
    }

    double fs;
    bool gen1;
    bool oversampled;
    double up[128], down[128];
    double upH[2][256] = {}, downH[2][256] = {};
    int upD[2] = {255, 255}, downC[2] = {255, 255};
    double fat[2][2048] = {};
    int fatS = 0;
    const Settings& st;
    int B, D;
    KernelSetup kernel{"", 0, 1.0f, 1, 0};
    bool multi = false;
    Smoothed env[2][4];
    BiquadFilter vu[2];
    Lp dcC{}, lowC{}, highC{};
    double dcState[2][4] = {};
    double lowW[2][2] = {}, highW[2][2] = {};
    double dry[2][2048] = {}, out[2][2048] = {};
    double band[2][3][1024] = {}, sumRing[2][1024] = {}, peakRing[2][4][1024] = {};
    int W, R, R2, Wd, Rd;
    double off = 1e-16;
    int aL, lAL;
    double ca, caL, cr, crBand[3], crL, autoReleaseScale, a;
    double gP, cRise, cFall;
    float overCounter[2] = {0.0f, 0.0f};
    InputDelay inDelay[2];
    OutputDelay outDelay[2];
};

void apply(EngineeringValues& v, const Settings& s, const KernelSetup& k)
{
    v.processOn = k.processOn;
    v.stereoValue = k.stereo;
    v.linkOn = k.link;
    v.multiBandOn = k.multiBand;
    v.modeValue = k.multiBand ? 1.0 : 0.0;
    v.driveGain = s.drive;
    v.kneeMode = s.kneeMode;
    v.kneeShape = s.knee;
    v.speedValue = s.speed;
    v.releaseMul = 0.25 * std::pow(16.0, (double)s.release);
    v.longOn = s.longOn;
    v.autoOn = s.autoOn;
    v.brickwallOn = s.brickwall;
    v.channelValue = s.channel;
    v.lowSat = s.lowSat;
    v.midSat = s.midSat;
    v.highSat = s.highSat;
    v.lowSatInv = 1.0 / s.lowSat;
    v.midSatInv = 1.0 / s.midSat;
    v.highSatInv = 1.0 / s.highSat;
    v.lowReleaseMul = s.lowRel;
    v.midReleaseMul = s.midRel;
    v.highReleaseMul = s.highRel;
    v.lowGain = s.lowGain;
    v.highGain = s.highGain;
    v.mixAmount = s.mix;
    v.ceilingGain = s.ceiling;
    v.ceilingDrive = s.ceilingDrive;
    v.outputGain = s.output;
    v.lowSplitHz = s.lowSplit;
    v.highSplitHz = s.highSplit;
    v.meterSource = s.source;
    v.meterTypeValue = s.meterType;
    v.vuIntegrationMs = s.vuMs;
    v.vuReferenceInv = s.vuRefInv;
    v.ppmIntegrationMs = s.ppmIntegration;
    v.ppmReturnMs = s.ppmReturn;
    v.ppmRatio = s.ppmRatio;
    v.smallSignalGain = s.smallSignalGain;
    v.overCount = s.overCount;
    v.fatOn = 0;
    v.request(velda::kRequestVuRetune);
}

struct ModelCase {
    const char* name;
    int kernel;  // index into kKernels
    void (*tweak)(Settings&);
};

const ModelCase kCases[] = {
    {"bypass, VU gain reduction", 0, [](Settings& s) { s.meters = true; }},
    {"bypass, PPM post", 0, [](Settings& s) { s.meters = true; s.source = 2; s.meterType = 1.0f; }},
    {"linked three-band", 1, [](Settings& s) { s.meters = true; }},
    {"linked three-band, Auto, hard knee off", 1, [](Settings& s) { s.autoOn = 1; s.brickwall = 0; }},
    {"linked three-band, Auto, rational curve, PPM",
     1, [](Settings& s) { s.autoOn = 1; s.kneeMode = 1; s.knee = 0.5; s.meters = true; s.meterType = 1.0f; }},
    {"linked single-band, Auto, Long", 2, [](Settings& s) { s.autoOn = 1; s.longOn = 1; s.meters = true; }},
    {"linked single-band, no Brick-wall", 2, [](Settings& s) { s.brickwall = 0; s.kneeMode = 1; s.knee = 0.2; }},
    {"unlinked three-band, Auto, VU pre",
     3, [](Settings& s) { s.autoOn = 1; s.meters = true; s.source = 0; }},
    {"unlinked three-band, no Brick-wall", 3, [](Settings& s) { s.brickwall = 0; s.longOn = 1; }},
    {"unlinked single-band, Auto, PPM pre",
     4, [](Settings& s) { s.autoOn = 1; s.meters = true; s.source = 0; s.meterType = 1.0f; }},
    {"mono three-band, both", 5, [](Settings& s) { s.autoOn = 1; s.meters = true; }},
    {"mono three-band, L", 5, [](Settings& s) { s.channel = 0.5f; s.meters = true; s.source = 2; }},
    {"mono three-band, R, PPM gain reduction",
     5, [](Settings& s) { s.channel = 1.0f; s.meters = true; s.meterType = 1.0f; }},
    {"mono single-band, both, Auto", 6, [](Settings& s) { s.autoOn = 1; s.meters = true; }},
    {"mono single-band, R", 6, [](Settings& s) { s.channel = 0.9f; s.meters = true; s.brickwall = 0; }},
    {"mono single-band, L", 6, [](Settings& s) { s.channel = 0.4f; s.meters = true; s.source = 0; }},
};

struct GenCase {
    double rate;
    bool firstGen;
    bool fat;  // asked for; in force only up to 100000 Hz
};

}  // namespace

TEST(ReferenceModel, EngineMatchesThePlainModelBitForBit)
{
    const std::vector<double> l = velda::test::testSignal(9000, 11, 1.6);
    const std::vector<double> r = velda::test::testSignal(9000, 23, 1.1);
    for (const GenCase g : {GenCase{44100.0, false, false}, GenCase{48000.0, true, false},
                            GenCase{96000.0, false, false}, GenCase{176400.0, true, false},
                            GenCase{48000.0, false, true}, GenCase{88200.0, false, true},
                            GenCase{192000.0, false, true}}) {
        for (const ModelCase& c : kCases) {
            SCOPED_TRACE(testing::Message() << c.name << " at " << g.rate << (g.firstGen ? " (first gen)" : "")
                                            << (g.fat ? " FAT" : ""));
            Settings s;
            c.tweak(s);
            const KernelSetup& k = velda::test::kKernels[c.kernel];
            EngineRig rig(g.rate, g.firstGen ? velda::kEmberlineLayout : velda::kEmberline2Layout);
            apply(rig.values, s, k);
            rig.values.fatOn = g.fat ? 1 : 0;
            rig.values.request(velda::kRequestCrossoverUpdate | velda::kRequestTimingUpdate |
                               velda::kRequestFilterReset | velda::kRequestBufferClear |
                               velda::kRequestOversamplerReset);
            rig.engine.metersActive = s.meters;
            Model model(g.rate, g.firstGen, s, g.fat && g.rate <= 100000.0);
            model.setKernel(k);
            std::vector<double> ol(l.size()), orr(l.size());
            int at = 0, call = 0;
            float flagL = 0.0f, flagR = 0.0f;
            while (at < (int)l.size()) {
                if (call == 40) {  // Speed and Long change while running: the write positions stay
                    s.speed = 0.25f;
                    s.longOn = 1 - s.longOn;
                    rig.values.speedValue = s.speed;
                    rig.values.longOn = s.longOn;
                    rig.values.request(velda::kRequestTimingUpdate);
                    model.timing();
                }
                const int m = std::min(37 + 61 * (call++ % 5), (int)l.size() - at);
                rig.engine.process(l.data() + at, r.data() + at, ol.data() + at, orr.data() + at, m);
                for (int i = at; i < at + m; ++i) {
                    double yl, yr;
                    model.process(l[i], r[i], yl, yr);
                    ASSERT_EQ(std::bit_cast<uint64_t>(yl), std::bit_cast<uint64_t>(ol[i])) << "left at " << i;
                    ASSERT_EQ(std::bit_cast<uint64_t>(yr), std::bit_cast<uint64_t>(orr[i])) << "right at " << i;
                }
                model.endCall(flagL, flagR);
                ASSERT_EQ(std::bit_cast<uint32_t>(model.level[0]), std::bit_cast<uint32_t>(rig.engine.meterLeft.load()));
                ASSERT_EQ(std::bit_cast<uint32_t>(model.level[1]), std::bit_cast<uint32_t>(rig.engine.meterRight.load()));
                ASSERT_EQ(flagL, rig.engine.overFlagLeft.load());
                ASSERT_EQ(flagR, rig.engine.overFlagRight.load());
                at += m;
            }
        }
    }
}

#include "tools/DemoPlot.h"

#include "tools/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace velda::tool {

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 840;
constexpr int kLeft = 78;
constexpr int kRight = kWidth - 24;
constexpr double kWaveRange = 1.6;  // room above full scale for overs
constexpr double kSilenceEnergy = 1e-6;  // -60 dBFS

const Colour kBackground{255, 255, 255};
const Colour kInk{30, 30, 30};
const Colour kGrid{215, 215, 215};
const Colour kLeftColour{38, 98, 176};
const Colour kRightColour{230, 120, 30};
const Colour kFullScale{200, 40, 40};
const Colour kGainColour{20, 140, 70};

struct Panel {
    int top, bottom;
    double low, high;  // value range, high at the top
    int y(double value) const
    {
        double t = (high - value) / (high - low);
        return top + (int)std::lround(std::clamp(t, 0.0, 1.0) * (bottom - top));
    }
};

void drawFrame(Canvas& canvas, const Panel& panel, const std::string& label, double seconds)
{
    canvas.fillRect(kLeft, panel.top, kRight, panel.top + 1, kInk);
    canvas.fillRect(kLeft, panel.bottom, kRight, panel.bottom + 1, kInk);
    canvas.fillRect(kLeft, panel.top, kLeft + 1, panel.bottom + 1, kInk);
    canvas.fillRect(kRight - 1, panel.top, kRight, panel.bottom + 1, kInk);
    int step = seconds > 20.0 ? 5 : 1;
    for (int s = 0; s <= (int)seconds; s += step) {
        int x = kLeft + (int)std::lround(s / seconds * (kRight - kLeft - 1));
        canvas.fillRect(x, panel.top + 1, x + 1, panel.bottom, kGrid);
        canvas.fillRect(x, panel.bottom, x + 1, panel.bottom + 5, kInk);
        std::string text = std::to_string(s) + " s";
        canvas.text(x - Canvas::textWidth(text) / 2, panel.bottom + 8, text, kInk);
    }
    canvas.text(kLeft + 6, panel.top + 5, label, kInk, 2);
}

void yLabel(Canvas& canvas, const Panel& panel, double value, const std::string& text)
{
    int y = panel.y(value);
    canvas.fillRect(kLeft - 5, y, kLeft, y + 1, kInk);
    canvas.text(kLeft - 8 - Canvas::textWidth(text), y - 3, text, kInk);
}

void drawWave(Canvas& canvas, const Panel& panel, const AudioBuffer& audio, const std::string& label, double seconds)
{
    drawFrame(canvas, panel, label, seconds);
    canvas.fillRect(kLeft + 1, panel.y(0.0), kRight - 1, panel.y(0.0) + 1, kGrid);
    canvas.dashedHorizontal(kLeft + 1, kRight - 1, panel.y(1.0), kFullScale);
    canvas.dashedHorizontal(kLeft + 1, kRight - 1, panel.y(-1.0), kFullScale);
    yLabel(canvas, panel, 1.0, "+1");
    yLabel(canvas, panel, 0.0, "0");
    yLabel(canvas, panel, -1.0, "-1");
    size_t frames = audio.frames();
    int columns = kRight - kLeft - 2;
    for (size_t c = 0; c < audio.channels.size(); ++c) {
        Colour colour = c == 0 ? kLeftColour : kRightColour;
        for (int x = 0; x < columns && frames > 0; ++x) {
            size_t from = frames * x / columns, to = std::max(from + 1, frames * (x + 1) / columns);
            double low = 0.0, high = 0.0;
            for (size_t i = from; i < to && i < frames; ++i) {
                low = std::min(low, audio.channels[c][i]);
                high = std::max(high, audio.channels[c][i]);
            }
            int y0 = panel.y(std::min(high, kWaveRange)), y1 = panel.y(std::max(low, -kWaveRange));
            canvas.fillRect(kLeft + 1 + x, y0, kLeft + 2 + x, y1 + 1, colour, c == 0 ? 0.85 : 0.5);
        }
    }
    if (audio.channels.size() > 1) {
        canvas.text(kRight - 12 - Canvas::textWidth("right"), panel.top + 6, "right", kRightColour);
        canvas.text(kRight - 20 - Canvas::textWidth("right") - Canvas::textWidth("left"), panel.top + 6, "left", kLeftColour);
    } else {
        canvas.text(kRight - 12 - Canvas::textWidth("mono"), panel.top + 6, "mono", kLeftColour);
    }
}

}  // namespace

std::vector<double> gainTrace(const AudioBuffer& input, const AudioBuffer& output, double windowSeconds)
{
    size_t window = std::max<size_t>(1, (size_t)(windowSeconds * input.sampleRate));
    size_t frames = std::min(input.frames(), output.frames());
    std::vector<double> trace;
    for (size_t from = 0; from + window <= frames; from += window) {
        double energyIn = 0.0, energyOut = 0.0;
        for (size_t i = from; i < from + window; ++i) {
            for (const auto& channel : input.channels) energyIn += channel[i] * channel[i];
            for (const auto& channel : output.channels) energyOut += channel[i] * channel[i];
        }
        energyIn /= (double)(window * input.channels.size());
        energyOut /= (double)(window * output.channels.size());
        trace.push_back(energyIn < kSilenceEnergy ? std::numeric_limits<double>::quiet_NaN()
                                                  : 10.0 * std::log10(std::max(energyOut, 1e-30) / energyIn));
    }
    return trace;
}

std::vector<uint8_t> plotRender(const std::string& title, const AudioBuffer& input, const AudioBuffer& output)
{
    Canvas canvas(kWidth, kHeight, kBackground);
    canvas.text(kLeft, 14, title, kInk, 2);
    double seconds = std::max(input.frames() / input.sampleRate, 1e-3);
    drawWave(canvas, {52, 262, -kWaveRange, kWaveRange}, input, "input", seconds);
    drawWave(canvas, {300, 510, -kWaveRange, kWaveRange}, output, "output", seconds);

    constexpr double kWindowSeconds = 0.02;
    std::vector<double> trace = gainTrace(input, output, kWindowSeconds);
    double low = 0.0, high = 0.0;
    for (double g : trace)
        if (!std::isnan(g)) {
            low = std::min(low, g);
            high = std::max(high, g);
        }
    low = std::max(-60.0, std::floor(low / 6.0) * 6.0 - 6.0);
    high = std::min(36.0, std::ceil(high / 6.0) * 6.0 + 6.0);
    Panel gain{560, 790, low, high};
    drawFrame(canvas, gain, "gain (output / input envelope, dB)", seconds);
    double step = high - low > 48.0 ? 12.0 : 6.0;
    for (double db = std::ceil(low / step) * step; db <= high; db += step) {
        canvas.fillRect(kLeft + 1, gain.y(db), kRight - 1, gain.y(db) + 1, db == 0.0 ? Colour{150, 150, 150} : kGrid);
        char text[16];
        std::snprintf(text, sizeof text, "%+g", db);
        yLabel(canvas, gain, db, db == 0.0 ? "0" : text);
    }
    double xScale = (double)(kRight - kLeft - 2) / (seconds / kWindowSeconds);
    for (size_t i = 1; i < trace.size(); ++i) {
        if (std::isnan(trace[i - 1]) || std::isnan(trace[i])) continue;
        double x0 = kLeft + 1 + (i - 0.5) * xScale, x1 = kLeft + 1 + (i + 0.5) * xScale;
        canvas.line(x0, gain.y(trace[i - 1]), x1, gain.y(trace[i]), kGainColour);
        canvas.line(x0, gain.y(trace[i - 1]) + 1, x1, gain.y(trace[i]) + 1, kGainColour);
    }
    canvas.text(kLeft, kHeight - 20, "time", kInk);
    return canvas.encodePng();
}

}  // namespace velda::tool

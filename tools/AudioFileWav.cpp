// WAV only: the Windows build has no libsndfile.
#include "tools/AudioFile.h"

#include "tools/CommandSupport.h"

#include <cmath>
#include <cstring>
#include <fstream>

namespace velda::tool {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;

uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24; }
uint16_t le16(const uint8_t* p) { return (uint16_t)(p[0] | p[1] << 8); }

void put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back((uint8_t)(v >> (8 * i)));
}
void put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back((uint8_t)v);
    out.push_back((uint8_t)(v >> 8));
}

double decode(const uint8_t* p, uint16_t tag, int bits)
{
    if (tag == kFormatFloat) {
        if (bits == 32) {
            float f;
            std::memcpy(&f, p, 4);
            return f;
        }
        double d;
        std::memcpy(&d, p, 8);
        return d;
    }
    switch (bits) {
    case 8: return (p[0] - 128) / 128.0;
    case 16: return (int16_t)le16(p) / 32768.0;
    case 24: return (double)((int32_t)((uint32_t)p[0] << 8 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 24) >> 8) / 8388608.0;
    default: return (int32_t)le32(p) / 2147483648.0;
    }
}

}  // namespace

bool AudioFile::supports(AudioContainer container) { return container == AudioContainer::Wav; }

AudioBuffer AudioFile::read(const std::string& path, AudioFormat* format)
{
    std::vector<uint8_t> bytes;
    try {
        bytes = readBinaryFile(path);
    } catch (const ToolError&) {
        throw ToolError("cannot read audio file '" + path + "': no such file or not readable");
    }
    auto unsupported = [&](const char* why) { return ToolError("cannot read audio file '" + path + "': " + why); };
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) || std::memcmp(bytes.data() + 8, "WAVE", 4))
        throw unsupported("not a WAV file (this build reads WAV only)");
    uint16_t tag = 0, channels = 0, bits = 0;
    uint32_t rate = 0;
    const uint8_t* data = nullptr;
    size_t dataSize = 0;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        uint32_t size = le32(&bytes[at + 4]);
        const uint8_t* body = &bytes[at + 8];
        size_t available = std::min<size_t>(size, bytes.size() - at - 8);
        if (!std::memcmp(&bytes[at], "fmt ", 4) && available >= 16) {
            tag = le16(body);
            channels = le16(body + 2);
            rate = le32(body + 4);
            bits = le16(body + 14);
            if (tag == kFormatExtensible && available >= 26) tag = le16(body + 24);
        } else if (!std::memcmp(&bytes[at], "data", 4)) {
            data = body;
            dataSize = available;
        }
        at += 8 + (size_t)size + (size & 1);
    }
    if (!data || !channels || !rate) throw unsupported("a WAV file without format or data");
    bool known = (tag == kFormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) ||
                 (tag == kFormatFloat && (bits == 32 || bits == 64));
    if (!known) throw unsupported("unsupported WAV sample format");
    if (channels > 2) throw ToolError("audio file '" + path + "' has " + std::to_string(channels) + " channels (1 or 2 supported)");
    if (format) {
        format->container = AudioContainer::Wav;
        format->encoding = tag == kFormatFloat ? (bits == 64 ? AudioEncoding::Float64 : AudioEncoding::Float32)
                           : bits == 24       ? AudioEncoding::Pcm24
                           : bits == 32       ? AudioEncoding::Pcm32
                                              : AudioEncoding::Pcm16;
    }
    size_t frameBytes = (size_t)channels * (bits / 8);
    size_t frames = dataSize / frameBytes;
    AudioBuffer audio;
    audio.sampleRate = rate;
    audio.channels.assign(channels, std::vector<double>(frames));
    for (size_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c) audio.channels[c][i] = decode(data + i * frameBytes + c * (bits / 8), tag, bits);
    return audio;
}

void AudioFile::write(const std::string& path, const AudioBuffer& audio, const AudioFormat& format)
{
    int bits = 32;
    bool isFloat = false;
    switch (format.encoding) {
    case AudioEncoding::Pcm16: bits = 16; break;
    case AudioEncoding::Pcm24: bits = 24; break;
    case AudioEncoding::Pcm32: bits = 32; break;
    case AudioEncoding::Float32: bits = 32; isFloat = true; break;
    case AudioEncoding::Float64: bits = 64; isFloat = true; break;
    }
    uint16_t channels = (uint16_t)audio.channels.size();
    size_t frames = audio.frames();
    uint32_t dataSize = (uint32_t)(frames * channels * (bits / 8));
    std::vector<uint8_t> out;
    out.reserve(44 + dataSize);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    put32(out, 36 + dataSize);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(out, 16);
    put16(out, isFloat ? kFormatFloat : kFormatPcm);
    put16(out, channels);
    uint32_t rate = (uint32_t)(audio.sampleRate + 0.5);
    put32(out, rate);
    put32(out, rate * channels * (bits / 8));
    put16(out, (uint16_t)(channels * (bits / 8)));
    put16(out, (uint16_t)bits);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put32(out, dataSize);
    for (size_t i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            double v = audio.channels[c][i];
            if (isFloat) {
                uint8_t raw[8];
                if (bits == 32) {
                    float f = (float)v;
                    std::memcpy(raw, &f, 4);
                } else {
                    std::memcpy(raw, &v, 8);
                }
                out.insert(out.end(), raw, raw + bits / 8);
                continue;
            }
            double scale = std::ldexp(1.0, bits - 1);
            double scaled = std::nearbyint(v * scale);
            scaled = std::max(-scale, std::min(scale - 1.0, std::isnan(scaled) ? 0.0 : scaled));
            uint32_t word = (uint32_t)(int32_t)(int64_t)scaled;
            for (int b = 0; b < bits / 8; ++b) out.push_back((uint8_t)(word >> (8 * b)));
        }
    }
    writeBinaryFile(path, out);
}

}  // namespace velda::tool

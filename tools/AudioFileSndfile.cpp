#include "tools/AudioFile.h"

#include "tools/CommandSupport.h"

#include <sndfile.h>

#include <memory>

namespace velda::tool {

namespace {

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

int majorOf(AudioContainer container)
{
    switch (container) {
    case AudioContainer::Aiff: return SF_FORMAT_AIFF;
    case AudioContainer::Flac: return SF_FORMAT_FLAC;
    default: return SF_FORMAT_WAV;
    }
}

int subtypeOf(AudioEncoding encoding)
{
    switch (encoding) {
    case AudioEncoding::Pcm16: return SF_FORMAT_PCM_16;
    case AudioEncoding::Pcm24: return SF_FORMAT_PCM_24;
    case AudioEncoding::Pcm32: return SF_FORMAT_PCM_32;
    case AudioEncoding::Float64: return SF_FORMAT_DOUBLE;
    default: return SF_FORMAT_FLOAT;
    }
}

}  // namespace

bool AudioFile::supports(AudioContainer) { return true; }

AudioBuffer AudioFile::read(const std::string& path, AudioFormat* format)
{
    SF_INFO info{};
    SndfileHandle file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file) throw ToolError("cannot read audio file '" + path + "': " + sf_strerror(nullptr));
    if (info.channels < 1 || info.channels > 2)
        throw ToolError("audio file '" + path + "' has " + std::to_string(info.channels) + " channels (1 or 2 supported)");
    if (format) {
        switch (info.format & SF_FORMAT_TYPEMASK) {
        case SF_FORMAT_AIFF: format->container = AudioContainer::Aiff; break;
        case SF_FORMAT_FLAC: format->container = AudioContainer::Flac; break;
        default: format->container = AudioContainer::Wav; break;
        }
        switch (info.format & SF_FORMAT_SUBMASK) {
        case SF_FORMAT_PCM_S8:
        case SF_FORMAT_PCM_U8:
        case SF_FORMAT_PCM_16: format->encoding = AudioEncoding::Pcm16; break;
        case SF_FORMAT_PCM_24: format->encoding = AudioEncoding::Pcm24; break;
        case SF_FORMAT_PCM_32: format->encoding = AudioEncoding::Pcm32; break;
        case SF_FORMAT_DOUBLE: format->encoding = AudioEncoding::Float64; break;
        default: format->encoding = AudioEncoding::Float32; break;
        }
    }
    AudioBuffer audio;
    audio.sampleRate = info.samplerate;
    std::vector<double> interleaved((size_t)info.frames * (size_t)info.channels);
    sf_count_t got = sf_readf_double(file.get(), interleaved.data(), info.frames);
    if (got != info.frames) throw ToolError("cannot read audio file '" + path + "': " + sf_strerror(file.get()));
    audio.channels.assign(info.channels, std::vector<double>((size_t)info.frames));
    for (sf_count_t i = 0; i < info.frames; ++i)
        for (int c = 0; c < info.channels; ++c) audio.channels[c][i] = interleaved[(size_t)i * info.channels + c];
    return audio;
}

void AudioFile::write(const std::string& path, const AudioBuffer& audio, const AudioFormat& format)
{
    writeAtomically(path, [&](const std::string& temporary) {
        SF_INFO info{};
        info.samplerate = (int)(audio.sampleRate + 0.5);
        info.channels = (int)audio.channels.size();
        info.format = majorOf(format.container) | subtypeOf(format.encoding);
        if (!sf_format_check(&info)) throw ToolError("cannot write '" + path + "': unsupported sample format");
        SndfileHandle file(sf_open(temporary.c_str(), SFM_WRITE, &info));
        if (!file) throw ToolError("cannot write '" + path + "': " + sf_strerror(nullptr));
        sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
        size_t frames = audio.frames();
        std::vector<double> interleaved(frames * audio.channels.size());
        for (size_t i = 0; i < frames; ++i)
            for (size_t c = 0; c < audio.channels.size(); ++c) interleaved[i * audio.channels.size() + c] = audio.channels[c][i];
        if (sf_writef_double(file.get(), interleaved.data(), (sf_count_t)frames) != (sf_count_t)frames)
            throw ToolError("cannot write '" + path + "': " + sf_strerror(file.get()));
    });
}

}  // namespace velda::tool

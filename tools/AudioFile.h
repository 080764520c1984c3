// Audio files for the commands. Linux reads and writes WAV, AIFF and FLAC through libsndfile;
// the Windows build has its own WAV reader and writer.
#pragma once
#include <string>
#include <vector>

namespace velda::tool {

struct AudioBuffer {
    double sampleRate = 44100.0;
    std::vector<std::vector<double>> channels;  // planar, full scale is 1.0

    size_t frames() const { return channels.empty() ? 0 : channels[0].size(); }
};

enum class AudioContainer { Wav, Aiff, Flac };
enum class AudioEncoding { Pcm16, Pcm24, Pcm32, Float32, Float64 };

struct AudioFormat {
    AudioContainer container = AudioContainer::Wav;
    AudioEncoding encoding = AudioEncoding::Float32;
};

class AudioFile {
public:
    // Throws ToolError with a one-line reason for missing, unreadable or unsupported files.
    static AudioBuffer read(const std::string& path, AudioFormat* format = nullptr);
    // Written through a temporary file and renamed into place; integer encodings clip.
    static void write(const std::string& path, const AudioBuffer& audio, const AudioFormat& format);
    // The container the name asks for (.wav, .aif/.aiff, .flac) with `like`'s encoding where it
    // fits; throws UsageError for other names.
    static AudioFormat formatFor(const std::string& path, const AudioFormat& like);
    static bool supports(AudioContainer container);
};

}  // namespace velda::tool

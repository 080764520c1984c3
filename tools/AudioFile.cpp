#include "tools/AudioFile.h"

#include "tools/CommandSupport.h"

#include <algorithm>
#include <cctype>

namespace velda::tool {

AudioFormat AudioFile::formatFor(const std::string& path, const AudioFormat& like)
{
    std::string extension = pathText(toPath(path).extension());
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) { return (char)std::tolower((unsigned char)c); });
    AudioFormat format = like;
    if (extension == ".wav") format.container = AudioContainer::Wav;
    else if (extension == ".aif" || extension == ".aiff") format.container = AudioContainer::Aiff;
    else if (extension == ".flac") format.container = AudioContainer::Flac;
    else throw UsageError("cannot tell the audio format of '" + path + "' (use .wav, .aiff or .flac)");
    if (!supports(format.container)) throw UsageError("this build writes only .wav files, not '" + path + "'");
    if (format.container == AudioContainer::Flac && format.encoding != AudioEncoding::Pcm16)
        format.encoding = AudioEncoding::Pcm24;  // FLAC holds integers up to 24 bits
    return format;
}

}  // namespace velda::tool

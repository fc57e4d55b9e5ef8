#include "engine/MediaProbe.h"

#include <algorithm>

#include "audio/Mp3Reader.h"
#include "audio/WavReader.h"
#include "wm/WmaReader.h"

namespace tonvexa {

std::optional<FileEntry> ProbeFile(const std::string& path, WmRuntime& runtime) {
    FileEntry entry;
    entry.sourcePath = path;
    entry.formatCode = FormatCodeOfPath(path);
    switch (entry.formatCode) {
        case FormatWma: {
            WmaReader reader(runtime);
            if (!reader.Open(path)) return std::nullopt;
            entry.sampleRate = static_cast<std::uint32_t>(reader.SampleRate());
            entry.channels = static_cast<std::uint32_t>(reader.Channels());
            entry.bitRate = reader.BitRate() / 1000;
            entry.length = entry.sampleRate * reader.Duration();
            return entry;
        }
        case FormatMp3: {
            Mp3Reader reader;
            if (!reader.Open(path)) return std::nullopt;
            entry.sampleRate = static_cast<std::uint32_t>(reader.SampleRate());
            entry.channels = static_cast<std::uint32_t>(reader.ChannelMode());
            entry.bitRate = reader.BitRate();
            entry.length = static_cast<std::uint32_t>(
                std::min<std::uint64_t>(reader.TotalFrames(), 0xFFFFFFFFu));
            return entry;
        }
        case FormatWav: {
            WavReader reader;
            if (!reader.Open(path)) return std::nullopt;
            const auto& f = reader.format();
            entry.sampleRate = f.samplesPerSec;
            entry.channels = f.channels;
            const std::int64_t bits = f.bitsPerSample != 0 ? f.bitsPerSample : reader.outputBits();
            entry.bitRate = static_cast<std::int32_t>(
                static_cast<std::int64_t>(f.channels) * bits * f.samplesPerSec / 1000);
            entry.length = static_cast<std::uint32_t>(std::max(reader.totalFrames(), 0));
            return entry;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace tonvexa

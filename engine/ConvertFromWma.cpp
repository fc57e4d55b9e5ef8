// Windows Media sources to MP3 and to WAV.

#include <array>
#include <vector>

#include "audio/Mp3Writer.h"
#include "audio/WavWriter.h"
#include "base/PcmFormat.h"
#include "engine/Amplify.h"
#include "engine/ConversionRoutines.h"
#include "engine/ConversionSupport.h"
#include "engine/FileProgress.h"
#include "engine/Resampler.h"
#include "engine/TagRules.h"
#include "tags/TagIo.h"
#include "wm/WmaReader.h"

namespace tonvexa {

namespace {

std::uint64_t wmaLength(const WmaReader& reader) {
    return static_cast<std::uint64_t>(reader.SampleRate()) * reader.Duration();
}

// The most WAV data the source can give in the output's format. The source's duration is
// in whole seconds, cut down, so one more second is allowed for: an output that might
// pass the RIFF limit is written as RF64 rather than stopped at the limit.
std::uint64_t expectedWavData(const WmaReader& reader, int rate, bool stereo, int bits) {
    if (rate <= 0 || bits <= 0) return 0;
    const std::uint64_t blockAlign = (stereo ? 2u : 1u) * static_cast<std::uint64_t>(bits) / 8;
    return (std::uint64_t{reader.Duration()} + 1) * static_cast<std::uint64_t>(rate) * blockAlign;
}

}  // namespace

int AutomaticMp3BitRate(int channels, int sampleRate) {
    const int perChannel = sampleRate <= 22050 ? 24 : sampleRate <= 32000 ? 48 : 64;
    return channels * perChannel;
}

int ConvertWmaToMp3(const ConversionEnvironment& env, const std::string& source,
                    std::string& destination, ConvertProgress& progress) {
    const AppSettings& s = env.settings;
    WmaReader reader(env.runtime);
    if (!reader.Open(source)) return 0;
    PartialOutput output(destination);
    if (!output.Create()) return 0;
    Mp3Writer writer;
    if (!writer.Open(output.file())) return 0;

    // The whole tag opens the file, for the players that read ID3v2; the ID3v1 block ends
    // it, for those that do not.
    const VolumeScaling volume(s.AmplifyMp3, s.AmplifyMp3Coeff);
    const MediaTags tags = OutputTags(s.ID3TagOpt, s.ID3Tag, source, FormatWma, volume.active);
    if (s.ID3TagOpt == kTagAddConfigured)
        writer.SetTagBlock(Id3v1FromConfigured(s.ID3Tag, source));
    else if (s.ID3TagOpt == kTagKeepSource)
        writer.SetTagBlock(Id3v1FromTags(tags));
    if (!writer.WriteLeadingTag(RenderId3v2Tag(tags))) return 0;

    const int channels = reader.Channels();
    const int rate = reader.SampleRate();
    writer.SetChannels(channels);
    writer.SetInSampleRate(rate);
    if (s.AutoDestMP3EncodingParam != 0) {
        writer.SetOutSampleRate(rate);
        writer.SetBitRate(AutomaticMp3BitRate(channels, rate));
    } else {
        writer.SetBitRate(s.MP3BitRate);
        writer.SetOutSampleRate(s.MP3SampleRate);
        writer.SetMode(s.MP3ChannelMode);
    }
    if (!writer.StartEncoding()) return 0;

    FileProgress fileProgress(progress, wmaLength(reader));
    std::array<std::int16_t, kWmaReadBlockFrames> first{}, second{};
    const BlockLoopResult loop = RunBlockLoop(
        fileProgress,
        // A failed read ends the input without its end: the conversion is then incomplete.
        [&](int& n, bool& end) {
            n = reader.ReadFrames(first.data(), second.data(), end);
            return !reader.ReadFailed();
        },
        [&](int n) {
            if (volume.active)
                AmplifyPcm16(first.data(), second.data(), n, channels, volume.factor);
            return writer.Encode(first.data(), second.data(), n);
        });
    // The writer's close flushes the encoder and appends the tag; if that fails the file is
    // not what it should be.
    const bool closed = writer.Close();
    reader.Close();
    const bool complete = loop.complete() && closed && output.Commit(source);
    fileProgress.finish(complete);
    return complete ? 1 : 0;
}

int ConvertWmaToWav(const ConversionEnvironment& env, const std::string& source,
                    std::string& destination, ConvertProgress& progress) {
    const AppSettings& s = env.settings;
    WmaReader reader(env.runtime);
    if (!reader.Open(source)) return 0;
    const int channels = reader.Channels();
    const int rate = reader.SampleRate();

    PartialOutput partial(destination);
    if (!partial.Create()) return 0;
    WavWriter writer(env.wavDataLimit);
    bool resampling = false;
    PcmFormat output{channels, rate, 16};
    if (s.AutoDestWAVEncodingParam != 0) {
        if (!writer.Open(partial.file(), channels == 2, 16, rate,
                         expectedWavData(reader, rate, channels == 2, 16)))
            return 0;
    } else {
        output = PcmFormat{s.WAVChannelNum, s.WAVSampleRate, s.WAVBitsPerSample};
        resampling =
            !(s.WAVSampleRate == rate && s.WAVBitsPerSample == 16 && s.WAVChannelNum == channels);
        if (!writer.Open(
                partial.file(), s.WAVChannelNum == 2,
                static_cast<std::uint16_t>(s.WAVBitsPerSample), s.WAVSampleRate,
                expectedWavData(reader, s.WAVSampleRate, s.WAVChannelNum == 2, s.WAVBitsPerSample)))
            return 0;
    }

    const VolumeScaling volume(s.AmplifyWav, s.AmplifyWavCoeff);
    // WAV output has no tag option: the source's tag always goes along, after the data.
    MediaTags tags = ReadSourceTags(source, FormatWma);
    if (volume.active) tags.removeIf(IsLoudnessField);
    writer.SetTrailingChunks(RenderWavTagChunks(tags));
    Resampler resampler;
    std::vector<std::uint8_t> out1, out2;
    if (resampling) {
        resampler.SetInputFormat(PcmFormat{channels, rate, 16});
        resampler.SetOutputFormat(output);
        if (!resampler.Init()) return 0;
        const std::size_t bytes =
            resampler.OutputCapacity(kWmaReadBlockFrames) * (output.bitsPerSample == 16 ? 2 : 1);
        out1.resize(bytes);
        if (output.channels == 2) out2.resize(bytes);
    }

    FileProgress fileProgress(progress, wmaLength(reader));
    std::array<std::int16_t, kWmaReadBlockFrames> first{}, second{};
    const BlockLoopResult loop = RunBlockLoop(
        fileProgress,
        // A failed read ends the input without its end: the conversion is then incomplete.
        [&](int& n, bool& end) {
            n = reader.ReadFrames(first.data(), second.data(), end);
            return !reader.ReadFailed();
        },
        [&](int n) {
            if (!resampling) {
                if (volume.active)
                    AmplifyPcm16(first.data(), second.data(), n, channels, volume.factor);
                return writer.WritePcm16(first.data(), second.data(), n);
            }
            std::int32_t m = 0;
            if (!resampler.Process(first.data(), second.data(), n, out1.data(),
                                   out2.empty() ? nullptr : out2.data(), m))
                return false;
            if (output.bitsPerSample == 16) {
                auto* o1 = reinterpret_cast<std::int16_t*>(out1.data());
                auto* o2 = reinterpret_cast<std::int16_t*>(out2.empty() ? nullptr : out2.data());
                if (volume.active) AmplifyPcm16(o1, o2, m, output.channels, volume.factor);
                return writer.WritePcm16(o1, o2, m);
            }
            std::uint8_t* o2 = out2.empty() ? nullptr : out2.data();
            if (volume.active) AmplifyPcm8(out1.data(), o2, m, output.channels, volume.factor);
            return writer.WritePcm8(out1.data(), o2, m);
        });
    const bool closed = writer.Close();
    reader.Close();
    const bool complete = loop.complete() && closed && partial.Commit(source);
    fileProgress.finish(complete);
    return complete ? 1 : 0;
}

}  // namespace tonvexa

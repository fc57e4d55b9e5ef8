// WAV, MP3 and Windows Media sources to Windows Media.

#include <array>
#include <optional>

#include "audio/Mp3Reader.h"
#include "audio/WavReader.h"
#include "engine/Amplify.h"
#include "engine/ConversionRoutines.h"
#include "engine/ConversionSupport.h"
#include "engine/FileProgress.h"
#include "engine/TagRules.h"
#include "tags/TagIo.h"
#include "wm/WmaReader.h"
#include "wm/WmaWriter.h"

namespace tonvexa {

namespace {

// What the three routines share before their block loops: the writer's output, attributes,
// input format and the codec format found for the request.
struct WmaRequest {
    std::uint32_t sampleRate = 0;
    std::uint32_t bitRate = 0;
    std::uint32_t channels = 0;
};

WmaRequest automaticRequest(int channels, int sampleRate) {
    return {static_cast<std::uint32_t>(sampleRate),
            static_cast<std::uint32_t>(AutomaticWmaBitRate(channels, sampleRate)),
            static_cast<std::uint32_t>(channels)};
}

WmaRequest configuredRequest(const AppSettings& s) {
    return {static_cast<std::uint32_t>(s.WMASampleRate), static_cast<std::uint32_t>(s.WMABitRate),
            static_cast<std::uint32_t>(s.WMAChannels)};
}

// Finds the codec format and begins writing.
bool beginWriting(const ConversionEnvironment& env, WmaWriter& writer, const WmaRequest& request) {
    const WM_MEDIA_TYPE* type = nullptr;
    std::uint32_t bitRate = 0;
    if (!FindWmaFormat(env.formats, request.sampleRate, request.bitRate, request.channels, &type,
                       &bitRate))
        return false;
    writer.SetTargetFormat(type, bitRate);
    return writer.Begin();
}

// Ends the file, writes its tag and decides the result: complete only when the whole input
// was read, every write succeeded, the file was finished properly with its tag in it, and
// took a name.
int finishConversion(WmaWriter& writer, FileProgress& fileProgress, const BlockLoopResult& loop,
                     PartialOutput& output, const std::string& source, const MediaTags& tags) {
    const bool ended = writer.End() && loop.complete();
    const bool tagged = ended && (tags.empty() || WriteAsfTags(output.file().Descriptor(), tags));
    const bool complete = tagged && output.Commit(source);
    fileProgress.finish(complete);
    return complete ? 1 : 0;
}

}  // namespace

int AutomaticWmaBitRate(int channels, int sampleRate) {
    const int perChannel = sampleRate >= 44100 ? 64000 : sampleRate >= 22050 ? 32000 : 16000;
    return channels * perChannel;
}

int ConvertWavToWma(const ConversionEnvironment& env, const std::string& source,
                    std::string& destination, ConvertProgress& progress) {
    const AppSettings& s = env.settings;
    WavReader reader;
    if (!reader.Open(source) || !reader.PrepareDecoding()) return 0;
    PartialOutput output(destination);
    if (!output.Create()) return 0;
    WmaWriter writer(env.runtime);
    writer.SetOutputFile(output.file());
    const VolumeScaling volume(s.AmplifyWMA, s.AmplifyWMACoeff);
    const MediaTags tags =
        OutputTags(s.WMAID3TagOpt, s.WMAID3Tag, source, FormatWav, volume.active);

    const int rate = static_cast<int>(reader.format().samplesPerSec);
    const int bits = reader.outputBits();
    const int channels = reader.outputChannels();
    writer.SetPcmInput(rate, bits, channels);
    const WmaRequest request =
        s.AutoDestWMAEncodingParam != 0 ? automaticRequest(channels, rate) : configuredRequest(s);
    if (!beginWriting(env, writer, request)) return 0;

    FileProgress fileProgress(progress,
                              static_cast<std::uint64_t>(std::max(reader.totalFrames(), 0)));
    // Room for one block of 16-bit samples; 8-bit blocks use the same storage.
    std::array<std::int16_t, WavReader::kMaxBlockFrames> first{}, second{};
    const BlockLoopResult loop = RunBlockLoop(
        fileProgress,
        // An undecodable block or a failed read ends the input; it is complete only if the
        // end was seen.
        [&](int& n, bool& end) { return reader.Read(first.data(), second.data(), n, end); },
        [&](int n) {
            const auto frames = static_cast<std::uint32_t>(n);
            if (bits == 16) {
                if (volume.active)
                    AmplifyPcm16(first.data(), second.data(), n, channels, volume.factor);
                return writer.WriteFrames16(first.data(), second.data(), frames);
            }
            auto* f8 = reinterpret_cast<std::uint8_t*>(first.data());
            auto* s8 = reinterpret_cast<std::uint8_t*>(second.data());
            if (volume.active) AmplifyPcm8(f8, s8, n, channels, volume.factor);
            return writer.WriteFrames8(f8, s8, frames);
        });
    reader.Close();
    return finishConversion(writer, fileProgress, loop, output, source, tags);
}

int ConvertMp3ToWma(const ConversionEnvironment& env, const std::string& source,
                    std::string& destination, ConvertProgress& progress) {
    const AppSettings& s = env.settings;
    Mp3Reader reader;
    if (!reader.Open(source)) return 0;
    PartialOutput output(destination);
    if (!output.Create()) return 0;
    WmaWriter writer(env.runtime);
    writer.SetOutputFile(output.file());
    const VolumeScaling volume(s.AmplifyWMA, s.AmplifyWMACoeff);
    const MediaTags tags =
        OutputTags(s.WMAID3TagOpt, s.WMAID3Tag, source, FormatMp3, volume.active);

    const int rate = reader.SampleRate();
    const int channels = reader.Channels();
    writer.SetPcmInput(rate, 16, channels);
    const WmaRequest request =
        s.AutoDestWMAEncodingParam != 0 ? automaticRequest(channels, rate) : configuredRequest(s);
    if (!beginWriting(env, writer, request)) return 0;

    const std::uint64_t length =
        reader.TotalFrames() == Mp3Reader::kUnknownLength ? 0 : reader.TotalFrames();
    FileProgress fileProgress(progress, length);
    std::array<std::int16_t, 1152> first{}, second{};
    const BlockLoopResult loop = RunBlockLoop(
        fileProgress,
        // A decoding error or a failed read ends the input; it is complete only if the end
        // was seen.
        [&](int& n, bool& end) { return reader.Read(first.data(), second.data(), n, end); },
        [&](int n) {
            if (volume.active)
                AmplifyPcm16(first.data(), second.data(), n, channels, volume.factor);
            return writer.WriteFrames16(first.data(), second.data(), static_cast<std::uint32_t>(n));
        });
    reader.Close();
    return finishConversion(writer, fileProgress, loop, output, source, tags);
}

int ConvertWmaToWma(const ConversionEnvironment& env, const std::string& source,
                    std::string& destination, ConvertProgress& progress) {
    const AppSettings& s = env.settings;
    WmaReader reader(env.runtime);
    if (!reader.Open(source)) return 0;
    PartialOutput output(destination);
    if (!output.Create()) return 0;
    WmaWriter writer(env.runtime);
    writer.SetOutputFile(output.file());
    const VolumeScaling volume(s.AmplifyWMA, s.AmplifyWMACoeff);
    const MediaTags tags =
        OutputTags(s.WMAID3TagOpt, s.WMAID3Tag, source, FormatWma, volume.active);

    const int rate = reader.SampleRate();
    const int channels = reader.Channels();
    writer.SetPcmInput(rate, 16, channels);
    const WmaRequest request = s.AutoDestWMAEncodingParam != 0
                                   ? WmaRequest{static_cast<std::uint32_t>(rate),
                                                static_cast<std::uint32_t>(reader.BitRate()),
                                                static_cast<std::uint32_t>(channels)}
                                   : configuredRequest(s);
    if (!beginWriting(env, writer, request)) return 0;

    FileProgress fileProgress(progress, static_cast<std::uint64_t>(rate) * reader.Duration());
    WmSampleBufferPtr buffer;
    std::uint64_t time = 0;
    const BlockLoopResult loop = RunBlockLoop(
        fileProgress,
        // A failed read ends the input without its end: the conversion is then incomplete.
        [&](int& n, bool& end) {
            buffer.reset();
            n = static_cast<int>(reader.ReadRawSample(&buffer, &time, end));
            if (!buffer) n = 0;
            return !reader.ReadFailed();
        },
        [&](int) {
            std::uint8_t* bytes = nullptr;
            std::uint32_t length = 0;
            if (buffer->GetBufferAndLength(&bytes, &length) != WM_S_OK) return false;
            // Interleaved channels are scaled alike, as one channel of all the samples.
            if (volume.active)
                AmplifyPcm16(reinterpret_cast<std::int16_t*>(bytes), nullptr,
                             static_cast<std::int32_t>(length / 2), 1, volume.factor);
            // A sample the writer refuses would leave a hole in the output: the file is then
            // not a complete conversion.
            return writer.WriteRawSample(*buffer, time);
        });
    reader.Close();
    return finishConversion(writer, fileProgress, loop, output, source, tags);
}

void RegisterConversions(ConversionTable& table, const ConversionEnvironment& env) {
    using Routine =
        int (*)(const ConversionEnvironment&, const std::string&, std::string&, ConvertProgress&);
    auto bind = [&env](Routine routine) {
        return [&env, routine](const std::string& source, std::string& destination,
                               ConvertProgress& progress) {
            return routine(env, source, destination, progress);
        };
    };
    table.Register(FormatWma, FormatMp3, bind(ConvertWmaToMp3));
    table.Register(FormatWma, FormatWav, bind(ConvertWmaToWav));
    table.Register(FormatWma, FormatWma, bind(ConvertWmaToWma));
    table.Register(FormatWav, FormatWma, bind(ConvertWavToWma));
    table.Register(FormatMp3, FormatWma, bind(ConvertMp3ToWma));
}

}  // namespace tonvexa

#pragma once

#include <cstdint>
#include <string>

#include "audio/WavHeader.h"
#include "engine/ConversionTable.h"
#include "engine/ConvertProgress.h"
#include "settings/AppSettings.h"
#include "wm/WmRuntime.h"
#include "wm/WmaFormatList.h"

namespace tonvexa {

// What the conversion routines read besides their two paths: the options, the Windows Media
// formats on offer and the runtime that reads and writes Windows Media files. The window and
// the command-line converter each own one and keep it alive while conversions run; the
// routines only read it, so several may run at once.
struct ConversionEnvironment {
    const AppSettings& settings;
    const WmaFormatList& formats;
    WmRuntime& runtime;
    // The most data a WAV output takes in the 44-byte RIFF layout; an output expected to
    // take more is written as RF64. Tests lower it.
    std::uint64_t wavDataLimit = wavheader::kMaxDataSize;
};

// Each converts one file and returns 1 when the whole input reached the output, 0 on
// failure or cancel. The output is written without a name and appears under the destination
// only when it is complete, never in place of anything: if something has taken that name in
// the meantime, the output takes the next free numbered name, which the destination then
// holds. An incomplete output leaves nothing behind.
[[nodiscard]] int ConvertWmaToMp3(const ConversionEnvironment& env, const std::string& source,
                                  std::string& destination, ConvertProgress& progress);
[[nodiscard]] int ConvertWmaToWav(const ConversionEnvironment& env, const std::string& source,
                                  std::string& destination, ConvertProgress& progress);
[[nodiscard]] int ConvertWavToWma(const ConversionEnvironment& env, const std::string& source,
                                  std::string& destination, ConvertProgress& progress);
[[nodiscard]] int ConvertMp3ToWma(const ConversionEnvironment& env, const std::string& source,
                                  std::string& destination, ConvertProgress& progress);
[[nodiscard]] int ConvertWmaToWma(const ConversionEnvironment& env, const std::string& source,
                                  std::string& destination, ConvertProgress& progress);

// Registers the five routines for their pairs; env must outlive the table.
void RegisterConversions(ConversionTable& table, const ConversionEnvironment& env);

// The automatic encoder parameters: MP3 kbit/s from the source's channels and rate, and the
// Windows Media request's bit/s for a WAV or MP3 source.
int AutomaticMp3BitRate(int channels, int sampleRate);
int AutomaticWmaBitRate(int channels, int sampleRate);

}  // namespace tonvexa

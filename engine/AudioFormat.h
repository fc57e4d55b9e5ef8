#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tonvexa {

// Names both the kind of a source file and the target of a conversion. Kept as a plain
// 32-bit integer because a job may carry a code outside the three, which the batch driver
// must treat as a failed conversion.
using AudioFormatCode = std::int32_t;
inline constexpr AudioFormatCode FormatWma = 1000;
inline constexpr AudioFormatCode FormatWav = 2000;
inline constexpr AudioFormatCode FormatMp3 = 3000;
inline constexpr AudioFormatCode FormatNone = 0;

// The text from the last dot of the path's last component to the end, dot included;
// empty when the last component has no dot.
std::string FileExtension(std::string_view path);

// The source code of a path from its extension, compared without regard to case
// (.wma/.wmv/.asf, .wav, .mp3); FormatNone when the file is not accepted.
AudioFormatCode FormatCodeOfPath(std::string_view path);

// The extension of a conversion's output: ".wma" for FormatWma, ".mp3" for FormatMp3,
// ".wav" for any other code.
std::string_view TargetExtension(AudioFormatCode target);

}  // namespace tonvexa

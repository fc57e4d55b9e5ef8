#include "engine/AudioFormat.h"

#include "base/PathUtil.h"

namespace tonvexa {

std::string FileExtension(std::string_view path) {
    const std::string name = FileNamePart(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) return {};
    return name.substr(dot);
}

AudioFormatCode FormatCodeOfPath(std::string_view path) {
    struct Entry {
        std::string_view extension;
        AudioFormatCode code;
    };
    static constexpr Entry kSources[] = {
        {".wma", FormatWma}, {".wmv", FormatWma}, {".asf", FormatWma},
        {".wav", FormatWav}, {".mp3", FormatMp3},
    };
    const std::string ext = FileExtension(path);
    for (const auto& e : kSources)
        if (EqualsNoCase(ext, e.extension)) return e.code;
    return FormatNone;
}

std::string_view TargetExtension(AudioFormatCode target) {
    if (target == FormatWma) return ".wma";
    if (target == FormatMp3) return ".mp3";
    return ".wav";
}

}  // namespace tonvexa

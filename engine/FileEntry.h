#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/AudioFormat.h"
#include "engine/FileIdentity.h"

namespace tonvexa {

// One row of the file list and one conversion job.
struct FileEntry {
    std::string sourcePath;          // as the file was added
    std::uint32_t channels = 0;      // channel count; for MP3 sources the MP3 channel mode
    std::uint32_t sampleRate = 0;    // Hz
    std::int32_t bitRate = 0;        // kbit/s
    std::uint32_t length = 0;        // sample frames per channel
    AudioFormatCode formatCode = FormatNone;
    std::string destinationPath;     // output of the last successful conversion, else empty
    // The file the source path led to when it was added; the list holds each file once.
    std::optional<FileIdentity> identity;
};

}  // namespace tonvexa

#pragma once

namespace tonvexa {

// FFmpeg writes warnings about the files it reads ("Estimating duration from bitrate") to
// the terminal by itself. The programs call this once at start so that it keeps quiet; the
// readers report what matters through their own results. TONVEXA_FFMPEG_LOG=1 in the
// environment keeps FFmpeg's messages, for finding out why a file misbehaves.
void QuietFfmpegLog();

}  // namespace tonvexa

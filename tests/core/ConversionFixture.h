#pragma once

// What the tests of the conversion routines share: the Windows Media runtime and its
// formats, the options, a temporary folder, and sources made by FFmpeg.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "engine/ConversionRoutines.h"
#include "settings/AppSettings.h"
#include "support/MediaInfo.h"
#include "support/TestSupport.h"
#include "wm/FfmpegWmRuntime.h"
#include "wm/WmaFormatList.h"

namespace tonvexa::test {

class ConversionFixture : public testing::Test {
protected:
    static void SetUpTestSuite() {
        runtime_ = new FfmpegWmRuntime;
        formats_ = new WmaFormatList;
        BuildWmaFormatList(*runtime_, *formats_);
    }
    static void TearDownTestSuite() {
        delete formats_;
        delete runtime_;
    }

    ConversionEnvironment env() { return {settings, *formats_, *runtime_}; }

    // A Windows Media source made by FFmpeg's encoder.
    std::string wma(const std::string& name, int rate, int channels, double seconds,
                    std::vector<std::string> extra = {}) {
        const std::string path = dir.file(name);
        std::vector<std::string> args{"-c:a", "wmav2", "-b:a",
                                      std::to_string(channels * (rate >= 32000 ? 64 : 32)) + "k"};
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_TRUE(makeTone(path, rate, channels, seconds, args)) << name;
        return path;
    }

    std::string wav(const std::string& name, int rate, int channels, double seconds,
                    const std::string& codec = "pcm_s16le") {
        const std::string path = dir.file(name);
        EXPECT_TRUE(makeTone(path, rate, channels, seconds, {"-c:a", codec})) << name;
        return path;
    }

    // A routine's destination: the path of a name in the folder, kept where the routine can
    // put the name its output took.
    std::string& out(const std::string& name) { return outputs_.emplace_back(dir.file(name)); }

    TempDir dir;
    AppSettings settings;
    std::deque<std::string> outputs_;
    static inline FfmpegWmRuntime* runtime_ = nullptr;
    static inline WmaFormatList* formats_ = nullptr;
};

}  // namespace tonvexa::test

#include "engine/ListRowTexts.h"

#include <cstdio>

#include "base/PathUtil.h"

namespace tonvexa {

namespace {
constexpr int kMaxNamedFailures = 10;
constexpr const char* kSupportAddress = "support@tonvexa.example";
}  // namespace

ListRowTexts MakeListRowTexts(FileEntry& entry) {
    if (entry.sampleRate == 0) entry.sampleRate = 1;
    ListRowTexts t;
    t.name = FileNamePart(entry.sourcePath);
    const std::uint32_t seconds = entry.length / entry.sampleRate;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02u:%02u", seconds / 60, seconds % 60);
    t.length = buffer;
    std::snprintf(buffer, sizeof buffer, "%d kbps", entry.bitRate);
    t.bitRate = buffer;
    std::snprintf(buffer, sizeof buffer, "%u Hz", entry.sampleRate);
    t.freq = buffer;
    if (entry.formatCode == FormatMp3) {
        static const char* const kModes[] = {"Stereo", "Joint Stereo", "Dual Channel", "Mono"};
        if (entry.channels < 4) t.channels = kModes[entry.channels];
    } else if (entry.channels == 2) {
        t.channels = "Stereo";
    } else if (entry.channels > 2) {
        t.channels = std::to_string(entry.channels);
    } else {
        t.channels = "Mono";
    }
    return t;
}

void AddFailureReport::add(const std::string& path) {
    if (count_ < kMaxNamedFailures) named_.push_back(path);
    ++count_;
}

std::string AddFailureReport::message(const ShownPath& shown) const {
    std::string text;
    for (const std::string& path : named_) text += (shown ? shown(path) : path) + "\n";
    if (count_ > kMaxNamedFailures) text += "<more files>...\n";
    return "Failed to load the following files.\n\n" + text + "\nTo get help, please contact <" +
           kSupportAddress + ">.";
}

}  // namespace tonvexa

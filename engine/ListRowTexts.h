#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/FileEntry.h"

namespace tonvexa {

// The texts a file-list row shows for an entry: name, length, bit rate, frequency, channels.
struct ListRowTexts {
    std::string name;
    std::string length;    // "%02d:%02d", minutes may run past 99
    std::string bitRate;   // "%d kbps"
    std::string freq;      // "%d Hz"
    std::string channels;  // "Stereo", "Mono", "Joint Stereo", "Dual Channel" or the count
};

// Builds the row texts. A sample rate of 0 is set to 1 in the entry first, so the length
// stays defined (the frame count then shows as seconds).
ListRowTexts MakeListRowTexts(FileEntry& entry);

// Collects the paths of files that could not be added and builds the message that names
// them: at most ten paths, then "<more files>...".
class AddFailureReport {
public:
    // Each path as it is to be shown: the window shows UTF-8 text, the terminal the bytes
    // with line breaks escaped.
    using ShownPath = std::function<std::string(const std::string& path)>;

    void add(const std::string& path);
    int count() const { return count_; }
    bool empty() const { return count_ == 0; }
    // "Failed to load the following files.\n\n<paths>\nTo get help, please contact <...>."
    std::string message(const ShownPath& shown = {}) const;

private:
    std::vector<std::string> named_;
    int count_ = 0;
};

}  // namespace tonvexa

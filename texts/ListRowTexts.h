#pragma once

#include <string>

#include "engine/FileEntry.h"

namespace tonvexa {

// The texts a file-list row shows for an entry (UTF-8, in the user's language): name,
// length, bit rate, frequency, channels.
struct ListRowTexts {
    std::string name;
    std::string length;    // "%02d:%02d", minutes may run past 99
    std::string bitRate;   // "%1 kbps"
    std::string freq;      // "%1 Hz"
    std::string channels;  // "Stereo", "Mono", "Joint Stereo", "Dual Channel" or the count
};

// Builds the row texts. A sample rate of 0 is set to 1 in the entry first, so the length
// stays defined (the frame count then shows as seconds).
ListRowTexts MakeListRowTexts(FileEntry& entry);

}  // namespace tonvexa

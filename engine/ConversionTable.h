#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>

#include "engine/AudioFormat.h"
#include "engine/ConvertProgress.h"

namespace tonvexa {

// A conversion of one file: 1 when it completed, 0 on failure or cancel. A routine leaves
// nothing of an incomplete output behind. destination is the name chosen for the output; a
// routine whose output had to take another name (something took the chosen one meanwhile)
// puts that name there.
using ConversionRoutine = std::function<int(const std::string& source, std::string& destination,
                                            ConvertProgress& progress)>;

// What the batch does with a (source, target) pair: every conversion has a Windows Media
// file on one side; WAV and MP3 between each other are skipped; a code outside the three
// fails.
enum class PairKind { Supported, Skipped, Unknown };
PairKind ClassifyPair(AudioFormatCode source, AudioFormatCode target);

// The routines by (source, target). The window registers the program's routines; tests
// register their own.
class ConversionTable {
public:
    void Register(AudioFormatCode source, AudioFormatCode target, ConversionRoutine routine);
    // The routine of a supported pair, or nullptr when none is registered.
    const ConversionRoutine* Find(AudioFormatCode source, AudioFormatCode target) const;

private:
    std::map<std::pair<AudioFormatCode, AudioFormatCode>, ConversionRoutine> routines_;
};

}  // namespace tonvexa

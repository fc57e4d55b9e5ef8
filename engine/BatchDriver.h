#pragma once

#include <string>
#include <vector>

#include "engine/AudioFormat.h"
#include "engine/BatchHost.h"
#include "engine/ConversionTable.h"
#include "engine/ConvertProgress.h"
#include "engine/DesktopServices.h"
#include "engine/FileEntry.h"
#include "engine/OutputPlaces.h"
#include "settings/AppSettings.h"

namespace tonvexa {

// The program's own status and message texts.
inline constexpr char kStatusConverting[] = "Converting...";
inline constexpr char kStatusFailure[] = "Conversion Failure";
inline constexpr char kStatusCancelled[] = "Cancelled";
inline constexpr char kStatusSkipped[] =
    "Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between WAV "
    "and MP3.";
inline constexpr char kMessageCaption[] = "Tonvexa";
inline constexpr char kMessageNoSelection[] = "You should select a file at least.";
inline constexpr char kMessageEmptyList[] = "There aren't files in list.";

// The batch line: "Converting <k> of <n> file(s) to WMA..." (MP3, WAV).
std::string BatchText(int number, int count, AudioFormatCode target);

// The outcome of one job: success with the output file's name as status, or a failure
// text. On success the entry's destination path holds the name the output took (the chosen
// one, or the next numbered one when something else took the chosen name during the
// conversion); on failure it is emptied.
struct JobOutcome {
    bool success = false;
    std::string statusText;
};

// One job, without anything shared between jobs: resets the file line and bar, deletes the
// row's earlier output (never the source itself), chooses and proves the output path, runs
// the pair's routine and tests its file. Several jobs may run at once on different threads
// as long as each has its own entry and progress, and the routines allow it.
[[nodiscard]] JobOutcome RunJob(FileEntry& entry, AudioFormatCode target,
                                const ConversionTable& table, const OutputPlaces& places,
                                ConvertProgress& progress);

// What a batch runs against.
struct BatchContext {
    BatchHost& host;
    DesktopServices& desktop;
    const ConversionTable& table;
    const AppSettings& settings;  // BrowseOutputFolder
    const OutputPlaces& places;
};

// Converts the jobs in order into files of the target, writing each job's outcome into its
// row; stops after the job during which the user cancelled. entries and rows are parallel:
// the entry of each job and the row that shows it.
void ConvertBatch(const std::vector<FileEntry*>& entries, const std::vector<int>& rows,
                  AudioFormatCode target, const BatchContext& context);

// The selected rows of the list (selected[i] for list[i]) as a batch; a message when none is.
void ConvertSelected(const std::vector<FileEntry*>& list, const std::vector<bool>& selected,
                     AudioFormatCode target, const BatchContext& context);
// Every row of the list as a batch; a message when the list is empty.
void ConvertAll(const std::vector<FileEntry*>& list, AudioFormatCode target,
                const BatchContext& context);

}  // namespace tonvexa

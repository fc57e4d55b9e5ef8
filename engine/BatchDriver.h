#pragma once

#include <string>

#include "engine/AudioFormat.h"
#include "engine/ConversionTable.h"
#include "engine/ConvertProgress.h"
#include "engine/FileEntry.h"
#include "engine/OutputPlaces.h"

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
// The running file's line: "Converting <name>...<p>%".
std::string FileText(const std::string& fileName, int percent);

// The outcome of one job: success with the output file's name as status, or a failure
// text. On success the entry's destination path holds the name the output took (the chosen
// one, or the next numbered one when something else took the chosen name during the
// conversion); on failure it is emptied.
struct JobOutcome {
    bool success = false;
    std::string statusText;
};

// A job's output name, chosen and held until the job ends: jobs running at the same time
// never pick one name. Moved into RunPreparedJob, which gives the name back when it ends.
class PreparedJob {
public:
    PreparedJob() = default;
    PreparedJob(PreparedJob&& other) noexcept;
    PreparedJob& operator=(PreparedJob&&) = delete;
    PreparedJob(const PreparedJob&) = delete;
    ~PreparedJob();

    bool prepared() const { return prepared_; }

private:
    friend PreparedJob PrepareJob(FileEntry&, AudioFormatCode, const OutputPlaces&);
    friend JobOutcome RunPreparedJob(FileEntry&, AudioFormatCode, const ConversionTable&,
                                     PreparedJob, ConvertProgress&);
    bool prepared_ = false;
    std::string errorText_;
    OutputNameReservations* names_ = nullptr;
    std::string reserved_;
};

// The first half of a job: deletes the row's earlier output (never the source itself), and
// chooses and proves the output path, which stays reserved until the job ends. Jobs that
// run at once and must get their names in a fixed order call this in that order.
[[nodiscard]] PreparedJob PrepareJob(FileEntry& entry, AudioFormatCode target,
                                     const OutputPlaces& places);
// The second half: runs the pair's routine on the prepared path and tests its file.
[[nodiscard]] JobOutcome RunPreparedJob(FileEntry& entry, AudioFormatCode target,
                                        const ConversionTable& table, PreparedJob job,
                                        ConvertProgress& progress);

// One job, both halves, without anything shared between jobs. Several jobs may run at once
// on different threads as long as each has its own entry and progress, and the routines
// allow it.
[[nodiscard]] JobOutcome RunJob(FileEntry& entry, AudioFormatCode target,
                                const ConversionTable& table, const OutputPlaces& places,
                                ConvertProgress& progress);

}  // namespace tonvexa

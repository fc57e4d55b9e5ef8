#pragma once

#include <string>

#include "engine/AudioFormat.h"
#include "engine/ConversionTable.h"
#include "engine/ConvertProgress.h"
#include "engine/FileEntry.h"
#include "engine/OutputNaming.h"
#include "engine/OutputPlaces.h"

namespace tonvexa {

// How a job ended. The window and the converter turn it into words.
enum class JobResult {
    Converted,              // the output is complete; `path` is where it is
    Failed,                 // the conversion did not complete
    Cancelled,              // the user stopped it
    Skipped,                // the pair of formats is one the program leaves to another
    FolderNotCreated,       // the mirrored output folder could not be made; `path` names it
    DestinationNotCreated,  // no folder took the output file
};

// The outcome of one job. Once converted, the entry's destination path holds the name the
// output took (the chosen one, or the next numbered one when something else took the chosen
// name during the conversion); otherwise it is emptied.
struct JobOutcome {
    JobResult result = JobResult::Failed;
    std::string path;  // the output of Converted, the folder of FolderNotCreated
    bool success() const { return result == JobResult::Converted; }
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
    OutputFailure failure_;
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

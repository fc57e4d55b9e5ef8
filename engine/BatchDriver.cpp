#include "engine/BatchDriver.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "base/PathUtil.h"
#include "engine/OutputNameReservations.h"
#include "engine/OutputNaming.h"

namespace tonvexa {
PreparedJob::PreparedJob(PreparedJob&& other) noexcept
    : prepared_(other.prepared_),
      failure_(std::move(other.failure_)),
      names_(std::exchange(other.names_, nullptr)),
      reserved_(std::move(other.reserved_)) {}

PreparedJob::~PreparedJob() {
    if (names_ != nullptr && !reserved_.empty()) names_->release(reserved_);
}

PreparedJob PrepareJob(FileEntry& entry, AudioFormatCode target, const OutputPlaces& places) {
    // The row's output of an earlier batch makes way, so that this one can take its name.
    if (!entry.destinationPath.empty() && !EqualsNoCase(entry.destinationPath, entry.sourcePath)) {
        std::error_code ec;
        std::filesystem::remove(std::filesystem::path(entry.destinationPath), ec);
    }
    PreparedJob job;
    if (places.reservations) {
        // Jobs that run at once choose their names one at a time and hold them until they end.
        std::lock_guard lock(places.reservations->mutex());
        job.prepared_ = PrepareOutputFile(entry, target, job.failure_, places);
        if (job.prepared_) {
            job.names_ = places.reservations;
            job.reserved_ = entry.destinationPath;
            job.names_->reserve(job.reserved_);
        }
    } else {
        job.prepared_ = PrepareOutputFile(entry, target, job.failure_, places);
    }
    return job;
}

JobOutcome RunPreparedJob(FileEntry& entry, AudioFormatCode target, const ConversionTable& table,
                          PreparedJob job, ConvertProgress& progress) {
    JobOutcome outcome;
    if (!job.prepared_) {
        if (job.failure_.kind == OutputFailure::Kind::FolderNotCreated) {
            outcome.result = JobResult::FolderNotCreated;
            outcome.path = job.failure_.folder;
        } else {
            outcome.result = JobResult::DestinationNotCreated;
        }
        entry.destinationPath.clear();
        return outcome;
    }
    int result = 0;
    switch (ClassifyPair(entry.formatCode, target)) {
        case PairKind::Skipped:
            outcome.result = JobResult::Skipped;
            break;
        case PairKind::Unknown:
            break;
        case PairKind::Supported:
            if (const ConversionRoutine* routine = table.Find(entry.formatCode, target))
                result = (*routine)(entry.sourcePath, entry.destinationPath, progress);
            break;
    }
    const auto size = GetExistingFileSize(entry.destinationPath);
    if (result == 1 && size && *size != 0) {
        outcome.result = JobResult::Converted;
        outcome.path = entry.destinationPath;
        return outcome;
    }
    entry.destinationPath.clear();
    return outcome;
}

JobOutcome RunJob(FileEntry& entry, AudioFormatCode target, const ConversionTable& table,
                  const OutputPlaces& places, ConvertProgress& progress) {
    return RunPreparedJob(entry, target, table, PrepareJob(entry, target, places), progress);
}

}  // namespace tonvexa

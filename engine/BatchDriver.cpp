#include "engine/BatchDriver.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/PathUtil.h"
#include "engine/FileProgress.h"
#include "engine/OutputNameReservations.h"
#include "engine/OutputNaming.h"

namespace tonvexa {
namespace {

std::string_view targetName(AudioFormatCode target) {
    if (target == FormatWma) return "WMA";
    if (target == FormatMp3) return "MP3";
    return "WAV";
}

}  // namespace

std::string BatchText(int number, int count, AudioFormatCode target) {
    return "Converting " + std::to_string(number) + " of " + std::to_string(count) +
           " file(s) to " + std::string(targetName(target)) + "...";
}

JobOutcome RunJob(FileEntry& entry, AudioFormatCode target, const ConversionTable& table,
                  const OutputPlaces& places, ConvertProgress& progress) {
    progress.setFileText(FileProgress::Text(FileNamePart(entry.sourcePath), 0));
    progress.setFilePosition(0);

    // The row's output of an earlier batch makes way, so that this one can take its name.
    if (!entry.destinationPath.empty() && !EqualsNoCase(entry.destinationPath, entry.sourcePath)) {
        std::error_code ec;
        std::filesystem::remove(std::filesystem::path(entry.destinationPath), ec);
    }

    JobOutcome outcome;
    std::string errorText;
    // Jobs that run at once choose their names one at a time and hold them until they end.
    bool prepared = false;
    std::string reserved;
    if (places.reservations) {
        std::lock_guard lock(places.reservations->mutex());
        prepared = PrepareOutputFile(entry, target, errorText, places);
        if (prepared) {
            reserved = entry.destinationPath;
            places.reservations->reserve(reserved);
        }
    } else {
        prepared = PrepareOutputFile(entry, target, errorText, places);
    }
    struct Release {
        OutputNameReservations* names;
        const std::string& name;
        ~Release() {
            if (names && !name.empty()) names->release(name);
        }
    } release{places.reservations, reserved};

    if (!prepared) {
        outcome.statusText = errorText;
    } else {
        int result = 0;
        switch (ClassifyPair(entry.formatCode, target)) {
            case PairKind::Skipped:
                outcome.statusText = kStatusSkipped;
                break;
            case PairKind::Unknown:
                outcome.statusText = kStatusFailure;
                break;
            case PairKind::Supported:
                if (const ConversionRoutine* routine = table.Find(entry.formatCode, target))
                    result = (*routine)(entry.sourcePath, entry.destinationPath, progress);
                outcome.statusText = kStatusFailure;
                break;
        }
        const auto size = GetExistingFileSize(entry.destinationPath);
        if (result == 1 && size && *size != 0) {
            outcome.success = true;
            outcome.statusText = FileNamePart(entry.destinationPath);
            return outcome;
        }
    }
    entry.destinationPath.clear();
    return outcome;
}

void ConvertBatch(const std::vector<FileEntry*>& entries, const std::vector<int>& rows,
                  AudioFormatCode target, const BatchContext& context) {
    BatchHost& host = context.host;
    const int count = static_cast<int>(std::min(entries.size(), rows.size()));

    host.beginWaitCursor();
    host.setWindowEnabled(false);
    {
        std::unique_ptr<ConvertProgress> progress = host.createProgress();
        progress->setBatchRange(count);
        progress->pumpMessages();

        for (int i = 0; i < count; ++i) {
            FileEntry& entry = *entries[static_cast<std::size_t>(i)];
            const int row = rows[static_cast<std::size_t>(i)];
            host.ensureRowVisible(row);
            host.setRowStatus(row, kStatusConverting);
            progress->setBatchText(BatchText(i + 1, count, target));
            progress->stepBatch();

            const JobOutcome outcome =
                RunJob(entry, target, context.table, context.places, *progress);
            if (outcome.success) {
                host.setRowStatus(row, outcome.statusText);
                progress->pumpMessages();
                if (progress->cancelled()) break;
            } else if (progress->cancelled()) {
                host.setRowStatus(row, kStatusCancelled);
                break;
            } else {
                host.setRowStatus(row, outcome.statusText);
            }
        }
    }  // the progress display closes here
    host.setWindowEnabled(true);

    if (context.settings.BrowseOutputFolder != 0) {
        for (int i = 0; i < count; ++i) {
            const std::string& output = entries[static_cast<std::size_t>(i)]->destinationPath;
            if (!output.empty() && FileExists(output)) {
                context.desktop.ShowInExplorer(output);
                break;
            }
        }
    }
    host.endWaitCursor();
}

void ConvertSelected(const std::vector<FileEntry*>& list, const std::vector<bool>& selected,
                     AudioFormatCode target, const BatchContext& context) {
    std::vector<FileEntry*> entries;
    std::vector<int> rows;
    for (std::size_t i = 0; i < list.size() && i < selected.size(); ++i) {
        if (!selected[i]) continue;
        entries.push_back(list[i]);
        rows.push_back(static_cast<int>(i));
    }
    if (entries.empty()) {
        context.host.showMessage(kMessageNoSelection, kMessageCaption);
        return;
    }
    ConvertBatch(entries, rows, target, context);
}

void ConvertAll(const std::vector<FileEntry*>& list, AudioFormatCode target,
                const BatchContext& context) {
    if (list.empty()) {
        context.host.showMessage(kMessageEmptyList, kMessageCaption);
        return;
    }
    std::vector<int> rows(list.size());
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
    ConvertBatch(list, rows, target, context);
}

}  // namespace tonvexa

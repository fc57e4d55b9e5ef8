#pragma once

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/AudioFormat.h"
#include "engine/BatchDriver.h"
#include "engine/ConversionTable.h"
#include "engine/FileEntry.h"
#include "engine/OutputNameReservations.h"
#include "engine/OutputPlaces.h"

class QThreadPool;

namespace tonvexa {

// Runs a batch of conversion jobs on worker threads, at most a given number at once, and
// tells how they go through signals, which arrive on the thread the runner lives on. Jobs
// start in list order, and take their output names in list order too: of four sources that
// map to one name, the first listed gets the plain name whichever finishes first. Cancel
// stops every running job at its next progress point and starts no more.
//
// The runner works on copies of the entries; each job's outcome carries the destination the
// entry holds afterwards, which the owner of the real entry copies back.
class BatchRunner : public QObject {
    Q_OBJECT

public:
    // The table must outlive the runner.
    explicit BatchRunner(const ConversionTable& table, QObject* parent = nullptr);
    ~BatchRunner() override;  // cancels and waits for the running jobs

    // Starts the jobs, their outputs placed by `places` (whose own reservations are not used:
    // the runner keeps its own, shared by its jobs); limit is the most that run at once (at
    // least 1). False, and nothing started, while a batch runs.
    bool start(std::vector<FileEntry> entries, AudioFormatCode target, const OutputPlaces& places,
               int limit);
    // Asks every running job to stop; the jobs not started yet never start.
    void cancel();
    bool running() const { return running_; }
    bool cancelRequested() const { return cancelled_.load(); }

Q_SIGNALS:
    // A job began (its name is being chosen).
    void jobStarted(int index);
    // The running job's percent and bar position (of ConvertProgress::kFileSteps).
    void jobProgress(int index, int percent, int position);
    // A job ended: its outcome (a job stopped by Cancel is Cancelled); a converted one's path
    // is the destination its entry holds now.
    void jobFinished(int index, const tonvexa::JobOutcome& outcome);
    // Every job has ended, or will never start.
    void finished();

private:
    class JobProgress;
    void runJob(int index);
    // Emits a signal on the runner's thread, after what was told before it.
    template <typename Signal>
    void tell(Signal&& emitSignal);
    void jobDone();
    void announceEnd();

    const ConversionTable& table_;
    OutputPlaces places_;
    OutputNameReservations names_;
    std::unique_ptr<QThreadPool> pool_;
    std::vector<FileEntry> entries_;
    AudioFormatCode target_ = FormatNone;
    bool running_ = false;
    std::atomic<bool> cancelled_{false};
    std::atomic<int> remaining_{0};
    // Whose turn it is to choose an output name.
    std::mutex turnMutex_;
    std::condition_variable turnChanged_;
    int namingTurn_ = 0;
};

}  // namespace tonvexa

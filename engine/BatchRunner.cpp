#include "engine/BatchRunner.h"

#include <QThreadPool>

#include <algorithm>
#include <utility>

namespace tonvexa {

// A job's progress, passed on as the runner's signals; its cancel is the runner's.
class BatchRunner::JobProgress final : public ConvertProgress {
public:
    JobProgress(BatchRunner& runner, int index) : runner_(runner), index_(index) {}
    void fileProgress(int percent, int position) override {
        runner_.tell([runner = &runner_, index = index_, percent, position] {
            Q_EMIT runner->jobProgress(index, percent, position);
        });
    }
    bool cancelled() const override { return runner_.cancelled_.load(); }

private:
    BatchRunner& runner_;
    int index_;
};

BatchRunner::BatchRunner(const ConversionTable& table, QObject* parent)
    : QObject(parent), table_(table), pool_(std::make_unique<QThreadPool>()) {}

BatchRunner::~BatchRunner() {
    cancel();
    pool_->waitForDone();
}

bool BatchRunner::start(std::vector<FileEntry> entries, AudioFormatCode target,
                        const OutputPlaces& places, int limit) {
    if (running_) return false;
    places_ = places;
    places_.reservations = &names_;
    entries_ = std::move(entries);
    target_ = target;
    cancelled_ = false;
    namingTurn_ = 0;
    const int count = static_cast<int>(entries_.size());
    running_ = true;
    if (count == 0) {
        announceEnd();
        return true;
    }
    remaining_ = count;
    pool_->setMaxThreadCount(std::clamp(limit, 1, count));
    // The pool starts what it was given in order, so jobs begin in list order.
    for (int i = 0; i < count; ++i) pool_->start([this, i] { runJob(i); });
    return true;
}

void BatchRunner::cancel() {
    cancelled_ = true;
}

void BatchRunner::runJob(int index) {
    {
        std::unique_lock lock(turnMutex_);
        turnChanged_.wait(lock, [&] { return namingTurn_ == index; });
    }
    auto passTurn = [this] {
        {
            std::lock_guard lock(turnMutex_);
            ++namingTurn_;
        }
        turnChanged_.notify_all();
    };
    if (cancelled_) {  // never started: its row keeps what it showed
        passTurn();
        jobDone();
        return;
    }
    tell([this, index] { Q_EMIT jobStarted(index); });
    FileEntry& entry = entries_[static_cast<std::size_t>(index)];
    PreparedJob prepared = PrepareJob(entry, target_, places_);
    passTurn();
    JobProgress progress(*this, index);
    JobOutcome outcome = RunPreparedJob(entry, target_, table_, std::move(prepared), progress);
    if (!outcome.success() && cancelled_) outcome.result = JobResult::Cancelled;
    tell([this, index, outcome] { Q_EMIT jobFinished(index, outcome); });
    jobDone();
}

template <typename Signal>
void BatchRunner::tell(Signal&& emitSignal) {
    // Emitted on the runner's own thread, so that every receiver, even one connected without
    // a context object of its own, hears of the jobs there and never on a worker thread.
    QMetaObject::invokeMethod(this, std::forward<Signal>(emitSignal), Qt::QueuedConnection);
}

void BatchRunner::jobDone() {
    if (--remaining_ == 0) announceEnd();
}

void BatchRunner::announceEnd() {
    // Queued after every job's own signals.
    tell([this] {
        running_ = false;
        Q_EMIT finished();
    });
}

}  // namespace tonvexa

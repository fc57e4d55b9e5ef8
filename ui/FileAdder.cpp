#include "FileAdder.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <exception>
#include <utility>

#include "engine/FileIdentity.h"
#include "texts/Texts.h"
#include "ui/Dialogs.h"
#include "ui/FileListModel.h"
#include "ui/LoadProgressDialog.h"

namespace tonvexa {

namespace {
// How often the window's side looks in while it waits for the search or the probes: Cancel
// is seen within this time.
constexpr int kTurnIntervalMs = 10;
// How long one turn may go on appending rows. When more rows are ready than that allows, the
// next turn comes as soon as the event loop has handled what arrived meanwhile (input,
// painting), so the window answers within about this time however fast the probes finish.
constexpr qint64 kTurnBudgetNs = 5'000'000;
// Rows go in in steps of this many, one insertion each.
constexpr std::size_t kRowsPerStep = 50;
}  // namespace

// One adding, as the window's thread and the pool's threads share it. Nothing here is
// locked: the window's thread never waits for a pool thread.
struct FileAdder::Work : std::enable_shared_from_this<FileAdder::Work> {
    enum class State { Waiting, Duplicate, Failed, Read };
    struct Item {
        std::string path;
        std::optional<FileIdentity> identity;
        // The probe's result: written by the probe before it stores the item's state, and
        // read by the window's thread only once it has seen that state.
        std::optional<FileEntry> entry;
    };

    Work(Prober p, DistinctFiles files) : probe(std::move(p)), listed(std::move(files)) {}

    // On a pool thread: finds the paths, sorts out the duplicates and the unsupported names,
    // then starts the probes.
    void search(const Search& find, QThreadPool& pool) {
        const ScanCancelled isCancelled = [this] { return cancelled.load(); };
        const std::vector<std::string> paths = find(isCancelled);
        std::vector<Item> found(paths.size());
        std::vector<State> sorted(paths.size(), State::Waiting);
        for (std::size_t i = 0; i < paths.size(); ++i) {
            if (isCancelled()) return;
            found[i].path = paths[i];
            found[i].identity = IdentityOfFile(paths[i]);
            if (!listed.insert(paths[i], found[i].identity))
                sorted[i] = State::Duplicate;
            else if (!HasSupportedExtension(paths[i]))
                sorted[i] = State::Failed;
            else
                toProbe.push_back(i);
        }
        items = std::move(found);
        states = std::make_unique<std::atomic<State>[]>(sorted.size());
        for (std::size_t i = 0; i < sorted.size(); ++i)
            states[i].store(sorted[i], std::memory_order_relaxed);
        searched.store(true, std::memory_order_release);
        const auto probes = std::min<std::size_t>(
            toProbe.size(), static_cast<std::size_t>(std::max(1, pool.maxThreadCount())));
        for (std::size_t i = 0; i < probes; ++i)
            pool.start([self = shared_from_this()] { self->probeFiles(); });
    }

    // On a pool thread: probes the files that no other probe has taken, until none is left.
    void probeFiles() {
        while (!cancelled.load()) {
            const std::size_t next = nextProbe.fetch_add(1);
            if (next >= toProbe.size()) return;
            const std::size_t index = toProbe[next];
            Item& item = items[index];
            try {
                item.entry = probe(item.path);
            } catch (const std::exception&) {
                // A reader that gives up by throwing (a header asking for more memory than
                // there is) has not read the file; it is reported like any other.
                item.entry.reset();
            }
            if (item.entry) item.entry->identity = item.identity;
            states[index].store(item.entry ? State::Read : State::Failed,
                                std::memory_order_release);
        }
    }

    const Prober probe;
    DistinctFiles listed;  // the list's files when the adding began; the search's alone
    std::atomic<bool> cancelled{false};

    // Set once by the search before it sets `searched` and starts the probes, and fixed in
    // length from then on.
    std::vector<Item> items;
    std::unique_ptr<std::atomic<State>[]> states;
    std::vector<std::size_t> toProbe;
    std::atomic<std::size_t> nextProbe{0};
    std::atomic<bool> searched{false};
};

FileAdder::FileAdder(FileListModel& model, Prober probe, QWidget* owner, Dialogs& dialogs,
                     WindowLock lock, QObject* parent)
    : QObject(parent),
      model_(model),
      probe_(std::move(probe)),
      owner_(owner),
      dialogs_(dialogs),
      lock_(std::move(lock)) {
    // One probe per core; the search takes a thread only until the probes start.
    pool_.setMaxThreadCount(QThread::idealThreadCount());
    turns_.setInterval(kTurnIntervalMs);
    connect(&turns_, &QTimer::timeout, this, &FileAdder::turn);
}

FileAdder::~FileAdder() {
    if (work_) work_->cancelled = true;
    pool_.waitForDone();
    if (dialog_) dialog_->finishOperation();
}

void FileAdder::AddFilesToList(const std::vector<std::string>& paths) {
    start([paths](const ScanCancelled&) { return paths; }, false);
}

void FileAdder::AddFolderTree(const std::string& folder) {
    start(
        [folder](const ScanCancelled& cancelled) {
            std::vector<std::string> paths;
            ScanFolder(paths, folder, cancelled);
            return paths;
        },
        true);
}

void FileAdder::AddDroppedItems(const std::vector<std::string>& items) {
    start(
        [items](const ScanCancelled& cancelled) {
            std::vector<std::string> paths;
            for (const std::string& item : items) CollectDroppedPaths(paths, item, cancelled);
            return paths;
        },
        true);
}

void FileAdder::start(Search search, bool searching) {
    if (work_) return;
    // The list cannot change while files are added (the window takes no commands), so the
    // files it holds now are the ones a new file may duplicate.
    DistinctFiles listed;
    for (const FileEntry* entry : model_.entries())
        listed.insert(entry->sourcePath, entry->identity);
    work_ = std::make_shared<Work>(probe_, std::move(listed));
    appended_ = 0;
    rangeSet_ = false;
    failures_ = AddFailureReport();

    if (lock_) lock_(false);
    dialog_ = std::make_unique<LoadProgressDialog>(owner_);
    dialog_->show();
    if (searching) {
        //: Progress line while folders are searched for files to add
        dialog_->setStatusText(tr("Searching files..."));
    }
    pool_.start(
        [work = work_, find = std::move(search), pool = &pool_] { work->search(find, *pool); });
    turns_.start();
}

void FileAdder::turn() {
    if (dialog_->cancelled()) {
        // The probes under way finish on their own; nothing of theirs reaches the list.
        work_->cancelled = true;
        end();
        return;
    }
    if (!work_->searched.load(std::memory_order_acquire)) return;
    const std::size_t total = work_->items.size();
    const auto stateOf = [this](std::size_t i) {
        return work_->states[i].load(std::memory_order_acquire);
    };
    QElapsedTimer spent;
    spent.start();
    bool moreReady = false;
    int lastRow = -1;
    do {
        std::vector<FileEntry> rows;
        // Probes finish in any order; the rows go in in the order the files were found.
        for (; appended_ < total && rows.size() < kRowsPerStep; ++appended_) {
            const Work::State state = stateOf(appended_);
            if (state == Work::State::Waiting) break;
            Work::Item& item = work_->items[appended_];
            if (state == Work::State::Failed) failures_.add(item.path);
            if (state == Work::State::Read) rows.push_back(std::move(*item.entry));
        }
        moreReady = appended_ < total && stateOf(appended_) != Work::State::Waiting;
        if (!rows.empty()) lastRow = model_.appendEntries(std::move(rows));
    } while (moreReady && spent.nsecsElapsed() < kTurnBudgetNs);

    if (lastRow >= 0) Q_EMIT rowsAdded(lastRow);
    if (!rangeSet_) {
        dialog_->setRange(static_cast<int>(total));
        rangeSet_ = true;
    }
    if (appended_ == total) {
        end();
        return;
    }
    const int current = static_cast<int>(appended_) + 1;
    //: Progress line: %1 is the number of the file being added, %2 how many there are
    dialog_->setStatusText(tr("Adding file %1 of %2...").arg(current).arg(static_cast<int>(total)));
    dialog_->setPosition(current);
    turns_.start(moreReady ? 0 : kTurnIntervalMs);
}

void FileAdder::end() {
    turns_.stop();
    work_.reset();
    dialog_->finishOperation();
    dialog_.reset();
    if (lock_) lock_(true);
    const AddFailureReport failures = std::exchange(failures_, AddFailureReport());
    if (!failures.empty()) {
        dialogs_.showMessage(owner_, QString::fromStdString(LoadFailureMessage(failures)),
                             MessageIcon::Warning);
    }
    Q_EMIT finished();
}

}  // namespace tonvexa

#include "ui/FileAdder.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <utility>

#include "engine/FileIdentity.h"
#include "ui/Dialogs.h"
#include "ui/FileListModel.h"
#include "ui/LoadProgressDialog.h"

namespace tonvexa {

namespace {
// How often the window's side looks in: Cancel is seen within this time, and rows arrive in
// steps too small to notice.
constexpr int kTurnIntervalMs = 10;
// The most rows one turn appends, so that a turn stays short however fast the probes finish;
// at the interval above that is still many thousands of rows a second.
constexpr std::size_t kRowsPerTurn = 200;
}  // namespace

// One adding, as the window's thread and the pool's threads share it.
struct FileAdder::Work : std::enable_shared_from_this<FileAdder::Work> {
    enum class State { Waiting, Duplicate, Failed, Read };
    struct Item {
        std::string path;
        std::optional<FileIdentity> identity;
        State state = State::Waiting;
        std::optional<FileEntry> entry;
    };

    Work(Prober p, DistinctFiles files) : probe(std::move(p)), listed(std::move(files)) {}

    // On a pool thread: finds the paths, sorts out the duplicates and the unsupported names,
    // then starts the probes.
    void search(const Search& find, QThreadPool& pool) {
        const ScanCancelled isCancelled = [this] { return cancelled.load(); };
        const std::vector<std::string> paths = find(isCancelled);
        std::vector<Item> found;
        found.reserve(paths.size());
        for (const std::string& path : paths) {
            if (isCancelled()) return;
            Item item;
            item.path = path;
            item.identity = IdentityOfFile(path);
            if (!listed.insert(path, item.identity)) {
                item.state = State::Duplicate;
            } else if (!HasSupportedExtension(path)) {
                item.state = State::Failed;
            } else {
                toProbe.push_back(found.size());
            }
            found.push_back(std::move(item));
        }
        {
            std::lock_guard lock(mutex);
            items = std::move(found);
            searched = true;
        }
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
            Item& item = items[toProbe[next]];
            std::optional<FileEntry> entry;
            try {
                entry = probe(item.path);
            } catch (const std::exception&) {
                // A reader that gives up by throwing (a header asking for more memory than
                // there is) has not read the file; it is reported like any other.
                entry.reset();
            }
            if (entry) entry->identity = item.identity;
            std::lock_guard lock(mutex);
            item.state = entry ? State::Read : State::Failed;
            item.entry = std::move(entry);
        }
    }

    const Prober probe;
    DistinctFiles listed;  // the list's files when the adding began; the search's alone
    std::atomic<bool> cancelled{false};

    // Set once by the search, before it starts the probes; after that only each item's state
    // and entry change, under the lock, so that the probes read paths without it.
    std::vector<Item> items;
    std::vector<std::size_t> toProbe;
    std::atomic<std::size_t> nextProbe{0};
    std::mutex mutex;
    bool searched = false;
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
    if (searching) dialog_->setStatusText(QStringLiteral("Searching files..."));
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
    std::vector<FileEntry> rows;
    std::vector<std::string> failed;
    std::size_t total = 0;
    {
        std::lock_guard lock(work_->mutex);
        if (!work_->searched) return;
        total = work_->items.size();
        // Probes finish in any order; the rows go in in the order the files were found.
        for (; appended_ < total && rows.size() < kRowsPerTurn; ++appended_) {
            Work::Item& item = work_->items[appended_];
            if (item.state == Work::State::Waiting) break;
            if (item.state == Work::State::Failed) failed.push_back(item.path);
            if (item.state == Work::State::Read) rows.push_back(std::move(*item.entry));
        }
    }
    for (const std::string& path : failed) failures_.add(path);
    if (!rangeSet_) {
        dialog_->setRange(static_cast<int>(total));
        rangeSet_ = true;
    }
    if (!rows.empty()) Q_EMIT rowsAdded(model_.appendEntries(std::move(rows)));
    if (appended_ == total) {
        end();
        return;
    }
    const int current = static_cast<int>(appended_) + 1;
    dialog_->setStatusText(
        QStringLiteral("Adding file %1 of %2...").arg(current).arg(static_cast<int>(total)));
    dialog_->setPosition(current);
}

void FileAdder::end() {
    turns_.stop();
    work_.reset();
    dialog_->finishOperation();
    dialog_.reset();
    if (lock_) lock_(true);
    const AddFailureReport failures = std::exchange(failures_, AddFailureReport());
    if (!failures.empty()) {
        dialogs_.showMessage(owner_, QString::fromStdString(failures.message()),
                             MessageIcon::Warning);
    }
    Q_EMIT finished();
}

}  // namespace tonvexa

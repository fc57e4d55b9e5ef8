#pragma once

#include <mutex>
#include <set>
#include <string>

namespace tonvexa {

// Output names held by jobs that are running at the same time. A job chooses its name and
// probes it while holding the lock, and keeps the name reserved until it has ended, so that
// two jobs never pick one name even before either has created its file.
class OutputNameReservations {
public:
    std::mutex& mutex() { return mutex_; }

    // The caller holds the lock for these.
    bool isReserved(const std::string& path) const { return names_.count(path) != 0; }
    void reserve(const std::string& path) { names_.insert(path); }

    // Takes the lock itself.
    void release(const std::string& path) {
        std::lock_guard lock(mutex_);
        names_.erase(path);
    }

private:
    std::mutex mutex_;
    std::set<std::string> names_;
};

}  // namespace tonvexa

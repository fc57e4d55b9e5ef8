#pragma once

#include <string>
#include <vector>

namespace tonvexa {

// The files that could not be added, for the one message that names them at the end: the
// first ten paths, and how many there were.
class AddFailureReport {
public:
    static constexpr int kMaxNamed = 10;

    void add(const std::string& path) {
        if (count_ < kMaxNamed) named_.push_back(path);
        ++count_;
    }
    int count() const { return count_; }
    bool empty() const { return count_ == 0; }
    // The paths the message names, in the order they were added.
    const std::vector<std::string>& named() const { return named_; }

private:
    std::vector<std::string> named_;
    int count_ = 0;
};

}  // namespace tonvexa

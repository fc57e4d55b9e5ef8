#pragma once

namespace tonvexa {

// What a running conversion tells about itself and asks: how far its file has come, and
// whether to stop. The batch runner passes it on to whoever watches (the window's progress
// dialog, the terminal); tests and conversions nobody watches supply their own.
class ConvertProgress {
public:
    // The steps of a file's bar: a watcher draws the bar at position / kFileSteps.
    static constexpr int kFileSteps = 1000;

    virtual ~ConvertProgress() = default;

    // The running file's progress: the whole percent shown in its line, and the bar's
    // position (0 to kFileSteps). Told once at 0 when the file starts and again whenever
    // either grows.
    virtual void fileProgress(int percent, int position) = 0;
    // Set once the user asked to stop; never cleared. Safe to ask from the converting thread.
    virtual bool cancelled() const = 0;
};

// Progress that nobody watches: it shows nothing and is never cancelled. Conversions run
// without a watcher (seed files, tests) start from it and override only what they need.
class SilentProgress : public ConvertProgress {
public:
    void fileProgress(int, int) override {}
    bool cancelled() const override { return false; }
};

}  // namespace tonvexa

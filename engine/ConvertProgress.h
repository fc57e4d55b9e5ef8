#pragma once

#include <string>

namespace tonvexa {

// What the batch driver and the conversion routines need of the conversion progress
// dialog. The dialog implements it; tests and the command-line converter supply their own.
class ConvertProgress {
public:
    virtual ~ConvertProgress() = default;

    // The running job's line ("Converting %s...%d%%") and bar.
    virtual void setFileText(const std::string& text) = 0;
    virtual int fileBarWidth() const = 0;  // the bar's width in pixels
    virtual void setFileRange(int maximum) = 0;
    virtual void setFilePosition(int position) = 0;

    // The batch line ("Converting %d of %d file(s) to MP3...") and bar.
    virtual void setBatchText(const std::string& text) = 0;
    virtual void setBatchRange(int maximum) = 0;
    virtual void stepBatch() = 0;

    // Lets the user interface handle what is waiting (the Cancel button among it).
    virtual void pumpMessages() = 0;
    // Set once the user asked to cancel; never cleared.
    virtual bool cancelled() const = 0;
};

// Progress that nobody watches: it shows nothing and is never cancelled. Conversions run
// without a window (seed files, tests, the terminal) start from it and override only what
// they show or how they are cancelled.
class SilentProgress : public ConvertProgress {
public:
    void setFileText(const std::string&) override {}
    int fileBarWidth() const override { return 100; }
    void setFileRange(int) override {}
    void setFilePosition(int) override {}
    void setBatchText(const std::string&) override {}
    void setBatchRange(int) override {}
    void stepBatch() override {}
    void pumpMessages() override {}
    bool cancelled() const override { return false; }
};

}  // namespace tonvexa

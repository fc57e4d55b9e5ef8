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

}  // namespace tonvexa

#include "engine/ConversionSupport.h"

#include "base/PathUtil.h"
#include "engine/Amplify.h"
#include "engine/OutputNaming.h"

namespace tonvexa {

namespace {

// Names taken by other programs one after another could keep the output from its name for
// ever; past this many the conversion fails.
constexpr int kNamingAttempts = 1000;

}  // namespace

bool PartialOutput::Commit(const std::string& source) {
    std::string name = destination_;
    for (int attempt = 0; attempt < kNamingAttempts; ++attempt) {
        switch (file_.CommitAs(name)) {
            case AtomicOutput::Commit::Named:
                destination_ = name;
                return true;
            case AtomicOutput::Commit::Failed:
                return false;
            case AtomicOutput::Commit::NameTaken:
                name = NextFreeOutputName(source, destination_);
                break;
            case AtomicOutput::Commit::NameTooLong:
                // The folder said it takes longer names than it does (some network and FUSE
                // file systems): a name a character shorter, until one fits.
                name = NextFreeOutputName(source, name, FileNamePart(name).size() - 1);
                break;
        }
    }
    file_.Discard();
    return false;
}

VolumeScaling::VolumeScaling(std::int32_t enabled, std::int32_t percent)
    : active(enabled != 0 && percent != 100), factor(AmplifyFactor(percent)) {}

}  // namespace tonvexa

#include "engine/ConversionSupport.h"

#include <filesystem>
#include <system_error>

#include "engine/Amplify.h"
#include "engine/PathUtil.h"

namespace tonvexa {

void DeleteIncompleteOutput(const std::string& source, const std::string& destination) {
    if (destination.empty() || EqualsNoCase(source, destination)) return;
    std::error_code ec;
    std::filesystem::remove(std::filesystem::path(destination), ec);
}

VolumeScaling::VolumeScaling(std::int32_t enabled, std::int32_t percent)
    : active(enabled != 0 && percent != 100), factor(AmplifyFactor(percent)) {}

}  // namespace tonvexa

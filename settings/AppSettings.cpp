#include "settings/AppSettings.h"

#include <algorithm>
#include <thread>

namespace tonvexa {

int EffectiveSimultaneousConversions(const AppSettings& settings) {
    const std::int32_t stored = settings.SimultaneousConversions;
    if (stored >= 1 && stored <= kMaxSimultaneousConversions) return stored;
    // hardware_concurrency() is 0 when the system does not tell.
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(
        std::clamp<unsigned>(cores, 1, static_cast<unsigned>(kMaxSimultaneousConversions)));
}

}  // namespace tonvexa

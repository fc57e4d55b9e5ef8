#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "settings/AppSettings.h"


namespace tonvexa {

class OutputNameReservations;

// Everything output naming needs to know about where files may go: the output options and
// the two fallback places. Filled from the options by OutputPlacesFrom, or by hand in tests.
struct OutputPlaces {
    std::int32_t destOutputFolderOpt = kOutputBesideSource;  // 399 uses destSpecifiedFolder
    std::string destSpecifiedFolder;
    bool createDirs = false;  // recreate the source's folder path below destSpecifiedFolder
    // The user's documents folder and the program's folder; the fallbacks put a "TONVEX"
    // folder into each. Nothing when unknown.
    std::optional<std::string> documentsFolder;
    std::optional<std::string> programFolder;
    // Names held by other jobs running at the same time (they count as taken); none when jobs
    // run one after another.
    OutputNameReservations* reservations = nullptr;
};

// The places of the options: documents from the platform's standard paths, the program's
// folder from the running application (or the executable's link when there is none).
OutputPlaces OutputPlacesFrom(const AppSettings& settings);

}  // namespace tonvexa

// The settings store's load of an arbitrary INI file, as the command-line converter reads
// an options file it is given: every option, then the first-run marker.

#include <cstddef>
#include <cstdint>

#include <QString>

#include "FuzzInput.h"
#include "settings/SettingsStore.h"

using namespace tonvexa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::InputFile input(".ini");
    SettingsStore store(input.Write(data, size));
    AppSettings settings;
    (void)store.LoadSettings(settings);
    // The checks of the load hold whatever the file said.
    if (settings.WAVChannelNum != 1 && settings.WAVChannelNum != 2) __builtin_trap();
    if (settings.AmplifyMp3Coeff < 10 || settings.AmplifyMp3Coeff > 3000) __builtin_trap();
    if (QString::fromStdString(settings.Folder).size() >
        static_cast<qsizetype>(AppSettings::kMaxTextLength))
        __builtin_trap();
    (void)store.ReadFirstRun();
    return 0;
}

// ResolveShortcut over arbitrary bytes, read once as a Windows shell link (.lnk) and once
// as a freedesktop link file (.desktop): shortcuts come from any folder the user adds.

#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "engine/FolderScan.h"

using namespace tonvexa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::InputFile lnk(".lnk");
    static fuzz::InputFile desktop(".desktop");
    for (fuzz::InputFile* file : {&lnk, &desktop}) {
        const auto target = ResolveShortcut(file->Write(data, size));
        if (target && target->empty()) __builtin_trap();
    }
    return 0;
}

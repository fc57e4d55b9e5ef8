#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// The folders of the core, each with the folders its code may include from. The build links
// each folder's library only to the ones below it; this keeps the headers to the same order,
// so that an upward use is caught where it is written, not only where it is called.
const std::map<std::string, std::set<std::string>>& LayerRules() {
    static const std::map<std::string, std::set<std::string>> rules = {
        {"base", {"base"}},
        {"settings", {"base", "settings"}},
        {"audio", {"base", "audio"}},
        {"wm", {"base", "wm"}},
        {"tags", {"base", "tags"}},
        {"engine", {"base", "settings", "audio", "wm", "tags", "engine"}},
        {"texts", {"base", "settings", "audio", "wm", "tags", "engine", "texts"}},
    };
    return rules;
}

// Project folders outside the core, which no core file may include from.
const std::set<std::string>& OutsideCore() {
    static const std::set<std::string> folders = {"ui", "tools", "tests", "bench", "fuzz"};
    return folders;
}

struct Scan {
    int files = 0;
    std::map<std::string, int> filesPerLayer;
    std::vector<std::string> violations;  // "folder/File.cpp:12: includes x/Y.h"
};

// Whether `included`, as written in a file of `layer`, names something the layer may use.
// Names without a folder are the file's own folder's; external headers (<QString>,
// <gsm/gsm.h>) are no concern here.
bool MayInclude(const std::string& layer, const std::string& included) {
    if (included.find("..") != std::string::npos) return false;
    const auto slash = included.find('/');
    if (slash == std::string::npos) return true;
    const std::string folder = included.substr(0, slash);
    if (OutsideCore().contains(folder)) return false;
    if (!LayerRules().contains(folder)) return true;
    return LayerRules().at(layer).contains(folder);
}

void ScanFile(const fs::path& root, const fs::path& file, const std::string& layer, Scan& scan) {
    static const std::regex kInclude(R"(^\s*#\s*include\s*[<"]([^">]+)[">])");
    std::ifstream in(file);
    std::string line;
    std::smatch m;
    for (int number = 1; std::getline(in, line); ++number) {
        if (std::regex_search(line, m, kInclude) && !MayInclude(layer, m[1].str()))
            scan.violations.push_back(fs::relative(file, root).generic_string() + ":" +
                                      std::to_string(number) + ": includes " + m[1].str());
    }
    ++scan.files;
    ++scan.filesPerLayer[layer];
}

// Every header and source file of the core under `root`.
Scan ScanCore(const fs::path& root) {
    Scan scan;
    for (const auto& [layer, allowed] : LayerRules()) {
        const fs::path folder = root / layer;
        if (!fs::is_directory(folder)) continue;
        for (auto it = fs::recursive_directory_iterator(folder);
             it != fs::recursive_directory_iterator(); ++it) {
            const auto ext = it->path().extension();
            if (it->is_regular_file() && (ext == ".h" || ext == ".cpp"))
                ScanFile(root, it->path(), layer, scan);
        }
    }
    return scan;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l + "\n";
    return all;
}

}  // namespace

TEST(LayerIncludes, CoreIncludesOnlyItsOwnAndLowerLayers) {
    Scan scan = ScanCore(TONVEXA_SOURCE_DIR);
    EXPECT_TRUE(scan.violations.empty()) << Joined(scan.violations);
    // The walk really saw the core: every layer, and about as many files as it has.
    EXPECT_GE(scan.files, 80);
    for (const auto& [layer, allowed] : LayerRules())
        EXPECT_GE(scan.filesPerLayer[layer], 2) << layer;
}

TEST(LayerIncludes, ReportsUpwardSiblingAndWindowIncludesWithTheirLines) {
    tonvexa::test::TempDir dir;
    const fs::path root = dir.path();
    for (const char* folder : {"base", "settings", "ui/options", "audio", "wm", "engine"})
        fs::create_directories(root / folder);
    auto write = [&](const char* name, const char* text) {
        tonvexa::test::writeFile((root / name).string(), std::string(text));
    };
    write("base/Basic.h", "#pragma once\n#include <cstdint>\n#include \"ui/Window.h\"\n");
    write("settings/Options.cpp",
          "#include \"settings/Options.h\"\n#include \"base/Basic.h\"\n"
          "#include \"ui/options/Page.h\"\n");
    write("ui/options/Page.cpp", "#include \"ui/Window.h\"\n");  // window code: not walked
    write("audio/Reader.cpp",
          "#include \"audio/Reader.h\"\n#include \"settings/Options.h\"\n"
          "  #  include \"engine/Job.h\"\n#include \"wm/Stream.h\"\n");
    write("wm/Stream.h", "#include <QString>\n#include \"audio/Reader.h\"\n");
    write("engine/Job.cpp",
          "#include \"audio/Reader.h\"\n#include \"wm/Stream.h\"\n"
          "#include \"Job.h\"\n#include \"../ui/Window.h\"\n");

    const Scan scan = ScanCore(root);
    EXPECT_EQ(scan.files, 5);
    const std::set<std::string> found(scan.violations.begin(), scan.violations.end());
    const std::set<std::string> expected = {
        "base/Basic.h:3: includes ui/Window.h",
        "settings/Options.cpp:3: includes ui/options/Page.h",
        "audio/Reader.cpp:2: includes settings/Options.h",
        "audio/Reader.cpp:3: includes engine/Job.h",
        "audio/Reader.cpp:4: includes wm/Stream.h",
        "wm/Stream.h:2: includes audio/Reader.h",
        "engine/Job.cpp:4: includes ../ui/Window.h",
    };
    EXPECT_EQ(found, expected);
}

// The program as a Linux desktop gets it: this build installed into a temporary DESTDIR and
// packed as a Debian package, each checked with the desktop's own validators.

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QString>

#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace fs = std::filesystem;
using tonvexa::test::ProgramRun;
using tonvexa::test::runCaptured;
using tonvexa::test::TempDir;

namespace {

const std::string kAppId = TONVEXA_APP_ID;
const std::vector<int> kIconSizes = {16, 32, 48, 64, 128, 256};

// Every file the installation holds, below the prefix /usr.
std::set<std::string> ExpectedFiles() {
    std::set<std::string> files = {
        "usr/bin/tonvexa",
        "usr/bin/tonvexa-convert",
        "usr/share/applications/" + kAppId + ".desktop",
        "usr/share/metainfo/" + kAppId + ".metainfo.xml",
        "usr/share/icons/hicolor/scalable/apps/" + kAppId + ".svg",
        "usr/share/man/man1/tonvexa.1",
        "usr/share/man/man1/tonvexa-convert.1",
        "usr/share/doc/tonvexa/index.html",
        "usr/share/doc/tonvexa/help.css",
        "usr/share/doc/tonvexa/copyright",
    };
    for (const char* language : {"de", "fr", "es", "it", "pt_BR", "pl", "ru", "ja", "zh_CN"})
        files.insert("usr/share/doc/tonvexa/index_" + std::string(language) + ".html");
    for (int size : kIconSizes)
        files.insert("usr/share/icons/hicolor/" + std::to_string(size) + "x" +
                     std::to_string(size) + "/apps/" + kAppId + ".png");
    return files;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The path of a tool the checks need; the message names the package that brings it.
std::string Tool(const char* name, const char* package) {
    const QString path = QStandardPaths::findExecutable(QString::fromUtf8(name));
    if (path.isEmpty()) {
        ADD_FAILURE() << name << " is missing: install " << package << " (scripts/tonvexa.sh does)";
        return name;
    }
    return path.toStdString();
}

// One value of a desktop entry's main group.
std::string DesktopValue(const std::string& entry, const std::string& key) {
    std::smatch m;
    if (std::regex_search(entry, m, std::regex("(^|\n)" + key + "=([^\n]*)"))) return m[2];
    return "";
}

// The width and height a PNG file's header gives.
std::pair<int, int> PngSize(const fs::path& path) {
    const auto bytes = tonvexa::test::readFile(path.string());
    if (bytes.size() < 24 || std::string(bytes.begin() + 12, bytes.begin() + 16) != "IHDR")
        return {0, 0};
    auto be32 = [&](std::size_t at) {
        return static_cast<int>(bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 |
                                bytes[at + 3]);
    };
    return {be32(16), be32(20)};
}

// The installation, made once for the tests of this process.
class Installed : public testing::Test {
protected:
    static void SetUpTestSuite() {
        destDir_ = std::make_unique<TempDir>();
        install_ = runCaptured(TONVEXA_CMAKE, {"--install", TONVEXA_BUILD_DIR, "--prefix", "/usr"},
                               {"DESTDIR=" + destDir_->path().string()});
    }
    static void TearDownTestSuite() { destDir_.reset(); }
    void SetUp() override { ASSERT_EQ(install_.exitCode, 0) << install_.out << install_.err; }

    static fs::path root() { return destDir_->path(); }
    static fs::path file(const std::string& relative) { return root() / relative; }

    // The files below the root, relative to it.
    static std::set<std::string> filesBelow(const fs::path& top) {
        std::set<std::string> files;
        for (const auto& e : fs::recursive_directory_iterator(top))
            if (!e.is_directory()) files.insert(fs::relative(e.path(), top).string());
        return files;
    }

    static std::unique_ptr<TempDir> destDir_;
    static ProgramRun install_;
};

std::unique_ptr<TempDir> Installed::destDir_;
ProgramRun Installed::install_;

}  // namespace

TEST_F(Installed, TreeHoldsTheProgramsAndTheirDesktopFiles) {
    EXPECT_EQ(filesBelow(root()), ExpectedFiles());
    for (const char* program : {"usr/bin/tonvexa", "usr/bin/tonvexa-convert"}) {
        const auto permissions = fs::status(file(program)).permissions();
        EXPECT_NE(permissions & fs::perms::others_exec, fs::perms::none) << program;
    }
    for (int size : kIconSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        EXPECT_EQ(PngSize(file("usr/share/icons/hicolor/" + name + "/apps/" + kAppId + ".png")),
                  std::make_pair(size, size))
            << name;
    }
    const std::string svg =
        ReadText(file("usr/share/icons/hicolor/scalable/apps/" + kAppId + ".svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_EQ(ReadText(file("usr/share/doc/tonvexa/copyright")).rfind("MIT License", 0), 0u);

    const ProgramRun version = runCaptured(file("usr/bin/tonvexa-convert").string(), {"--version"});
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_EQ(version.out, std::string("tonvexa-convert ") + TONVEXA_VERSION + "\n");
}

TEST_F(Installed, DesktopEntryIsValidAndStartsTheWindow) {
    const fs::path path = file("usr/share/applications/" + kAppId + ".desktop");
    const ProgramRun check =
        runCaptured(Tool("desktop-file-validate", "desktop-file-utils"), {path.string()});
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_EQ(check.out + check.err, "");

    const std::string entry = ReadText(path);
    EXPECT_EQ(DesktopValue(entry, "Type"), "Application");
    EXPECT_EQ(DesktopValue(entry, "Name"), "Tonvexa");
    EXPECT_EQ(DesktopValue(entry, "GenericName"), "Audio Converter");
    EXPECT_FALSE(DesktopValue(entry, "Comment").empty());
    EXPECT_FALSE(DesktopValue(entry, "Keywords").empty());
    // The program ignores its command line: no file arguments.
    EXPECT_EQ(DesktopValue(entry, "Exec"), "tonvexa");
    EXPECT_EQ(DesktopValue(entry, "Icon"), kAppId);
    EXPECT_EQ(DesktopValue(entry, "Categories"), "AudioVideo;Audio;Qt;");
}

TEST_F(Installed, MetainfoIsValidAndNamesTheEntryAndTheRelease) {
    const fs::path path = file("usr/share/metainfo/" + kAppId + ".metainfo.xml");
    const ProgramRun check =
        runCaptured(Tool("appstreamcli", "appstream"), {"validate", "--no-net", path.string()});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    // Errors and warnings fail; notes (I:) and pedantic hints do not.
    EXPECT_FALSE(std::regex_search(check.out, std::regex("(^|\n)[EW]: "))) << check.out;

    const std::string xml = ReadText(path);
    EXPECT_NE(xml.find("<id>" + kAppId + "</id>"), std::string::npos);
    EXPECT_NE(xml.find("<launchable type=\"desktop-id\">" + kAppId + ".desktop</launchable>"),
              std::string::npos);
    EXPECT_NE(xml.find(std::string("<release version=\"") + TONVEXA_VERSION + "\""),
              std::string::npos);
    EXPECT_NE(xml.find("<project_license>MIT</project_license>"), std::string::npos);
    // The pictures the window tests take.
    for (const char* shot : {"main-empty.png", "main-rows.png"})
        EXPECT_NE(xml.find(std::string("/screenshots/") + shot + "</image>"), std::string::npos)
            << shot;
}

TEST_F(Installed, ManualPagesRenderWithoutWarnings) {
    const std::string man = Tool("man", "man-db");
    for (const char* page : {"tonvexa", "tonvexa-convert"}) {
        const fs::path path = file(std::string("usr/share/man/man1/") + page + ".1");
        const ProgramRun r = runCaptured(man, {"--warnings", "-E", "UTF-8", "-l", path.string()},
                                         {"LC_ALL=C.UTF-8", "MANWIDTH=80", "MANPAGER=cat"});
        EXPECT_EQ(r.exitCode, 0) << page;
        EXPECT_EQ(r.err, "") << page;
        EXPECT_NE(r.out.find("NAME"), std::string::npos) << page;
        EXPECT_NE(r.out.find(std::string("Tonvexa ") + TONVEXA_VERSION), std::string::npos) << page;
    }
}

// The converter's manual page documents exactly the options and the option keys its --help
// lists.
TEST_F(Installed, ConverterManualPageAgreesWithItsHelp) {
    const ProgramRun help = runCaptured(file("usr/bin/tonvexa-convert").string(), {"--help"});
    ASSERT_EQ(help.exitCode, 0);
    std::set<std::string> helpOptions;
    const std::regex option("--[a-z][a-z0-9-]*");
    for (std::sregex_iterator i(help.out.begin(), help.out.end(), option), end; i != end; ++i)
        helpOptions.insert(i->str());
    const auto keysAt = help.out.find("Option keys");
    ASSERT_NE(keysAt, std::string::npos);
    std::istringstream keyWords(help.out.substr(help.out.find('\n', keysAt)));
    const std::set<std::string> helpKeys{std::istream_iterator<std::string>(keyWords), {}};

    // In the page's source, each option and each key is the tag of a .TP paragraph in its
    // section.
    std::ifstream page(file("usr/share/man/man1/tonvexa-convert.1"));
    std::set<std::string> pageOptions, pageKeys;
    std::string line, section, previous;
    while (std::getline(page, line)) {
        if (line.rfind(".SH ", 0) == 0) section = line.substr(4);
        if (previous == ".TP" && section == "OPTIONS") {
            const std::string plain = std::regex_replace(line, std::regex(R"(\\-)"), "-");
            for (std::sregex_iterator i(plain.begin(), plain.end(), option), end; i != end; ++i)
                pageOptions.insert(i->str());
        }
        if (previous == ".TP" && section == "OPTION KEYS" && line.rfind(".B ", 0) == 0)
            pageKeys.insert(line.substr(3));
        previous = line;
    }
    EXPECT_EQ(pageOptions, helpOptions);
    EXPECT_EQ(pageKeys, helpKeys);
}

// The package holds the installed tree, and its dependencies, computed from the programs'
// shared libraries, name the libraries the programs link.
TEST_F(Installed, DebianPackageHoldsTheTreeAndDependsOnItsLibraries) {
    (void)Tool("dpkg-shlibdeps", "dpkg-dev");
    TempDir out;
    const ProgramRun pack = runCaptured(
        TONVEXA_CPACK, {"--config", std::string(TONVEXA_BUILD_DIR) + "/CPackConfig.cmake", "-B",
                        out.path().string()});
    ASSERT_EQ(pack.exitCode, 0) << pack.out << pack.err;
    fs::path deb;
    for (const auto& e : fs::directory_iterator(out.path()))
        if (e.path().extension() == ".deb") deb = e.path();
    ASSERT_FALSE(deb.empty()) << pack.out;
    EXPECT_EQ(deb.filename().string().rfind(std::string("tonvexa_") + TONVEXA_VERSION + "_", 0),
              0u);

    const std::string dpkgDeb = Tool("dpkg-deb", "dpkg");
    const ProgramRun contents = runCaptured(dpkgDeb, {"--contents", deb.string()});
    ASSERT_EQ(contents.exitCode, 0) << contents.err;
    // Regular files are the rows starting "-rw", their path last, as "./usr/...".
    std::set<std::string> files;
    std::istringstream rows(contents.out);
    std::string row;
    while (std::getline(rows, row)) {
        const auto dot = row.find(" ./");
        if (!row.empty() && row[0] == '-' && dot != std::string::npos)
            files.insert(row.substr(dot + 3));
    }
    EXPECT_EQ(files, ExpectedFiles());

    const ProgramRun fields = runCaptured(dpkgDeb, {"--field", deb.string(), "Package", "Version",
                                                    "Section", "Maintainer", "Depends"});
    ASSERT_EQ(fields.exitCode, 0) << fields.err;
    EXPECT_NE(fields.out.find("Package: tonvexa\n"), std::string::npos) << fields.out;
    EXPECT_NE(fields.out.find(std::string("Version: ") + TONVEXA_VERSION + "\n"),
              std::string::npos);
    EXPECT_NE(fields.out.find("Section: sound\n"), std::string::npos);
    EXPECT_TRUE(std::regex_search(fields.out, std::regex("Maintainer: [^\n]+<[^>\n]+@[^>\n]+>")))
        << fields.out;
    const auto dependsAt = fields.out.find("Depends: ");
    ASSERT_NE(dependsAt, std::string::npos) << fields.out;
    const std::string depends = fields.out.substr(dependsAt);
    for (const char* library :
         {"libavformat", "libavcodec", "libavutil", "libswresample", "libmp3lame0", "libgsm1",
          "libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6svg6", "libqt6dbus6"})
        EXPECT_TRUE(std::regex_search(depends, std::regex(std::string("(^|[ ,])") + library)))
            << library << " missing from " << depends;

    const ProgramRun description = runCaptured(dpkgDeb, {"--field", deb.string(), "Description"});
    EXPECT_NE(description.out.find("tonvexa-convert"), std::string::npos) << description.out;
}

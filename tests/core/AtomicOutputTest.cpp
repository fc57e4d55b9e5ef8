#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "base/AtomicOutput.h"
#include "support/TestSupport.h"

using namespace tonvexa;
namespace fs = std::filesystem;

namespace {

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

bool writeText(const AtomicOutput& file, const std::string& text) {
    return ::write(file.Descriptor(), text.data(), text.size()) ==
           static_cast<ssize_t>(text.size());
}

// Both ways of holding the file: without a name, and with the hidden name that file systems
// without unnamed files get.
class AtomicOutputTest : public testing::TestWithParam<AtomicOutput::Method> {
protected:
    test::TempDir dir;
};

}  // namespace

TEST_P(AtomicOutputTest, TheFileAppearsUnderItsNameOnlyWhenCommitted) {
    const std::string path = dir.file("out.wav");
    AtomicOutput file(GetParam());
    ASSERT_TRUE(file.Create(path));
    ASSERT_TRUE(writeText(file, "whole"));
    EXPECT_FALSE(fs::exists(path));
    for (const auto& name : namesIn(dir.path())) EXPECT_EQ(name[0], '.') << "visible: " << name;
    ASSERT_EQ(file.CommitAs(path), AtomicOutput::Commit::Named);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"out.wav"});
    EXPECT_EQ(test::readFile(path), (std::vector<std::uint8_t>{'w', 'h', 'o', 'l', 'e'}));
}

TEST_P(AtomicOutputTest, ATakenNameIsNeverReplacedAndAnotherOneServes) {
    const std::string taken = dir.file("taken.mp3");
    test::writeFile(taken, std::string("theirs"));
    AtomicOutput file(GetParam());
    ASSERT_TRUE(file.Create(taken));
    ASSERT_TRUE(writeText(file, "ours"));
    EXPECT_EQ(file.CommitAs(taken), AtomicOutput::Commit::NameTaken);
    EXPECT_TRUE(file.IsOpen()) << "kept for another name";
    EXPECT_EQ(test::readFile(taken).size(), 6u);
    ASSERT_EQ(file.CommitAs(dir.file("taken_1.mp3")), AtomicOutput::Commit::Named);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"taken.mp3", "taken_1.mp3"}));
    EXPECT_EQ(test::readFile(dir.file("taken_1.mp3")).size(), 4u);
}

TEST_P(AtomicOutputTest, ADroppedFileLeavesNothing) {
    {
        AtomicOutput abandoned(GetParam());
        ASSERT_TRUE(abandoned.Create(dir.file("a.wma")));
        ASSERT_TRUE(writeText(abandoned, "partial"));
    }
    AtomicOutput discarded(GetParam());
    ASSERT_TRUE(discarded.Create(dir.file("b.wma")));
    discarded.Discard();
    EXPECT_FALSE(discarded.IsOpen());
    EXPECT_EQ(discarded.CommitAs(dir.file("b.wma")), AtomicOutput::Commit::Failed);
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

// A new file gets the permissions any program's new file gets: 0666 less the umask.
TEST_P(AtomicOutputTest, PermissionsFollowTheUmask) {
    const mode_t saved = ::umask(027);
    AtomicOutput file(GetParam());
    const bool created = file.Create(dir.file("m.wav"));
    ::umask(saved);
    ASSERT_TRUE(created);
    ASSERT_EQ(file.CommitAs(dir.file("m.wav")), AtomicOutput::Commit::Named);
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("m.wav").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_P(AtomicOutputTest, AFolderThatCannotTakeAFileFailsCreate) {
    test::writeFile(dir.file("plain"), std::string("x"));
    AtomicOutput file(GetParam());
    EXPECT_FALSE(file.Create(dir.file("missing/x.wav")));
    EXPECT_FALSE(file.Create(dir.file("plain/x.wav")));
    EXPECT_FALSE(file.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Methods, AtomicOutputTest,
                         testing::Values(AtomicOutput::Method::Unnamed,
                                         AtomicOutput::Method::HiddenName),
                         [](const testing::TestParamInfo<AtomicOutput::Method>& param) {
                             return param.param == AtomicOutput::Method::Unnamed ? "Unnamed"
                                                                                 : "HiddenName";
                         });

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include <sys/resource.h>

#include "settings/SettingsStore.h"
#include "support/FileSizeLimit.h"
#include "support/TestSupport.h"

using namespace tonvexa;
using tonvexa::test::TempDir;

namespace {

// Every stored field away from its default.
AppSettings changedSettings() {
    AppSettings s;
    s.Folder = "/home/user/Music/Ärger";
    s.AutoDestMP3EncodingParam = 0;
    s.MP3BitRate = 192;
    s.MP3SampleRate = 32000;
    s.MP3ChannelMode = 3;
    s.AutoDestWMAEncodingParam = 0;
    s.WMABitRate = 64000;
    s.WMASampleRate = 22050;
    s.WMAChannels = 1;
    s.AmplifyWMA = 1;
    s.AmplifyWMACoeff = 250;
    s.WMAID3TagOpt = kTagAddConfigured;
    s.WMAID3Tag.nameAsFileName = 0;
    setFieldText(s.WMAID3Tag.title, "A title");
    setFieldText(s.WMAID3Tag.artist, "Some \xE9lan");  // ISO-8859-1 e acute
    s.WMAID3Tag.genre = 17;
    s.AutoDestWAVEncodingParam = 0;
    s.WAVSampleRate = 8000;
    s.WAVChannelNum = 1;
    s.WAVBitsPerSample = 8;
    s.DestOutputFolderOpt = kOutputSpecifiedFolder;
    s.DestSpecifiedFolder = "/srv/out, with comma";
    s.CreateDirs = 1;
    s.ID3TagOpt = kTagKeepSource;
    setFieldText(s.ID3Tag.album, "Album");
    setFieldText(s.ID3Tag.year, "1999");
    s.ID3Tag.hasTrack = 1;
    s.ID3Tag.track = 7;
    s.AmplifyMp3 = 1;
    s.AmplifyMp3Coeff = 10;
    s.AmplifyWav = 1;
    s.AmplifyWavCoeff = 3000;
    s.BrowseOutputFolder = 0;
    s.SimultaneousConversions = 3;
    return s;
}

std::string iniText(const std::string& body) {
    return "[Options]\n" + body;
}

}  // namespace

TEST(SettingsStore, NothingStoredKeepsTheDefaults) {
    TempDir dir;
    SettingsStore store(dir.file("none.ini"));
    AppSettings s;
    EXPECT_TRUE(store.LoadSettings(s));
    EXPECT_EQ(s, AppSettings{});
    EXPECT_EQ(s.ID3Tag.nameAsFileName, 1);
    EXPECT_EQ(s.ID3Tag.genre, 255);
    EXPECT_EQ(s.CreateDirs, 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.ini")));
}

TEST(SettingsStore, ChecksRunOnlyWhenOptionsAreStored) {
    TempDir dir;
    AppSettings s;
    s.MP3ChannelMode = 2;
    {
        SettingsStore empty(dir.file("empty.ini"));
        ASSERT_TRUE(empty.LoadSettings(s));
    }
    EXPECT_EQ(s.MP3ChannelMode, 2);

    test::writeFile(dir.file("some.ini"), iniText("MP3BitRate=160\n"));
    SettingsStore some(dir.file("some.ini"));
    ASSERT_TRUE(some.LoadSettings(s));
    EXPECT_EQ(s.MP3BitRate, 160);
    EXPECT_EQ(s.MP3ChannelMode, 1);  // the check ran on what the field held
}

struct LoadCheckCase {
    const char* stored;
    std::int32_t AppSettings::*field;
    std::int32_t expected;
};

class SettingsStoreLoadCheck : public testing::TestWithParam<LoadCheckCase> {};

TEST_P(SettingsStoreLoadCheck, StoredValueLoadsAsChecked) {
    TempDir dir;
    test::writeFile(dir.file("o.ini"), iniText(std::string(GetParam().stored) + "\n"));
    SettingsStore store(dir.file("o.ini"));
    AppSettings s;
    ASSERT_TRUE(store.LoadSettings(s));
    EXPECT_EQ(s.*(GetParam().field), GetParam().expected) << GetParam().stored;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, SettingsStoreLoadCheck,
    testing::Values(LoadCheckCase{"MP3ChannelMode=2", &AppSettings::MP3ChannelMode, 1},
                    LoadCheckCase{"MP3ChannelMode=0", &AppSettings::MP3ChannelMode, 0},
                    LoadCheckCase{"MP3ChannelMode=3", &AppSettings::MP3ChannelMode, 3},
                    LoadCheckCase{"MP3ChannelMode=-1", &AppSettings::MP3ChannelMode, 1},
                    LoadCheckCase{"WAVChannelNum=0", &AppSettings::WAVChannelNum, 2},
                    LoadCheckCase{"WAVChannelNum=1", &AppSettings::WAVChannelNum, 1},
                    LoadCheckCase{"WMAChannels=3", &AppSettings::WMAChannels, 2},
                    LoadCheckCase{"WMAChannels=1", &AppSettings::WMAChannels, 1},
                    LoadCheckCase{"AmplifyWMACoeff=5", &AppSettings::AmplifyWMACoeff, 10},
                    LoadCheckCase{"AmplifyWMACoeff=5000", &AppSettings::AmplifyWMACoeff, 3000},
                    LoadCheckCase{"AmplifyWMACoeff=10", &AppSettings::AmplifyWMACoeff, 10},
                    LoadCheckCase{"AmplifyMp3Coeff=-7", &AppSettings::AmplifyMp3Coeff, 10},
                    LoadCheckCase{"AmplifyWavCoeff=3001", &AppSettings::AmplifyWavCoeff, 3000},
                    // Loaded without any check.
                    LoadCheckCase{"WAVBitsPerSample=12", &AppSettings::WAVBitsPerSample, 12},
                    LoadCheckCase{"MP3SampleRate=1", &AppSettings::MP3SampleRate, 1},
                    LoadCheckCase{"WMABitRate=-5", &AppSettings::WMABitRate, -5},
                    LoadCheckCase{"MP3BitRate=0", &AppSettings::MP3BitRate, 0},
                    LoadCheckCase{"DestOutputFolderOpt=5", &AppSettings::DestOutputFolderOpt, 5}));

TEST(SettingsStore, EveryFieldRoundTrips) {
    TempDir dir;
    const AppSettings saved = changedSettings();
    {
        SettingsStore store(dir.file("o.ini"));
        EXPECT_EQ(store.SaveSettings(saved, SettingsStore::SaveFolder | SettingsStore::SaveOptions),
                  1);
        EXPECT_EQ(store.status(), QSettings::NoError);
    }
    SettingsStore again(dir.file("o.ini"));
    AppSettings loaded;
    ASSERT_TRUE(again.LoadSettings(loaded));
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(loaded.Folder, saved.Folder);
    EXPECT_EQ(loaded.DestSpecifiedFolder, saved.DestSpecifiedFolder);
}

TEST(SettingsStore, TagsComeBackByteForByte) {
    TempDir dir;
    AppSettings saved;
    // Every byte value, including zeros inside the text fields and high bytes.
    Id3Tag::Bytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
    saved.ID3Tag = Id3Tag::fromBytes(bytes);
    bytes[5] = 0;
    bytes[151] = 0xFF;
    saved.WMAID3Tag = Id3Tag::fromBytes(bytes);
    {
        SettingsStore store(dir.file("o.ini"));
        ASSERT_EQ(store.SaveSettings(saved, SettingsStore::SaveOptions), 1);
    }
    QSettings raw(QString::fromStdString(dir.file("o.ini")), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Options/ID3Tag")).toByteArray().size(), 152);

    SettingsStore again(dir.file("o.ini"));
    AppSettings loaded;
    ASSERT_TRUE(again.LoadSettings(loaded));
    EXPECT_EQ(loaded.ID3Tag.toBytes(), saved.ID3Tag.toBytes());
    EXPECT_EQ(loaded.WMAID3Tag.toBytes(), bytes);
}

TEST(SettingsStore, PartsDecideWhatIsWritten) {
    TempDir dir;
    const AppSettings changed = changedSettings();
    {
        SettingsStore store(dir.file("o.ini"));
        EXPECT_EQ(store.SaveSettings(changed, 0), 0);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("o.ini")));
    {
        SettingsStore store(dir.file("o.ini"));
        EXPECT_EQ(store.SaveSettings(changed, SettingsStore::SaveFolder), 1);
    }
    SettingsStore again(dir.file("o.ini"));
    AppSettings loaded;
    ASSERT_TRUE(again.LoadSettings(loaded));
    AppSettings expected;
    expected.Folder = changed.Folder;
    EXPECT_EQ(loaded, expected);

    // lastOptionsPage is never stored.
    AppSettings withPage = changed;
    withPage.lastOptionsPage = 3;
    ASSERT_EQ(again.SaveSettings(withPage, SettingsStore::SaveOptions), 1);
    SettingsStore third(dir.file("o.ini"));
    AppSettings reloaded;
    ASSERT_TRUE(third.LoadSettings(reloaded));
    EXPECT_EQ(reloaded.lastOptionsPage, 0);
}

TEST(SettingsStore, GarbageKeepsTheAffectedFields) {
    TempDir dir;
    const std::string longText(300, 'x');
    const std::string justFits(259, 'y');
    const std::string tooLongTag(153, 't');
    test::writeFile(dir.file("o.ini"), iniText("MP3BitRate=abc\n"
                                               "MP3SampleRate=48000x\n"
                                               "WMABitRate=99999999999\n"
                                               "WMASampleRate=@ByteArray(48000)\n"
                                               "WAVSampleRate=\n"
                                               "WAVBitsPerSample=8\n"
                                               "CreateDirs=-5\n"
                                               "AmplifyMp3Coeff=250\n"
                                               "Folder=" +
                                               longText +
                                               "\n"
                                               "DestSpecifiedFolder=" +
                                               justFits +
                                               "\n"
                                               "ID3Tag=@ByteArray(" +
                                               tooLongTag +
                                               ")\n"
                                               "WMAID3Tag=@ByteArray(ABCDEFGHIJ)\n"
                                               "ID3TagOpt=0\n"
                                               "WMAChannels=1, 2\n"
                                               "AutoDestWAVEncodingParam=@Variant(garbage)\n"
                                               "not an ini line at all\n"
                                               "BrowseOutputFolder=0\n"));
    AppSettings s;
    s.Folder = "kept folder";
    setFieldText(s.WMAID3Tag.title, "Previous title");
    const AppSettings before = s;

    SettingsStore store(dir.file("o.ini"));
    ASSERT_TRUE(store.LoadSettings(s));

    EXPECT_EQ(s.MP3BitRate, before.MP3BitRate);
    EXPECT_EQ(s.MP3SampleRate, before.MP3SampleRate);
    EXPECT_EQ(s.WMABitRate, before.WMABitRate);
    EXPECT_EQ(s.WMASampleRate, before.WMASampleRate);
    EXPECT_EQ(s.WAVSampleRate, before.WAVSampleRate);
    EXPECT_EQ(s.WMAChannels, before.WMAChannels);
    EXPECT_EQ(s.AutoDestWAVEncodingParam, before.AutoDestWAVEncodingParam);
    EXPECT_EQ(s.Folder, "kept folder");
    EXPECT_EQ(s.ID3Tag, before.ID3Tag);

    EXPECT_EQ(s.WAVBitsPerSample, 8);
    EXPECT_EQ(s.CreateDirs, -5);
    EXPECT_EQ(s.AmplifyMp3Coeff, 250);
    EXPECT_EQ(s.DestSpecifiedFolder, justFits);
    EXPECT_EQ(s.ID3TagOpt, 0);
    EXPECT_EQ(s.BrowseOutputFolder, 0);

    // A ten-byte tag replaces its own ten bytes and nothing more.
    Id3Tag::Bytes expected = before.WMAID3Tag.toBytes();
    const std::string ten = "ABCDEFGHIJ";
    std::copy(ten.begin(), ten.end(), expected.begin());
    EXPECT_EQ(s.WMAID3Tag.toBytes(), expected);
    EXPECT_EQ(fieldText(s.WMAID3Tag.title), "EFGHIJus title");
}

TEST(SettingsStore, FirstRunLivesBesideTheOptions) {
    TempDir dir;
    {
        SettingsStore store(dir.file("o.ini"));
        EXPECT_FALSE(store.ReadFirstRun().has_value());
        store.WriteFirstRun(1);
    }
    SettingsStore again(dir.file("o.ini"));
    EXPECT_EQ(again.ReadFirstRun(), 1);
    QSettings raw(QString::fromStdString(dir.file("o.ini")), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Options/FirstRun")).toInt(), 1);
}

TEST(SettingsStore, FailedSaveKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("o.ini");
    AppSettings first;
    first.MP3BitRate = 320;
    {
        SettingsStore store(path);
        ASSERT_EQ(store.SaveSettings(first, SettingsStore::SaveOptions), 1);
        ASSERT_EQ(store.status(), QSettings::NoError);
    }
    const auto oldContent = test::readFile(path);
    ASSERT_GT(oldContent.size(), 200u);

    SettingsStore store(path);
    const AppSettings second = changedSettings();
    {
        test::FileSizeLimit limit(64);
        ASSERT_TRUE(limit.active());
        EXPECT_EQ(
            store.SaveSettings(second, SettingsStore::SaveFolder | SettingsStore::SaveOptions), 1);
    }
    EXPECT_EQ(store.status(), QSettings::AccessError);
    EXPECT_EQ(store.saveError(), std::make_error_code(std::errc::file_too_large));
    EXPECT_EQ(test::readFile(path), oldContent);
    // No half-written companion file is left beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);

    // Read the file as it is on disk (stores of one process share what they hold of a file,
    // so a copy is read, not the original).
    const std::string copy = dir.file("copy.ini");
    std::filesystem::copy_file(path, copy);
    SettingsStore reader(copy);
    AppSettings loaded;
    ASSERT_TRUE(reader.LoadSettings(loaded));
    EXPECT_EQ(loaded, first);

    // QSettings remembers its first error for good; the next save that works says so.
    EXPECT_EQ(store.SaveSettings(second, SettingsStore::SaveOptions), 1);
    EXPECT_FALSE(store.saveError().has_value());
    EXPECT_EQ(store.status(), QSettings::NoError);
}

TEST(SettingsStore, SimultaneousConversionsOutsideOneToSixtyFourMeanOnePerCore) {
    const int perCore = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 64u));
    for (const auto& [stored, effective] :
         {std::pair{1, 1}, {64, 64}, {0, perCore}, {65, perCore}, {-3, perCore}}) {
        TempDir dir;
        test::writeFile(dir.file("o.ini"),
                        iniText("SimultaneousConversions=" + std::to_string(stored) + "\n"));
        SettingsStore store(dir.file("o.ini"));
        AppSettings s;
        ASSERT_TRUE(store.LoadSettings(s));
        EXPECT_EQ(s.SimultaneousConversions, stored);
        EXPECT_EQ(EffectiveSimultaneousConversions(s), effective) << stored;
    }
}

// The names a command line can set are exactly the names the store writes.
TEST(SettingsStore, OptionNamesAreTheStoredNames) {
    TempDir dir;
    {
        SettingsStore store(dir.file("o.ini"));
        ASSERT_EQ(store.SaveSettings(AppSettings{},
                                     SettingsStore::SaveFolder | SettingsStore::SaveOptions),
                  1);
    }
    QSettings raw(QString::fromStdString(dir.file("o.ini")), QSettings::IniFormat);
    raw.beginGroup(QStringLiteral("Options"));
    std::set<std::string> written;
    for (const QString& key : raw.childKeys()) written.insert(key.toStdString());
    const std::vector<std::string> names = SettingsStore::OptionNames();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), written);
    EXPECT_EQ(names.size(), written.size());
}

// A value set from text ends up exactly as the same text in an options file loads: the same
// parse, the same checks, the same refusals.
TEST(SettingsStore, SetOptionReadsTextAsTheOptionsFileDoes) {
    const std::vector<std::string> values = {"192",  "-5",  "0",        "2",
                                             "5000", "abc", "48000x",   "99999999999",
                                             "",     "3",   "/srv/out", std::string(300, 'x')};
    for (const std::string& name : SettingsStore::OptionNames()) {
        if (name == "ID3Tag" || name == "WMAID3Tag") continue;
        for (const std::string& value : values) {
            TempDir dir;
            test::writeFile(dir.file("o.ini"), iniText(name + "=" + value + "\n"));
            AppSettings fromFile;
            SettingsStore store(dir.file("o.ini"));
            ASSERT_TRUE(store.LoadSettings(fromFile));
            AppSettings fromText;
            const auto result = SettingsStore::SetOption(fromText, name, value);
            EXPECT_EQ(fromText, fromFile) << name << "=" << value;
            if (result != SettingsStore::OptionResult::Set) {
                EXPECT_EQ(fromText, AppSettings{}) << name << "=" << value;
            }
        }
    }
}

TEST(SettingsStore, SetOptionResults) {
    using R = SettingsStore::OptionResult;
    AppSettings s;
    EXPECT_EQ(SettingsStore::SetOption(s, "MP3BitRate", "192"), R::Set);
    EXPECT_EQ(s.MP3BitRate, 192);
    EXPECT_EQ(SettingsStore::SetOption(s, "WAVChannelNum", "3"), R::Set);
    EXPECT_EQ(s.WAVChannelNum, 2);  // checked as a loaded value
    EXPECT_EQ(SettingsStore::SetOption(s, "AmplifyWMACoeff", "5000"), R::Set);
    EXPECT_EQ(s.AmplifyWMACoeff, 3000);
    EXPECT_EQ(SettingsStore::SetOption(s, "DestSpecifiedFolder", "/srv/Ärger out"), R::Set);
    EXPECT_EQ(s.DestSpecifiedFolder, "/srv/Ärger out");

    const AppSettings before = s;
    EXPECT_EQ(SettingsStore::SetOption(s, "mp3bitrate", "192"), R::UnknownName);
    EXPECT_EQ(SettingsStore::SetOption(s, "FirstRun", "1"), R::UnknownName);
    EXPECT_EQ(SettingsStore::SetOption(s, "lastOptionsPage", "1"), R::UnknownName);
    EXPECT_EQ(SettingsStore::SetOption(s, "MP3BitRate", "192k"), R::NotANumber);
    EXPECT_EQ(SettingsStore::SetOption(s, "MP3SampleRate", "4294967296"), R::NotANumber);
    EXPECT_EQ(SettingsStore::SetOption(s, "Folder", std::string(260, 'f')), R::TextTooLong);
    EXPECT_EQ(SettingsStore::SetOption(s, "ID3Tag", "anything"), R::NotText);
    EXPECT_EQ(s, before);
}

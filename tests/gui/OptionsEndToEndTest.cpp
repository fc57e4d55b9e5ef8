// The Options command from the main window, followed into the files that the next
// conversions write.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>

#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>

#include "OptionsTestUtil.h"
#include "GuiWait.h"
#include "TestDialogs.h"
#include "engine/DesktopServices.h"
#include "settings/SettingsStore.h"
#include "ui/options/COptSheet.h"
#include "ui/options/ControlIds.h"
#include "ui/options/Id3TagDialog.h"
#include "ui/options/OptionsPage.h"
#include "support/MediaInfo.h"
#include "support/Mp3TestSupport.h"
#include "support/TestSupport.h"
#include "ui/CommandIds.h"
#include "ui/FileListModel.h"
#include "ui/ImageButton.h"
#include "ui/MainCommands.h"
#include "ui/MainDialog.h"
#include "wm/FfmpegWmRuntime.h"

using namespace tonvexa;
using test::byId;
using test::choose;
using test::chooseText;
namespace fs = std::filesystem;

namespace {

enum Page { Mp3 = 0, Wma = 1, Wav = 2, Output = 3 };

class RecordingDesktop : public DesktopServices {
public:
    void ShowInExplorer(const std::string& path) override { shown.push_back(path); }
    std::vector<std::string> shown;
};

double Rms(const std::vector<std::int16_t>& interleaved, int channels, int channel) {
    double sum = 0;
    std::size_t n = 0;
    for (std::size_t i = static_cast<std::size_t>(channel); i < interleaved.size();
         i += static_cast<std::size_t>(channels), ++n) {
        const double x = interleaved[i] / 32768.0;
        sum += x * x;
    }
    return n == 0 ? 0 : std::sqrt(sum / static_cast<double>(n));
}

// The level of the first channel of a file as FFmpeg decodes it.
double LevelOf(const std::string& path) {
    const auto decoded = test::ffmpegDecode(path);
    if (!decoded) return -1;
    return Rms(test::asInt16(decoded->bytes), decoded->channels, 0);
}

class OptionsEndToEndTest : public testing::Test {
protected:
    void SetUp() override {
        store = std::make_unique<SettingsStore>(ini);
        store->WriteFirstRun(0);
        // The sheet and the tag editor are answered by the test's hands.
        dialogs.execHandler = [this](QDialog& dialog) {
            if (auto* sheet = dynamic_cast<COptSheet*>(&dialog)) {
                sheet->show();
                const bool ok = inSheet(*sheet);
                if (ok) sheet->accept();
                if (sheet->isVisible()) sheet->reject();
                return sheet->result();
            }
            const bool ok = inEditor && inEditor(dynamic_cast<Id3TagDialog&>(dialog));
            if (ok) dialog.accept();
            if (dialog.result() != QDialog::Accepted) dialog.reject();
            return dialog.result();
        };
    }
    void TearDown() override {
        window.reset();
        QCoreApplication::processEvents();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }

    MainDialog& open() {
        window =
            std::make_unique<MainDialog>(MainServices{dialogs, opener, desktop, *store, runtime});
        window->show();
        QCoreApplication::processEvents();
        return *window;
    }

    std::vector<QString> statuses() const {
        std::vector<QString> texts;
        for (int r = 0; r < window->model()->rowCount(); ++r)
            texts.push_back(window->model()->text(r, FileListModel::ColumnStatus));
        return texts;
    }

    test::TempDir dir;
    std::string ini = dir.file("Tonvexa.conf");
    std::unique_ptr<SettingsStore> store;
    test::TestDialogs dialogs;
    test::RecordingOpener opener;
    RecordingDesktop desktop;
    FfmpegWmRuntime runtime;
    std::unique_ptr<MainDialog> window;
    // What the person does in the sheet (true: OK) and in the tag editor (true: OK).
    std::function<bool(COptSheet&)> inSheet;
    std::function<bool(Id3TagDialog&)> inEditor;
};

TEST_F(OptionsEndToEndTest, Mp3AndWavOutputFollowTheSheet) {
    fs::create_directories(dir.path() / "music" / "pop");
    fs::create_directories(dir.path() / "out");
    const std::string source = dir.file("music/pop/song.wma");
    ASSERT_TRUE(test::makeTone(source, 44100, 2, 2.0, {"-c:a", "wmav2", "-b:a", "128k"}));
    MainDialog& w = open();
    w.fileCommands().AddDropped({source});
    ASSERT_TRUE(test::WaitUntilIdle(w));
    ASSERT_EQ(w.model()->rowCount(), 1);

    inEditor = [](Id3TagDialog& editor) {
        byId<QCheckBox>(&editor, 1025)->click();
        test::typeText(byId<QLineEdit>(&editor, 1012), QStringLiteral("\u00C9vidence"));
        test::typeText(byId<QLineEdit>(&editor, 1016), QStringLiteral("Anna"));
        test::typeText(byId<QLineEdit>(&editor, 1020), QStringLiteral("2024"));
        auto* genre = byId<QComboBox>(&editor, 1023);
        genre->setCurrentIndex(genre->findText(QStringLiteral("Rock")));
        byId<QLineEdit>(&editor, 1017)->setText(QStringLiteral("5"));
        return true;
    };
    inSheet = [this](COptSheet& sheet) {
        QWidget* mp3 = sheet.page(Mp3);
        choose(byId<QComboBox>(mp3, 1050), 5);  // Custom
        choose(byId<QComboBox>(mp3, 1042), 32000);
        choose(byId<QComboBox>(mp3, 1041), 96);
        byId<QRadioButton>(mp3, 1046)->click();  // stereo
        byId<QRadioButton>(mp3, 1095)->click();  // add the tag
        byId<QPushButton>(mp3, 1004)->click();
        byId<QCheckBox>(mp3, 1026)->click();
        byId<QLineEdit>(mp3, 1006)->setText(QStringLiteral("50"));

        sheet.tabs()->setCurrentIndex(Wav);
        chooseText(byId<QComboBox>(sheet.page(Wav), 1051),
                   QStringLiteral("11025 Hz, 8 bits, Mono (low quality, smaller file size)"));

        sheet.tabs()->setCurrentIndex(Output);
        QWidget* output = sheet.page(Output);
        choose(byId<QComboBox>(output, 1056), kOutputSpecifiedFolder);
        dialogs.folderAnswers.push_back(QString::fromStdString(dir.file("out")));
        byId<QPushButton>(output, 1040)->click();
        byId<QCheckBox>(output, 1019)->click();
        byId<QCheckBox>(output, 1092)->click();  // no file manager afterwards
        return true;
    };
    w.button(IdOptions)->click();
    EXPECT_EQ(w.settings().lastOptionsPage, Output);

    // Every option is in the settings file at once.
    AppSettings stored;
    SettingsStore(ini).LoadSettings(stored);
    EXPECT_EQ(stored.AutoDestMP3EncodingParam, 0);
    EXPECT_EQ(stored.MP3BitRate, 96);
    EXPECT_EQ(stored.MP3SampleRate, 32000);
    EXPECT_EQ(stored.MP3ChannelMode, 0);
    EXPECT_EQ(stored.ID3TagOpt, kTagAddConfigured);
    EXPECT_EQ(fieldText(stored.ID3Tag.title), "\xC9vidence");
    EXPECT_EQ(stored.ID3Tag.genre, 17);
    EXPECT_EQ(stored.AmplifyMp3, 1);
    EXPECT_EQ(stored.AmplifyMp3Coeff, 50);
    EXPECT_EQ(stored.AutoDestWAVEncodingParam, 0);
    EXPECT_EQ(stored.WAVSampleRate, 11025);
    EXPECT_EQ(stored.WAVBitsPerSample, 8);
    EXPECT_EQ(stored.WAVChannelNum, 1);
    EXPECT_EQ(stored.DestOutputFolderOpt, kOutputSpecifiedFolder);
    EXPECT_EQ(stored.DestSpecifiedFolder, dir.file("out") + "/");
    EXPECT_EQ(stored.CreateDirs, 1);
    EXPECT_EQ(stored.BrowseOutputFolder, 0);
    stored.lastOptionsPage = w.settings().lastOptionsPage;
    stored.Folder = w.settings().Folder;
    EXPECT_EQ(stored, w.settings());

    // The output lands below the chosen folder, under a copy of the source's folder path.
    const fs::path mirrored = dir.path() / "out" / (dir.path() / "music" / "pop").relative_path();
    w.button(IdConvertAllMp3)->click();
    ASSERT_TRUE(test::WaitUntilIdle(w));
    EXPECT_EQ(statuses(), std::vector<QString>{QStringLiteral("song.mp3")});
    const std::string mp3 = (mirrored / "song.mp3").string();
    ASSERT_TRUE(fs::exists(mp3)) << mp3;

    const auto bytes = test::readFile(mp3);
    ASSERT_GT(bytes.size(), 128u);
    const auto frames = test::WalkFrames(bytes, bytes.size() - 128);
    ASSERT_TRUE(frames && !frames->empty());
    for (const test::FrameHeader& f : *frames) {
        EXPECT_EQ(f.bitRate, 96);
        EXPECT_EQ(f.sampleRate, 32000);
        EXPECT_EQ(f.mode, 0);  // stereo, not joint stereo
    }
    // The ID3v1 block as typed, in its own character set.
    const std::string block(bytes.end() - 128, bytes.end());
    EXPECT_EQ(block.substr(0, 3), "TAG");
    EXPECT_EQ(block.substr(3, 9), std::string("\xC9vidence\0", 9));
    EXPECT_EQ(block.substr(33, 5), std::string("Anna\0", 5));
    EXPECT_EQ(block.substr(93, 4), "2024");
    EXPECT_EQ(block[125], '\0');
    EXPECT_EQ(block[126], '\x05');
    EXPECT_EQ(static_cast<unsigned char>(block[127]), 17);
    // Another reader, which prefers the ID3v2 tag that opens the file, reads the same.
    const auto info = test::probeMedia(mp3);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->tags.at("title"), "\xC3\x89vidence");
    EXPECT_EQ(info->tags.at("genre"), "Rock");
    EXPECT_EQ(info->channels, 2);
    // Half the level of the source.
    EXPECT_NEAR(LevelOf(mp3) / LevelOf(source), 0.5, 0.05);

    w.button(IdConvertAllWav)->click();
    ASSERT_TRUE(test::WaitUntilIdle(w));
    EXPECT_EQ(statuses(), std::vector<QString>{QStringLiteral("song.wav")});
    const auto wav = test::probeMedia((mirrored / "song.wav").string());
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->codec, "pcm_u8");
    EXPECT_EQ(wav->sampleRate, 11025);
    EXPECT_EQ(wav->channels, 1);
    EXPECT_TRUE(desktop.shown.empty());
}

TEST_F(OptionsEndToEndTest, WmaOutputFollowsTheSheet) {
    const std::string source = dir.file("voice.wav");
    ASSERT_TRUE(test::makeTone(source, 22050, 1, 2.0));
    MainDialog& w = open();
    ASSERT_FALSE(w.wmaFormats().empty());
    w.settings().BrowseOutputFolder = 0;
    w.fileCommands().AddDropped({source});
    ASSERT_TRUE(test::WaitUntilIdle(w));

    QString label;
    inEditor = [](Id3TagDialog& editor) {
        byId<QCheckBox>(&editor, 1025)->click();
        test::typeText(byId<QLineEdit>(&editor, 1012), QStringLiteral("Gr\u00FC\u00DFe"));
        return true;
    };
    inSheet = [&label](COptSheet& sheet) {
        sheet.tabs()->setCurrentIndex(Wma);
        QWidget* wma = sheet.page(Wma);
        auto* list = byId<QComboBox>(wma, 1014);
        // The richest format offered, far from what "Auto" would ask for this source.
        list->setCurrentIndex(list->count() - 1);
        label = list->currentText();
        byId<QRadioButton>(wma, IdWmaTagAdd)->click();
        byId<QPushButton>(wma, IdWmaTagEdit)->click();
        byId<QCheckBox>(wma, 1017)->click();
        byId<QLineEdit>(wma, 1018)->setText(QStringLiteral("50"));
        return true;
    };
    w.button(IdOptions)->click();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\d+) Hz, (\\d+) kbps, (Mono|Stereo)$")).match(label);
    ASSERT_TRUE(m.hasMatch()) << label.toStdString();
    EXPECT_EQ(w.settings().WMASampleRate, m.captured(1).toInt());
    EXPECT_EQ(w.settings().WMABitRate / 1000, m.captured(2).toInt());

    w.button(IdConvertAllWma)->click();
    ASSERT_TRUE(test::WaitUntilIdle(w));
    EXPECT_EQ(statuses(), std::vector<QString>{QStringLiteral("voice.wma")});
    const std::string out = dir.file("voice.wma");
    const auto info = test::probeMedia(out);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->sampleRate, m.captured(1).toInt());
    EXPECT_EQ(info->channels, m.captured(3) == QStringLiteral("Mono") ? 1 : 2);
    EXPECT_EQ(info->bitRate / 1000, m.captured(2).toInt());
    EXPECT_EQ(info->tags.at("title"), "Gr\u00FC\u00DFe");
    EXPECT_NEAR(LevelOf(out) / LevelOf(source), 0.5, 0.08);
}

}  // namespace

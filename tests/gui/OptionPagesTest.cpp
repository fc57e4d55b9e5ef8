#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include <functional>
#include <memory>
#include <ostream>
#include <utility>

#include "OptionsTestUtil.h"
#include "TestDialogs.h"
#include "settings/AppSettings.h"
#include "ui/options/COptMp3Page.h"
#include "ui/options/COptOutputPage.h"
#include "ui/options/COptWavPage.h"
#include "ui/options/CPageWMAOptions.h"
#include "ui/options/ControlIds.h"
#include "ui/options/Id3TagDialog.h"
#include "ui/HyperlinkLabel.h"

using namespace tonvexa;
using test::byId;
using test::choose;
using test::chooseText;

namespace {

class PageTest : public testing::Test {
protected:
    void TearDown() override {
        QCoreApplication::processEvents();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }

    // A page as the sheet shows it: loaded from the settings, then activated.
    template <class Page, class... Args>
    std::unique_ptr<Page> open(const AppSettings& from, Args&&... args) {
        auto page = std::make_unique<Page>(std::forward<Args>(args)...);
        page->LoadFrom(from);
        page->Activate();
        return page;
    }

    // What a page writes back over the settings it was loaded from.
    static AppSettings saved(OptionsPage& page, AppSettings base) {
        page.SaveTo(base);
        return base;
    }

    AppSettings settings;
    test::TestDialogs dialogs;
    test::RecordingOpener opener;
};

// ---- MP3 ----

using Mp3PageTest = PageTest;

TEST_F(Mp3PageTest, PresetFollowsThePageValues) {
    settings.AutoDestMP3EncodingParam = 0;
    settings.MP3BitRate = 128;
    settings.MP3SampleRate = 44100;
    settings.MP3ChannelMode = 1;  // joint stereo
    auto page = open<COptMp3Page>(settings, dialogs, opener);
    auto* presets = byId<QComboBox>(page.get(), 1050);
    EXPECT_EQ(presets->currentText(),
              QStringLiteral("44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)"));

    settings.MP3ChannelMode = 3;  // mono
    page->LoadFrom(settings);
    EXPECT_EQ(presets->currentText(), QStringLiteral("Custom"));

    settings.AutoDestMP3EncodingParam = 1;
    page->LoadFrom(settings);
    EXPECT_EQ(presets->currentText(), QStringLiteral("Auto"));
    EXPECT_FALSE(byId<QComboBox>(page.get(), 1041)->isEnabled());
    EXPECT_FALSE(byId<QRadioButton>(page.get(), 1045)->isEnabled());
}

struct CompatibilityCase {
    int bitRate, sampleRate;  // on the page
    int list;                 // 1041 bit rate or 1042 sample rate, chosen
    int chosen;
    int expectBitRate, expectSampleRate;
};

class Mp3CompatibilityTest : public PageTest,
                             public testing::WithParamInterface<CompatibilityCase> {};

TEST_P(Mp3CompatibilityTest, ChoiceKeepsRatesCompatible) {
    const CompatibilityCase c = GetParam();
    settings.AutoDestMP3EncodingParam = 0;
    settings.MP3BitRate = c.bitRate;
    settings.MP3SampleRate = c.sampleRate;
    auto page = open<COptMp3Page>(settings, dialogs, opener);
    choose(byId<QComboBox>(page.get(), c.list), c.chosen);
    EXPECT_EQ(byId<QComboBox>(page.get(), 1041)->currentData().toInt(), c.expectBitRate);
    EXPECT_EQ(byId<QComboBox>(page.get(), 1042)->currentData().toInt(), c.expectSampleRate);
    EXPECT_EQ(byId<QComboBox>(page.get(), 1050)->currentText(), QStringLiteral("Custom"));
    const AppSettings out = saved(*page, settings);
    EXPECT_EQ(out.MP3BitRate, c.expectBitRate);
    EXPECT_EQ(out.MP3SampleRate, c.expectSampleRate);
    EXPECT_EQ(out.AutoDestMP3EncodingParam, 0);
}

INSTANTIATE_TEST_SUITE_P(Rules, Mp3CompatibilityTest,
                         testing::Values(CompatibilityCase{128, 22050, 1041, 320, 320, 32000},
                                         CompatibilityCase{128, 44100, 1042, 8000, 64, 8000},
                                         CompatibilityCase{128, 48000, 1041, 40, 40, 48000},
                                         CompatibilityCase{128, 44100, 1041, 16, 16, 24000},
                                         CompatibilityCase{32, 8000, 1041, 96, 96, 16000},
                                         CompatibilityCase{320, 48000, 1042, 22050, 160, 22050},
                                         CompatibilityCase{8, 11025, 1042, 32000, 32, 32000},
                                         CompatibilityCase{64, 22050, 1042, 24000, 64, 24000}));

TEST_F(Mp3PageTest, BitRateOutsideTheListShowsTheFirstAndTakesItOnOk) {
    settings.AutoDestMP3EncodingParam = 0;
    settings.MP3BitRate = 44;
    auto page = open<COptMp3Page>(settings, dialogs, opener);
    EXPECT_EQ(byId<QComboBox>(page.get(), 1041)->currentText(), QStringLiteral("8 kbps"));
    EXPECT_EQ(saved(*page, settings).MP3BitRate, 8);

    // A page that was never shown keeps what it was given.
    COptMp3Page unseen(dialogs, opener);
    unseen.LoadFrom(settings);
    EXPECT_EQ(saved(unseen, settings), settings);
}

TEST_F(Mp3PageTest, FixedPresetSetsItsValuesAndAChannelClickMakesItCustom) {
    auto page = open<COptMp3Page>(settings, dialogs, opener);
    auto* presets = byId<QComboBox>(page.get(), 1050);
    chooseText(presets, QStringLiteral("11025 Hz, 16 kbps, Mono (low quality, smaller file size)"));
    EXPECT_TRUE(byId<QComboBox>(page.get(), 1041)->isEnabled());
    EXPECT_EQ(byId<QComboBox>(page.get(), 1041)->currentData().toInt(), 16);
    EXPECT_EQ(byId<QComboBox>(page.get(), 1042)->currentData().toInt(), 11025);
    EXPECT_TRUE(byId<QRadioButton>(page.get(), 1045)->isChecked());

    byId<QRadioButton>(page.get(), 1046)->click();  // stereo
    EXPECT_EQ(presets->currentText(), QStringLiteral("Custom"));
    const AppSettings out = saved(*page, settings);
    EXPECT_EQ(out.AutoDestMP3EncodingParam, 0);
    EXPECT_EQ(out.MP3ChannelMode, 0);
    EXPECT_EQ(out.MP3BitRate, 16);
    EXPECT_EQ(out.MP3SampleRate, 11025);
}

TEST_F(Mp3PageTest, AutoTakesOverOnlyTheAutoField) {
    settings.AutoDestMP3EncodingParam = 0;
    settings.MP3BitRate = 96;
    settings.MP3SampleRate = 32000;
    settings.MP3ChannelMode = 0;
    auto page = open<COptMp3Page>(settings, dialogs, opener);
    choose(byId<QComboBox>(page.get(), 1042), 8000);  // changes both rates
    chooseText(byId<QComboBox>(page.get(), 1050), QStringLiteral("Auto"));
    const AppSettings out = saved(*page, settings);
    EXPECT_EQ(out.AutoDestMP3EncodingParam, 1);
    EXPECT_EQ(out.MP3BitRate, 96);
    EXPECT_EQ(out.MP3SampleRate, 32000);
    EXPECT_EQ(out.MP3ChannelMode, 0);
}

TEST_F(Mp3PageTest, ChannelModesMapToTheRadioButtons) {
    settings.AutoDestMP3EncodingParam = 0;
    for (const auto& [mode, radio] : {std::pair{1, 1047}, {0, 1046}, {3, 1045}}) {
        settings.MP3ChannelMode = mode;
        auto page = open<COptMp3Page>(settings, dialogs, opener);
        EXPECT_TRUE(byId<QRadioButton>(page.get(), radio)->isChecked()) << mode;
        EXPECT_EQ(saved(*page, AppSettings{}).MP3ChannelMode, mode);
    }
}

TEST_F(Mp3PageTest, TagOptionEnablesTheEditorWhichEditsTheTag) {
    settings.ID3TagOpt = kTagNone;
    auto page = open<COptMp3Page>(settings, dialogs, opener);
    auto* edit = byId<QPushButton>(page.get(), 1004);
    EXPECT_FALSE(edit->isEnabled());
    byId<QRadioButton>(page.get(), 1095)->click();
    EXPECT_TRUE(edit->isEnabled());

    dialogs.execHandler = [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit ID3 tag"));
        byId<QLineEdit>(&dialog, 1016)->setText(QStringLiteral("Ann\u00E9e"));
        dialog.accept();
        return dialog.result();
    };
    edit->click();
    EXPECT_EQ(dialogs.execCount, 1);
    byId<QRadioButton>(page.get(), 1096)->click();
    EXPECT_FALSE(edit->isEnabled());
    byId<QRadioButton>(page.get(), 1095)->click();

    const AppSettings out = saved(*page, settings);
    EXPECT_EQ(out.ID3TagOpt, kTagAddConfigured);
    EXPECT_EQ(fieldText(out.ID3Tag.artist), std::string("Ann\xE9"
                                                        "e"));
    EXPECT_EQ(out.WMAID3Tag, settings.WMAID3Tag);
}

TEST_F(Mp3PageTest, LinksOpenTheirAddresses) {
    auto page = open<COptMp3Page>(settings, dialogs, opener);
    auto* search = byId<HyperlinkLabel>(page.get(), 1093);
    auto* lame = byId<HyperlinkLabel>(page.get(), 1094);
    EXPECT_EQ(search->text(), QStringLiteral("Joint Stereo vs. Stereo"));
    EXPECT_EQ(lame->text(), QStringLiteral("The program uses LAME MP3 encoder."));
    EXPECT_TRUE(search->open());
    EXPECT_TRUE(lame->open());
    ASSERT_EQ(opener.urls.size(), 2);
    EXPECT_TRUE(opener.urls[0].toString().contains(QStringLiteral("joint+stereo+vs+stereo")));
    EXPECT_EQ(opener.urls[1].host(), QStringLiteral("lame.sourceforge.io"));
}

// ---- The volume scaling controls of the three pages ----

struct AmplifyIds {
    const char* page;
    int check, edit, upDown;
    std::function<std::unique_ptr<OptionsPage>(test::TestDialogs&, test::RecordingOpener&,
                                               const WmaFormatList&)>
        make;
    std::function<void(AppSettings&, int amplify, int coefficient)> set;
    std::function<std::pair<int, int>(const AppSettings&)> get;
};

void PrintTo(const AmplifyIds& ids, std::ostream* os) {
    *os << ids.page;
}

class AmplifyTest : public PageTest, public testing::WithParamInterface<AmplifyIds> {
protected:
    std::unique_ptr<OptionsPage> openWith(int amplify, int coefficient) {
        GetParam().set(settings, amplify, coefficient);
        auto page = GetParam().make(dialogs, opener, formats);
        page->LoadFrom(settings);
        page->Activate();
        return page;
    }
    WmaFormatList formats;
};

TEST_P(AmplifyTest, ArrowsStepByTenWithinTheRange) {
    const AmplifyIds& ids = GetParam();
    auto page = openWith(1, 3000);
    auto* edit = byId<QLineEdit>(page.get(), ids.edit);
    auto* upDown = byId<UpDownControl>(page.get(), ids.upDown);
    upDown->upButton()->click();
    EXPECT_EQ(edit->text(), QStringLiteral("3000"));
    edit->setText(QStringLiteral("15"));
    upDown->downButton()->click();
    EXPECT_EQ(edit->text(), QStringLiteral("10"));
    upDown->upButton()->click();
    EXPECT_EQ(edit->text(), QStringLiteral("20"));
    // The arrow keys in the edit do the same.
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), QStringLiteral("30"));
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), QStringLiteral("10"));
    EXPECT_EQ(ids.get(saved(*page, settings)), std::make_pair(1, 10));
}

TEST_P(AmplifyTest, OutOfRangeCoefficientKeepsThePageWhileScalingIsOn) {
    const AmplifyIds& ids = GetParam();
    auto page = openWith(1, 100);
    auto* edit = byId<QLineEdit>(page.get(), ids.edit);
    // Any digits can be typed; letters cannot.
    edit->clear();
    test::typeText(edit, QStringLiteral("5x"));
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    EXPECT_FALSE(page->CanLeave());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Invalid amplification coefficient. It's betwen 10 and 3000."));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);

    edit->setText(QStringLiteral("3001"));
    EXPECT_FALSE(page->CanLeave());
    edit->clear();
    EXPECT_FALSE(page->CanLeave());
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].text, QStringLiteral("Please enter an integer."));

    edit->setText(QStringLiteral("250"));
    EXPECT_TRUE(page->CanLeave());
    EXPECT_EQ(ids.get(saved(*page, settings)), std::make_pair(1, 250));

    // With scaling off any coefficient passes.
    byId<QCheckBox>(page.get(), ids.check)->click();
    EXPECT_FALSE(edit->isEnabled());
    edit->setText(QStringLiteral("5"));
    EXPECT_TRUE(page->CanLeave());
    EXPECT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(ids.get(saved(*page, settings)), std::make_pair(0, 5));
}

TEST_P(AmplifyTest, CheckEnablesTheCoefficient) {
    const AmplifyIds& ids = GetParam();
    auto page = openWith(0, 100);
    auto* edit = byId<QLineEdit>(page.get(), ids.edit);
    auto* upDown = byId<UpDownControl>(page.get(), ids.upDown);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_FALSE(upDown->isEnabled());
    byId<QCheckBox>(page.get(), ids.check)->click();
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_TRUE(upDown->isEnabled());
    EXPECT_EQ(ids.get(saved(*page, settings)), std::make_pair(1, 100));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, AmplifyTest,
    testing::Values(
        AmplifyIds{"Mp3", 1026, 1006, 1008,
                   [](auto& d, auto& o, const auto&) -> std::unique_ptr<OptionsPage> {
                       return std::make_unique<COptMp3Page>(d, o);
                   },
                   [](AppSettings& s, int a, int c) {
                       s.AmplifyMp3 = a;
                       s.AmplifyMp3Coeff = c;
                   },
                   [](const AppSettings& s) { return std::pair(s.AmplifyMp3, s.AmplifyMp3Coeff); }},
        AmplifyIds{"Wav", 1028, 1011, 1015,
                   [](auto& d, auto&, const auto&) -> std::unique_ptr<OptionsPage> {
                       return std::make_unique<COptWavPage>(d);
                   },
                   [](AppSettings& s, int a, int c) {
                       s.AmplifyWav = a;
                       s.AmplifyWavCoeff = c;
                   },
                   [](const AppSettings& s) { return std::pair(s.AmplifyWav, s.AmplifyWavCoeff); }},
        AmplifyIds{
            "Wma", IdWmaAmplify, IdWmaCoefficient, IdWmaCoefficientArrows,
            [](auto& d, auto&, const auto& f) -> std::unique_ptr<OptionsPage> {
                return std::make_unique<CPageWMAOptions>(f, d);
            },
            [](AppSettings& s, int a, int c) {
                s.AmplifyWMA = a;
                s.AmplifyWMACoeff = c;
            },
            [](const AppSettings& s) { return std::pair(s.AmplifyWMA, s.AmplifyWMACoeff); }}),
    [](const auto& param) { return std::string(param.param.page); });

// ---- WAV ----

using WavPageTest = PageTest;

TEST_F(WavPageTest, PresetSetsItsValuesAndAWidthMakesItCustom) {
    auto page = open<COptWavPage>(settings, dialogs);
    auto* presets = byId<QComboBox>(page.get(), 1051);
    EXPECT_FALSE(byId<QComboBox>(page.get(), 1043)->isEnabled());
    chooseText(presets, QStringLiteral("11025 Hz, 8 bits, Mono (low quality, smaller file size)"));
    EXPECT_EQ(byId<QComboBox>(page.get(), 1043)->currentText(), QStringLiteral("8 bits"));
    EXPECT_EQ(byId<QComboBox>(page.get(), 1044)->currentText(), QStringLiteral("11025 Hz"));
    EXPECT_TRUE(byId<QRadioButton>(page.get(), 1060)->isChecked());
    EXPECT_TRUE(byId<QComboBox>(page.get(), 1043)->isEnabled());

    choose(byId<QComboBox>(page.get(), 1043), 16);
    EXPECT_EQ(presets->currentText(), QStringLiteral("Custom"));
    const AppSettings out = saved(*page, settings);
    EXPECT_EQ(out.AutoDestWAVEncodingParam, 0);
    EXPECT_EQ(out.WAVBitsPerSample, 16);
    EXPECT_EQ(out.WAVSampleRate, 11025);
    EXPECT_EQ(out.WAVChannelNum, 1);
}

TEST_F(WavPageTest, StoredValuesSelectTheirPreset) {
    settings.AutoDestWAVEncodingParam = 0;
    settings.WAVBitsPerSample = 16;
    settings.WAVSampleRate = 32000;
    settings.WAVChannelNum = 2;
    auto page = open<COptWavPage>(settings, dialogs);
    EXPECT_EQ(byId<QComboBox>(page.get(), 1051)->currentText(),
              QStringLiteral("32000 Hz, 16 bits, Stereo (medium quality, normal size)"));
    settings.WAVChannelNum = 1;
    page->LoadFrom(settings);
    EXPECT_EQ(byId<QComboBox>(page.get(), 1051)->currentText(), QStringLiteral("Custom"));
}

TEST_F(WavPageTest, RateOutsideTheListShowsTheFirstAndTakesItUnlessAuto) {
    settings.AutoDestWAVEncodingParam = 0;
    settings.WAVSampleRate = 7000;
    auto page = open<COptWavPage>(settings, dialogs);
    EXPECT_EQ(byId<QComboBox>(page.get(), 1044)->currentText(), QStringLiteral("6000 Hz"));
    EXPECT_EQ(saved(*page, settings).WAVSampleRate, 6000);

    settings.AutoDestWAVEncodingParam = 1;
    page->LoadFrom(settings);
    const AppSettings out = saved(*page, settings);
    EXPECT_EQ(out.WAVSampleRate, 7000);
    EXPECT_EQ(out.AutoDestWAVEncodingParam, 1);
}

// ---- WMA ----

class WmaPageTest : public PageTest {
protected:
    WmaFormatList formats;
};

TEST_F(WmaPageTest, EmptyFormatListOffersOnlyAutoAndOkMeansAuto) {
    settings.AutoDestWMAEncodingParam = 0;
    auto page = open<CPageWMAOptions>(settings, formats, dialogs);
    auto* list = byId<QComboBox>(page.get(), 1014);
    EXPECT_EQ(test::itemTexts(list), QStringList{QStringLiteral("Auto")});
    EXPECT_EQ(list->currentIndex(), -1);
    const AppSettings out = saved(*page, settings);
    EXPECT_EQ(out.AutoDestWMAEncodingParam, 1);
    EXPECT_EQ(out.WMABitRate, settings.WMABitRate);
}

TEST_F(WmaPageTest, EqualKbpsSelectTheLastAndOkStoresItsExactRate) {
    formats.push_back(test::FormatEntry(44100, 500, 2));
    formats.push_back(test::FormatEntry(44100, 64000, 2));
    formats.push_back(test::FormatEntry(44100, 64040, 2));
    formats.push_back(test::FormatEntry(48000, 96000, 1));
    settings.AutoDestWMAEncodingParam = 0;
    settings.WMASampleRate = 44100;
    settings.WMABitRate = 64000;
    settings.WMAChannels = 2;
    auto page = open<CPageWMAOptions>(settings, formats, dialogs);
    auto* list = byId<QComboBox>(page.get(), 1014);
    EXPECT_EQ(test::itemTexts(list),
              (QStringList{QStringLiteral("Auto"), QStringLiteral("44100 Hz, 64 kbps, Stereo"),
                           QStringLiteral("44100 Hz, 64 kbps, Stereo"),
                           QStringLiteral("48000 Hz, 96 kbps, Mono")}));
    EXPECT_EQ(list->currentIndex(), 2);
    AppSettings out = saved(*page, settings);
    EXPECT_EQ(out.AutoDestWMAEncodingParam, 0);
    EXPECT_EQ(out.WMABitRate, 64040);

    list->setCurrentIndex(3);
    out = saved(*page, settings);
    EXPECT_EQ(out.WMASampleRate, 48000);
    EXPECT_EQ(out.WMAChannels, 1);
    EXPECT_EQ(out.WMABitRate, 96000);

    list->setCurrentIndex(0);
    out = saved(*page, settings);
    EXPECT_EQ(out.AutoDestWMAEncodingParam, 1);
    EXPECT_EQ(out.WMASampleRate, 44100);
}

TEST_F(WmaPageTest, TagOptionAndTagAreTheWindowsMediaOnes) {
    settings.WMAID3TagOpt = kTagKeepSource;
    settings.WMAID3Tag.genre = 17;
    auto page = open<CPageWMAOptions>(settings, formats, dialogs);
    EXPECT_TRUE(byId<QRadioButton>(page.get(), IdWmaTagKeep)->isChecked());
    EXPECT_FALSE(byId<QPushButton>(page.get(), IdWmaTagEdit)->isEnabled());
    byId<QRadioButton>(page.get(), IdWmaTagNone)->click();
    const AppSettings out = saved(*page, settings);
    EXPECT_EQ(out.WMAID3TagOpt, kTagNone);
    EXPECT_EQ(out.WMAID3Tag.genre, 17);
    EXPECT_EQ(out.ID3TagOpt, settings.ID3TagOpt);
}

// ---- Output ----

using OutputPageTest = PageTest;

TEST_F(OutputPageTest, FolderControlsFollowTheChoice) {
    auto page = open<COptOutputPage>(settings, dialogs);
    auto* places = byId<QComboBox>(page.get(), 1056);
    EXPECT_EQ(test::itemTexts(places), (QStringList{QStringLiteral("Same as source file"),
                                                    QStringLiteral("Specify output folder")}));
    const int greyed[] = {1039, 1040, 1019, 1083};
    for (int id : greyed) EXPECT_FALSE(byId<QWidget>(page.get(), id)->isEnabled()) << id;
    EXPECT_TRUE(byId<QWidget>(page.get(), 1092)->isEnabled());
    choose(places, kOutputSpecifiedFolder);
    for (int id : greyed) EXPECT_TRUE(byId<QWidget>(page.get(), id)->isEnabled()) << id;
    choose(places, kOutputBesideSource);
    for (int id : greyed) EXPECT_FALSE(byId<QWidget>(page.get(), id)->isEnabled()) << id;
}

TEST_F(OutputPageTest, SpecifiedFolderMustBeChosen) {
    auto page = open<COptOutputPage>(settings, dialogs);
    choose(byId<QComboBox>(page.get(), 1056), kOutputSpecifiedFolder);
    EXPECT_FALSE(page->CanLeave());
    byId<QLineEdit>(page.get(), 1039)->setText(QStringLiteral("   "));
    EXPECT_FALSE(page->CanLeave());
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Please choose an output folder."));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);

    dialogs.folderAnswers.push_back(QStringLiteral("/tmp/out put"));
    byId<QLineEdit>(page.get(), 1039)->setText(QStringLiteral("/srv/music/"));
    byId<QPushButton>(page.get(), 1040)->click();
    ASSERT_EQ(dialogs.folderRequests.size(), 1u);
    EXPECT_EQ(dialogs.folderRequests[0].title, QStringLiteral("Please choose an output folder:"));
    EXPECT_EQ(dialogs.folderRequests[0].start, QStringLiteral("/srv/music"));
    EXPECT_EQ(byId<QLineEdit>(page.get(), 1039)->text(), QStringLiteral("/tmp/out put/"));
    EXPECT_TRUE(page->CanLeave());

    byId<QCheckBox>(page.get(), 1019)->click();
    byId<QCheckBox>(page.get(), 1092)->click();
    const AppSettings out = saved(*page, settings);
    EXPECT_EQ(out.DestOutputFolderOpt, kOutputSpecifiedFolder);
    EXPECT_EQ(out.DestSpecifiedFolder, "/tmp/out put/");
    EXPECT_EQ(out.CreateDirs, 1);
    EXPECT_EQ(out.BrowseOutputFolder, 0);
}

TEST_F(OutputPageTest, CancelledBrowseAndTooLongFolderKeepTheText) {
    settings.DestOutputFolderOpt = kOutputSpecifiedFolder;
    settings.DestSpecifiedFolder = "/music/";
    auto page = open<COptOutputPage>(settings, dialogs);
    auto* browse = byId<QPushButton>(page.get(), 1040);
    browse->click();  // no answer: the user cancelled
    dialogs.folderAnswers.push_back(QStringLiteral("/") + QString(300, QLatin1Char('a')));
    browse->click();
    EXPECT_EQ(byId<QLineEdit>(page.get(), 1039)->text(), QStringLiteral("/music/"));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(OutputPageTest, UnknownOptionShowsBesideSourceAndIsSavedOnlyOnceShown) {
    settings.DestOutputFolderOpt = 555;
    COptOutputPage unseen(dialogs);
    unseen.LoadFrom(settings);
    EXPECT_EQ(saved(unseen, settings).DestOutputFolderOpt, 555);

    auto page = open<COptOutputPage>(settings, dialogs);
    EXPECT_EQ(byId<QComboBox>(page.get(), 1056)->currentText(),
              QStringLiteral("Same as source file"));
    EXPECT_EQ(saved(*page, settings).DestOutputFolderOpt, kOutputBesideSource);
}

TEST_F(OutputPageTest, SimultaneousConversionsOffersAutoAndOneToSixtyFour) {
    settings.SimultaneousConversions = 8;
    auto page = open<COptOutputPage>(settings, dialogs);
    auto* count = byId<QSpinBox>(page.get(), IdSimultaneousConversions);
    EXPECT_EQ(count->text(), QStringLiteral("8"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(count);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Simultaneous conversions:"));
    count->setValue(65);
    EXPECT_EQ(saved(*page, settings).SimultaneousConversions, 64);
    count->setValue(0);
    EXPECT_EQ(count->text(), QStringLiteral("Auto"));
    EXPECT_EQ(saved(*page, settings).SimultaneousConversions, kSimultaneousAuto);

    // A stored count the page does not offer acts as Auto: it shows and is saved as Auto, once
    // the page was shown.
    for (int stored : {65, -1}) {
        settings.SimultaneousConversions = stored;
        COptOutputPage unseen(dialogs);
        unseen.LoadFrom(settings);
        EXPECT_EQ(saved(unseen, settings).SimultaneousConversions, stored);
        page->LoadFrom(settings);
        EXPECT_EQ(count->text(), QStringLiteral("Auto")) << stored;
        EXPECT_EQ(saved(*page, settings).SimultaneousConversions, kSimultaneousAuto) << stored;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <system_error>
#include <utility>

#include "OptionsTestUtil.h"
#include "TestDialogs.h"
#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"
#include "ui/options/COptSheet.h"
#include "ui/options/ControlIds.h"
#include "ui/options/Id3TagDialog.h"
#include "ui/options/OptionsCommand.h"
#include "ui/options/OptionsPage.h"
#include "support/TestSupport.h"

using namespace tonvexa;
using test::byId;
using test::choose;

namespace {

enum Page { Mp3 = 0, Wma = 1, Wav = 2, Output = 3 };

class OptionsSheetTest : public testing::Test {
protected:
    void TearDown() override {
        QCoreApplication::processEvents();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }

    // Runs the Options command; `act` works in the shown sheet and returns whether to press
    // OK (else Cancel). A refused OK leaves the sheet open, and the command then cancels it.
    void run(const std::function<bool(COptSheet&)>& act) {
        dialogs.execHandler = [&](QDialog& dialog) {
            auto& sheet = dynamic_cast<COptSheet&>(dialog);
            sheet.show();
            const bool ok = act(sheet);
            if (ok) sheet.accept();
            if (sheet.isVisible()) {
                okRefused = ok;
                sheet.reject();
            }
            return sheet.result();
        };
        okRefused = false;
        RunOptionsCommand(nullptr, settings, store, formats, dialogs, opener);
    }

    test::TempDir dir;
    std::string ini = dir.file("options.ini");
    SettingsStore store{ini};
    AppSettings settings;
    WmaFormatList formats;
    test::TestDialogs dialogs;
    test::RecordingOpener opener;
    bool okRefused = false;
};

// Our own "OK" and "Cancel": a platform theme's texts for the standard buttons may carry
// mnemonics ("&Cancel") that take Alt keys from the controls.
void ExpectOwnOkAndCancel(const QWidget* dialog) {
    EXPECT_EQ(byId<QPushButton>(dialog, IdOk)->text(), QStringLiteral("OK"));
    EXPECT_EQ(byId<QPushButton>(dialog, IdCancel)->text(), QStringLiteral("Cancel"));
}

TEST_F(OptionsSheetTest, PagesInOrderWithOurOwnOkAndCancelOnly) {
    run([](COptSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Options"));
        QStringList tabs;
        for (int i = 0; i < sheet.tabs()->count(); ++i) tabs << sheet.tabs()->tabText(i);
        EXPECT_EQ(tabs,
                  (QStringList{QStringLiteral("MP3 Options"), QStringLiteral("WMA Options"),
                               QStringLiteral("WAV Options"), QStringLiteral("Output Options")}));
        EXPECT_EQ(sheet.buttons()->buttons().size(), 2);
        ExpectOwnOkAndCancel(&sheet);
        EXPECT_EQ(sheet.tabs()->currentIndex(), Mp3);
        // Only the page on display has been filled.
        EXPECT_TRUE(sheet.page(Mp3)->activated());
        EXPECT_FALSE(sheet.page(Output)->activated());
        return false;
    });
    Id3TagDialog tagEditor(dialogs);
    ExpectOwnOkAndCancel(&tagEditor);
}

// The ids that more than one control of a window carries, each with the controls' classes.
std::string RepeatedIds(const QWidget* window) {
    std::map<int, QStringList> classesById;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        bool numeric = false;
        const int id = w->objectName().toInt(&numeric);
        if (numeric) classesById[id] << QString::fromLatin1(w->metaObject()->className());
    }
    std::string repeated;
    for (const auto& [id, classes] : classesById) {
        if (classes.size() > 1)
            repeated +=
                std::to_string(id) + " (" + classes.join(QStringLiteral(", ")).toStdString() + ") ";
    }
    return repeated;
}

// Tests and tools find a control by its id, so an id names one control in all the sheet's
// pages, and one in the tag editor.
TEST_F(OptionsSheetTest, NoControlIdRepeatsWithinTheSheetOrTheTagEditor) {
    run([](COptSheet& sheet) {
        EXPECT_EQ(RepeatedIds(&sheet), "");
        return false;
    });
    Id3TagDialog tagEditor(dialogs);
    EXPECT_EQ(RepeatedIds(&tagEditor), "");
}

// Makes a folder read-only for the length of a scope.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
    }
    ~ReadOnlyFolder() { writable(); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    void writable() {
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
    // Whether a file can be made in it all the same (as root can).
    bool takesFiles() const {
        const std::string probe = (folder_ / "probe").string();
        std::FILE* file = std::fopen(probe.c_str(), "w");
        if (file == nullptr) return false;
        std::fclose(file);
        std::remove(probe.c_str());
        return true;
    }

private:
    std::filesystem::path folder_;
};

TEST_F(OptionsSheetTest, FailedSaveIsReportedWithTheSystemsReason) {
    const std::filesystem::path folder = dir.path() / "config";
    std::filesystem::create_directory(folder);
    SettingsStore configStore((folder / "Tonvexa.conf").string());
    ReadOnlyFolder readOnly(folder);
    if (readOnly.takesFiles()) GTEST_SKIP() << "a read-only folder takes files for this user";
    dialogs.execHandler = [](QDialog& sheet) {
        sheet.accept();
        return sheet.result();
    };
    settings.MP3BitRate = 320;
    RunOptionsCommand(nullptr, settings, configStore, formats, dialogs, opener);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Tonvexa could not save its options: %1.")
                  .arg(QString::fromLocal8Bit(
                      std::make_error_code(std::errc::permission_denied).message())));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(settings.MP3BitRate, 320);

    // Once the folder takes files again, the next OK saves without a word.
    readOnly.writable();
    RunOptionsCommand(nullptr, settings, configStore, formats, dialogs, opener);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    AppSettings saved;
    SettingsStore(configStore.location()).LoadSettings(saved);
    EXPECT_EQ(saved.MP3BitRate, 320);
}

TEST_F(OptionsSheetTest, SheetReopensOnThePageItClosedOnEvenAfterCancel) {
    run([](COptSheet& sheet) {
        sheet.tabs()->setCurrentIndex(Wav);
        EXPECT_TRUE(sheet.page(Wav)->activated());
        return false;
    });
    EXPECT_EQ(settings.lastOptionsPage, Wav);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(ini)));
    run([](COptSheet& sheet) {
        EXPECT_EQ(sheet.tabs()->currentIndex(), Wav);
        EXPECT_TRUE(sheet.page(Wav)->activated());
        EXPECT_FALSE(sheet.page(Mp3)->activated());
        sheet.tabs()->setCurrentIndex(Output);
        return true;
    });
    EXPECT_EQ(settings.lastOptionsPage, Output);
    // The page index is not an option: the next run of the program opens on the first page.
    AppSettings nextRun;
    SettingsStore(ini).LoadSettings(nextRun);
    EXPECT_EQ(nextRun.lastOptionsPage, 0);
    EXPECT_FALSE(QString::fromLatin1(test::readFile(ini).data())
                     .contains(QStringLiteral("lastOptionsPage"), Qt::CaseInsensitive));
}

TEST_F(OptionsSheetTest, OutputPageWithoutFolderRefusesOkAndSwitching) {
    settings.lastOptionsPage = Output;
    run([this](COptSheet& sheet) {
        QWidget* page = sheet.page(Output);
        choose(byId<QComboBox>(page, 1056), kOutputSpecifiedFolder);
        sheet.tabs()->setCurrentIndex(Mp3);
        EXPECT_EQ(sheet.tabs()->currentIndex(), Output);
        EXPECT_EQ(sheet.tabs()->currentWidget(), page);
        EXPECT_FALSE(sheet.page(Mp3)->activated());
        sheet.accept();
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(dialogs.messages.size(), 2u);
        for (const auto& m : dialogs.messages)
            EXPECT_EQ(m.text, QStringLiteral("Please choose an output folder."));
        return true;
    });
    EXPECT_TRUE(okRefused);
    EXPECT_EQ(settings.DestOutputFolderOpt, kOutputBesideSource);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(ini)));

    run([this](COptSheet& sheet) {
        byId<QLineEdit>(sheet.page(Output), 1039)->setText(QString::fromStdString(dir.file("out")));
        choose(byId<QComboBox>(sheet.page(Output), 1056), kOutputSpecifiedFolder);
        return true;
    });
    EXPECT_FALSE(okRefused);
    EXPECT_EQ(settings.DestOutputFolderOpt, kOutputSpecifiedFolder);
    EXPECT_EQ(settings.DestSpecifiedFolder, dir.file("out"));
}

TEST_F(OptionsSheetTest, CoefficientCheckRefusesATabSwitch) {
    run([this](COptSheet& sheet) {
        QWidget* page = sheet.page(Mp3);
        byId<QCheckBox>(page, 1026)->click();
        byId<QLineEdit>(page, 1006)->setText(QStringLiteral("5"));
        sheet.tabs()->setCurrentIndex(Wav);
        EXPECT_EQ(sheet.tabs()->currentIndex(), Mp3);
        EXPECT_EQ(dialogs.messages.size(), 1u);
        byId<QLineEdit>(page, 1006)->setText(QStringLiteral("150"));
        sheet.tabs()->setCurrentIndex(Wav);
        EXPECT_EQ(sheet.tabs()->currentIndex(), Wav);
        return true;
    });
    EXPECT_EQ(settings.AmplifyMp3, 1);
    EXPECT_EQ(settings.AmplifyMp3Coeff, 150);
}

TEST_F(OptionsSheetTest, CancelLeavesSettingsAndTheFileByteForByte) {
    settings.DestOutputFolderOpt = 555;  // shown as "Same as source file"
    settings.MP3BitRate = 44;            // shown as 8 kbps
    settings.AutoDestMP3EncodingParam = 0;
    store.SaveSettings(settings, SettingsStore::SaveOptions);
    const auto before = test::readFile(ini);
    const AppSettings original = settings;
    ASSERT_FALSE(before.empty());
    run([this](COptSheet& sheet) {
        for (int i = 0; i < sheet.pageCount(); ++i) sheet.tabs()->setCurrentIndex(i);
        byId<QCheckBox>(sheet.page(Output), 1092)->click();
        byId<QRadioButton>(sheet.page(Wma), IdWmaTagAdd)->click();
        choose(byId<QComboBox>(sheet.page(Wav), 1051), 1);
        return false;
    });
    EXPECT_EQ(test::readFile(ini), before);
    AppSettings expected = original;
    expected.lastOptionsPage = Output;
    EXPECT_EQ(settings, expected);
}

// Each control's place in the page, for reading order.
QRect placeIn(const QWidget* root, const QWidget* w) {
    return QRect(w->mapTo(root, QPoint(0, 0)), w->size());
}

// The controls that Tab visits, in Tab order.
QList<QWidget*> tabChain(QWidget* root) {
    QList<QWidget*> chain;
    for (QWidget* w = root->nextInFocusChain(); w != root; w = w->nextInFocusChain()) {
        if (root->isAncestorOf(w) && w->isVisibleTo(root) && (w->focusPolicy() & Qt::TabFocus) &&
            !qobject_cast<QComboBox*>(w->parentWidget()))
            chain << w;
    }
    return chain;
}

void ExpectReadingOrder(QWidget* root, const QString& name) {
    const QList<QWidget*> chain = tabChain(root);
    ASSERT_GT(chain.size(), 2) << name.toStdString();
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QRect a = placeIn(root, chain[i - 1]);
        const QRect b = placeIn(root, chain[i]);
        const bool sameRow =
            std::abs(a.center().y() - b.center().y()) <= std::max(a.height(), b.height()) / 2;
        const bool after = sameRow ? b.left() > a.left() : b.center().y() > a.center().y();
        EXPECT_TRUE(after) << name.toStdString() << ": " << chain[i - 1]->objectName().toStdString()
                           << " then " << chain[i]->objectName().toStdString();
    }
}

void ExpectMnemonicsHaveBuddies(QWidget* root, const QString& name) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->text().contains(QLatin1Char('&')) &&
            !label->inherits("tonvexa::HyperlinkLabel")) {
            EXPECT_NE(label->buddy(), nullptr)
                << name.toStdString() << ": " << label->text().toStdString();
        }
    }
}

TEST_F(OptionsSheetTest, EveryControlIsNamedAndTabGoesInReadingOrder) {
    run([](COptSheet& sheet) {
        for (int i = 0; i < sheet.pageCount(); ++i) {
            sheet.tabs()->setCurrentIndex(i);
            QWidget* page = sheet.page(i);
            EXPECT_EQ(test::UnnamedControls(page), QStringList()) << i;
            ExpectReadingOrder(page, sheet.page(i)->title());
            ExpectMnemonicsHaveBuddies(page, sheet.page(i)->title());
        }
        // The tabs carry their pages' names.
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(sheet.tabs()->tabBar());
        QStringList names;
        for (int i = 0; i < bar->childCount(); ++i) {
            if (bar->child(i)->role() == QAccessible::PageTab)
                names << bar->child(i)->text(QAccessible::Name);
        }
        EXPECT_EQ(names,
                  (QStringList{QStringLiteral("MP3 Options"), QStringLiteral("WMA Options"),
                               QStringLiteral("WAV Options"), QStringLiteral("Output Options")}));
        return false;
    });

    Id3TagDialog tagEditor(dialogs);
    tagEditor.show();
    EXPECT_EQ(test::UnnamedControls(&tagEditor), QStringList());
    ExpectReadingOrder(&tagEditor, QStringLiteral("editor"));
    ExpectMnemonicsHaveBuddies(&tagEditor, QStringLiteral("editor"));
}

TEST_F(OptionsSheetTest, KeyboardReachesTabsAndControls) {
    // The parameter lists are greyed with "Auto".
    settings.AutoDestMP3EncodingParam = 0;
    settings.AutoDestWAVEncodingParam = 0;
    run([](COptSheet& sheet) {
        QApplication::setActiveWindow(&sheet);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&sheet));
        QWidget* mp3 = sheet.page(Mp3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), byId<QWidget>(mp3, 1041));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(sheet.tabs()->currentIndex(), Wma);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(sheet.tabs()->currentIndex(), Wav);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), byId<QWidget>(sheet.page(Wav), 1044));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(sheet.tabs()->currentIndex(), Wma);
        return false;
    });
    EXPECT_EQ(settings.lastOptionsPage, Wma);
}

TEST_F(OptionsSheetTest, ShotsForAPerson) {
    formats.push_back(test::FormatEntry(44100, 128000, 2));
    run([this](COptSheet& sheet) {
        const char* names[] = {"options-mp3", "options-wma", "options-wav", "options-output"};
        for (int i = 0; i < sheet.pageCount(); ++i) {
            sheet.tabs()->setCurrentIndex(i);
            if (i == Output) choose(byId<QComboBox>(sheet.page(i), 1056), kOutputSpecifiedFolder);
            // Every control must fit: no text cut off anywhere.
            for (QWidget* w : sheet.page(i)->findChildren<QWidget*>()) {
                // Widths set on purpose (the arrows beside a number) are what they are.
                if (!w->isVisibleTo(&sheet) || qobject_cast<QComboBox*>(w->parentWidget()) ||
                    w->minimumWidth() > 0)
                    continue;
                EXPECT_GE(w->width(), w->minimumSizeHint().width())
                    << names[i] << " " << w->objectName().toStdString();
            }
            test::WriteShots(sheet, QString::fromLatin1(names[i]));
        }
        return false;
    });
    Id3TagDialog tagEditor(dialogs);
    tagEditor.show();
    test::typeText(byId<QLineEdit>(&tagEditor, 1016), QStringLiteral("Caf\u00E9 \u20AC"));
    test::WriteShots(tagEditor, QStringLiteral("id3-tag-editor"));
}

}  // namespace

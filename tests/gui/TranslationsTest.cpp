// Every window and dialog in every language: each text fits its control and runs into no
// other, the mnemonics of a dialog are each its own, and a window in German speaks German
// down to Qt's own dialogs.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "GuiWait.h"
#include "TestDialogs.h"
#include "engine/DesktopServices.h"
#include "settings/SettingsStore.h"
#include "support/MediaInfo.h"
#include "support/TestSupport.h"
#include "texts/Language.h"
#include "texts/Texts.h"
#include "ui/AboutDialog.h"
#include "ui/CommandIds.h"
#include "ui/ConvertProgressDialog.h"
#include "ui/FileListModel.h"
#include "ui/ImageButton.h"
#include "ui/LoadProgressDialog.h"
#include "ui/MainCommands.h"
#include "ui/MainDialog.h"
#include "ui/PopupMenus.h"
#include "ui/UrlOpener.h"
#include "ui/options/COptSheet.h"
#include "ui/options/Id3TagDialog.h"
#include "wm/FfmpegWmRuntime.h"

using namespace tonvexa;

namespace {

class NoOpener : public UrlOpener {
public:
    int open(const QUrl&) override { return kOpenSucceeded; }
};

class NoDesktop : public DesktopServices {
public:
    void ShowInExplorer(const std::string&) override {}
};

QString Visible(QString text) {
    // "&&" is a literal ampersand; a single one marks the mnemonic.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The mnemonic letter of a text, or none.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// What does not fit, in one window or dialog: each line names the control and its text.
class FitCheck {
public:
    explicit FitCheck(std::string where) : where_(std::move(where)) {}

    void widget(QWidget* root) {
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(root)) continue;
            if (auto* b = qobject_cast<ImageButton*>(w)) {
                imageButton(b);
            } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
                indicated(c, QStyle::SE_CheckBoxContents);
            } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
                indicated(r, QStyle::SE_RadioButtonContents);
            } else if (auto* p = qobject_cast<QPushButton*>(w)) {
                pushButton(p);
            } else if (auto* l = qobject_cast<QLabel*>(w)) {
                label(l);
            } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
                groupBox(g);
            } else if (auto* t = qobject_cast<QTabBar*>(w)) {
                tabBar(t);
            } else if (auto* box = qobject_cast<QComboBox*>(w)) {
                comboBox(box);
            }
        }
        overlaps(root);
    }

    const std::vector<std::string>& problems() const { return problems_; }

private:
    void report(QWidget* w, const QString& text, int need, int room) {
        problems_.push_back(where_ + ": " + w->metaObject()->className() + " " +
                            w->objectName().toStdString() + " \"" + text.toStdString() +
                            "\" needs " + std::to_string(need) + " px, has " +
                            std::to_string(room));
    }
    static int advance(const QWidget* w, const QString& text, const QFont& font) {
        (void)w;
        return QFontMetrics(font).horizontalAdvance(Visible(text));
    }
    void imageButton(ImageButton* b) {
        if (b->text().isEmpty()) return;
        // Its face draws the text in its own font, which may have shrunk to fit.
        const int need = advance(b, b->text(), b->drawnFont());
        if (need > b->width() - 2) report(b, b->text(), need, b->width() - 2);
    }
    void indicated(QAbstractButton* b, QStyle::SubElement contents) {
        if (b->text().isEmpty()) return;
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        const QRect room = b->style()->subElementRect(contents, &option, b);
        const int need = advance(b, b->text(), b->font());
        if (need > room.width()) report(b, b->text(), need, room.width());
    }
    void pushButton(QPushButton* b) {
        if (b->text().isEmpty()) return;
        const int need = advance(b, b->text(), b->font()) + 6;
        if (need > b->width()) report(b, b->text(), need, b->width());
    }
    void label(QLabel* l) {
        if (l->text().isEmpty() || l->textFormat() == Qt::RichText) return;
        const QRect room = l->contentsRect();
        if (l->wordWrap()) {
            const int need = l->heightForWidth(room.width());
            if (need > room.height()) report(l, l->text(), need, room.height());
            return;
        }
        QString widest;
        for (const QString& line : l->text().split(QLatin1Char('\n')))
            if (advance(l, line, l->font()) > advance(l, widest, l->font())) widest = line;
        const int need = advance(l, widest, l->font());
        if (need > room.width()) report(l, widest, need, room.width());
    }
    void groupBox(QGroupBox* g) {
        if (g->title().isEmpty()) return;
        const int need = advance(g, g->title(), g->font()) + 16;
        if (need > g->width()) report(g, g->title(), need, g->width());
    }
    void tabBar(QTabBar* t) {
        // Tabs elide or scroll when their texts are wider than the bar: neither may happen.
        const int space = t->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, t);
        int need = 0;
        for (int i = 0; i < t->count(); ++i) need += advance(t, t->tabText(i), t->font()) + space;
        if (need > t->width()) report(t, t->tabText(0) + QStringLiteral("..."), need, t->width());
    }
    void comboBox(QComboBox* box) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, box);
        for (int i = 0; i < box->count(); ++i) {
            const int need = advance(box, box->itemText(i), box->font());
            if (need > field.width()) report(box, box->itemText(i), need, field.width());
        }
    }
    // Controls with text that share a parent must not cover one another (group boxes frame
    // their controls and are left out).
    void overlaps(QWidget* root) {
        std::map<QWidget*, std::vector<QWidget*>> byParent;
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(root) || qobject_cast<QGroupBox*>(w)) continue;
            if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
                byParent[w->parentWidget()].push_back(w);
        }
        for (const auto& [parent, children] : byParent) {
            for (std::size_t i = 0; i < children.size(); ++i) {
                for (std::size_t j = i + 1; j < children.size(); ++j) {
                    const QRect a = textRect(children[i]), b = textRect(children[j]);
                    if (!a.intersects(b)) continue;
                    problems_.push_back(where_ + ": \"" + textOf(children[i]).toStdString() +
                                        "\" runs into \"" + textOf(children[j]).toStdString() +
                                        "\"");
                }
            }
        }
    }
    static QString textOf(QWidget* w) {
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        return {};
    }
    // Where a control's text is drawn: labels and check boxes from their left edge as wide as
    // the text (their rectangles are often wider than the text and may reach under others).
    static QRect textRect(QWidget* w) {
        QRect r = w->geometry();
        const QString text = Visible(textOf(w));
        if (qobject_cast<QLabel*>(w) && !qobject_cast<QLabel*>(w)->wordWrap() &&
            !(qobject_cast<QLabel*>(w)->alignment() & (Qt::AlignRight | Qt::AlignHCenter)))
            r.setWidth(std::min(r.width(), QFontMetrics(w->font()).horizontalAdvance(text) + 1));
        if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
            r.setWidth(std::min(r.width(), QFontMetrics(w->font()).horizontalAdvance(text) + 20));
        return r;
    }

    std::string where_;
    std::vector<std::string> problems_;
};

// The mnemonics a user can reach at once: each letter once.
std::vector<std::string> MnemonicClashes(const std::string& where,
                                         const std::vector<QString>& texts) {
    std::map<QChar, QString> seen;
    std::vector<std::string> clashes;
    for (const QString& text : texts) {
        const QChar m = Mnemonic(text);
        if (m.isNull()) continue;
        if (auto it = seen.find(m); it != seen.end()) {
            clashes.push_back(where + ": Alt+" + QString(m).toStdString() + " is \"" +
                              it->second.toStdString() + "\" and \"" + text.toStdString() + "\"");
        } else {
            seen[m] = text;
        }
    }
    return clashes;
}

// The texts with mnemonics of the controls the user sees in a widget.
std::vector<QString> MnemonicTexts(QWidget* root) {
    std::vector<QString> texts;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root)) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texts.push_back(b->text());
        if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy()) texts.push_back(l->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) texts.push_back(g->title());
        if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i) texts.push_back(t->tabText(i));
    }
    return texts;
}

class TranslationsTest : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        ASSERT_TRUE(InstallLanguage(*qApp, QString::fromStdString(GetParam())));
        store = std::make_unique<SettingsStore>(dir.file("Tonvexa.conf"));
        store->WriteFirstRun(0);
    }
    void TearDown() override {
        window.reset();
        InstallLanguage(*qApp, QStringLiteral("en"));
        QCoreApplication::processEvents();
    }
    MainDialog& open() {
        window = std::make_unique<MainDialog>(MainServices{dialogs, opener, desktop, *store, runtime});
        window->show();
        QCoreApplication::processEvents();
        return *window;
    }
    std::string where(const char* what) const { return GetParam() + " " + what; }

    // Every window and dialog: `check` sees each with a name.
    void everyDialog(const std::function<void(QWidget&, const std::string&)>& check) {
        MainDialog& w = open();
        check(w, where("main window"));
        for (QMenu* menu : {w.menus().contextMenu(), w.menus().helpMenu()}) {
            std::vector<QString> texts;
            for (QAction* a : menu->actions()) texts.push_back(a->text());
            for (const auto& clash : MnemonicClashes(where("menu"), texts)) mnemonics.push_back(clash);
        }
        dialogs.execHandler = [&](QDialog& dialog) {
            if (auto* sheet = qobject_cast<COptSheet*>(&dialog)) {
                sheet->show();
                for (int i = 0; i < sheet->pageCount(); ++i) {
                    sheet->tabs()->setCurrentIndex(i);
                    QCoreApplication::processEvents();
                    check(*sheet, where("options, page ") + std::to_string(i + 1));
                }
                // The tag editor, from the MP3 page.
                sheet->tabs()->setCurrentIndex(0);
                Id3TagDialog tag(dialogs, sheet);
                tag.show();
                check(tag, where("tag editor"));
                tag.hide();
                sheet->reject();
                return static_cast<int>(QDialog::Rejected);
            }
            dialog.show();
            check(dialog, where(dialog.metaObject()->className()));
            dialog.hide();
            return static_cast<int>(QDialog::Rejected);
        };
        w.runCommand(IdOptions);
        w.runCommand(IdAbout);
        ConvertProgressDialog convert(&w);
        convert.beginBatch({QStringLiteral("A file with a long name of its own.wma")}, FormatWma);
        convert.jobStarted(0);
        convert.jobProgress(0, 100, 1000);
        convert.show();
        check(convert, where("conversion progress"));
        LoadProgressDialog load(&w);
        load.setStatusText(QCoreApplication::translate("tonvexa::FileAdder", "Adding file %1 of %2...")
                               .arg(9999)
                               .arg(9999));
        load.show();
        check(load, where("adding progress"));
        convert.finishOperation();
        load.finishOperation();
    }

    test::TempDir dir;
    std::unique_ptr<SettingsStore> store;
    test::TestDialogs dialogs;
    NoOpener opener;
    NoDesktop desktop;
    FfmpegWmRuntime runtime;
    std::unique_ptr<MainDialog> window;
    std::vector<std::string> mnemonics;
};

std::vector<std::string> AllLanguages() {
    std::vector<std::string> codes{"en"};
    for (const QString& l : TranslatedLanguages()) codes.push_back(l.toStdString());
    return codes;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l + "\n";
    return all;
}

}  // namespace

TEST_P(TranslationsTest, EveryTextFitsItsControl) {
    std::vector<std::string> problems;
    everyDialog([&](QWidget& dialog, const std::string& name) {
        FitCheck fit(name);
        fit.widget(&dialog);
        problems.insert(problems.end(), fit.problems().begin(), fit.problems().end());
    });
    EXPECT_TRUE(problems.empty()) << Joined(problems);
}

// English keeps the program's own texts, two of which share a letter; every translation
// gives each control of a dialog a letter of its own.
TEST_P(TranslationsTest, MnemonicsAreUniqueInEachDialog) {
    if (GetParam() == "en") GTEST_SKIP() << "the English texts are the program's own";
    everyDialog([&](QWidget& dialog, const std::string& name) {
        for (const auto& clash : MnemonicClashes(name, MnemonicTexts(&dialog)))
            mnemonics.push_back(clash);
    });
    EXPECT_TRUE(mnemonics.empty()) << Joined(mnemonics);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationsTest, testing::ValuesIn(AllLanguages()),
                         [](const testing::TestParamInfo<std::string>& language) {
                             return language.param;
                         });

// A window started in a German desktop speaks German: its buttons, the options' tabs, the
// rows of a batch, and Qt's own file dialog.
TEST(GermanDesktop, TheWindowSpeaksGerman) {
    qputenv("LANGUAGE", "de");
    const QString language = InstallTranslations(*qApp);
    qputenv("LANGUAGE", "");
    ASSERT_EQ(language, QStringLiteral("de"));
    test::TempDir dir;
    SettingsStore store(dir.file("Tonvexa.conf"));
    store.WriteFirstRun(0);
    test::TestDialogs dialogs;
    NoOpener opener;
    NoDesktop desktop;
    FfmpegWmRuntime runtime;
    {
        MainDialog w(MainServices{dialogs, opener, desktop, store, runtime});
        w.show();
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(w.button(IdAddFiles));
        ASSERT_NE(button, nullptr);
        const QString add = button->text(QAccessible::Name);
        EXPECT_FALSE(add.isEmpty());
        EXPECT_NE(add, QStringLiteral("Add Files"));
        EXPECT_EQ(add, Visible(QCoreApplication::translate("tonvexa::MainDialog", "&Add Files")));

        QStringList tabs;
        dialogs.execHandler = [&](QDialog& dialog) {
            if (auto* sheet = qobject_cast<COptSheet*>(&dialog))
                for (int i = 0; i < sheet->tabs()->count(); ++i) tabs << sheet->tabs()->tabText(i);
            return static_cast<int>(QDialog::Rejected);
        };
        w.runCommand(IdOptions);
        ASSERT_EQ(tabs.size(), 4);
        EXPECT_FALSE(tabs.contains(QStringLiteral("Output Options")));

        // A WAV source to MP3 is skipped; its row says so in German.
        const std::string wav = dir.file("a.wav");
        ASSERT_TRUE(test::makeTone(wav, 8000, 1, 0.2));
        w.fileCommands().AddDropped({wav});
        ASSERT_TRUE(test::WaitUntilIdle(w));
        w.button(IdConvertAllMp3)->click();
        ASSERT_TRUE(test::WaitUntilIdle(w));
        const QString status = w.model()->text(0, FileListModel::ColumnStatus);
        EXPECT_EQ(status, QString::fromStdString(StatusText({JobResult::Skipped, {}})));
        EXPECT_FALSE(status.startsWith(QStringLiteral("Skipped")));
    }
    {
        // Qt's own file dialog, the one Add Files opens where the desktop has none.
        QFileDialog files(nullptr, QString(), QString::fromStdString(dir.path().string()));
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.show();
        auto* box = files.findChild<QDialogButtonBox*>();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }
    InstallLanguage(*qApp, QStringLiteral("en"));
}

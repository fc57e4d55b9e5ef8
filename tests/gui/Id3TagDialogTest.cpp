#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <string>

#include "OptionsTestUtil.h"
#include "TestDialogs.h"
#include "audio/Id3v1.h"
#include "base/Id3Tag.h"
#include "ui/options/Id3TagDialog.h"

using namespace tonvexa;
using test::byId;

namespace {

class Id3TagDialogTest : public testing::Test {
protected:
    void TearDown() override {
        QCoreApplication::processEvents();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }

    // Runs the editor on `tag` as a page does, with `edit` acting in the dialog before OK
    // (which may be refused, leaving the dialog open: then it is cancelled).
    bool edit(Id3Tag& tag, const std::function<void(Id3TagDialog&)>& act) {
        dialogs.execHandler = [&](QDialog& dialog) {
            auto& editor = dynamic_cast<Id3TagDialog&>(dialog);
            act(editor);
            editor.accept();
            if (editor.result() != QDialog::Accepted) editor.reject();
            return editor.result();
        };
        return EditId3Tag(dialogs, nullptr, tag);
    }

    test::TestDialogs dialogs;
};

TEST_F(Id3TagDialogTest, GenreNoneStaysNoneAndRockIsSeventeen) {
    Id3Tag tag;
    ASSERT_EQ(tag.genre, 255);
    EXPECT_TRUE(edit(
        tag, [](Id3TagDialog& d) { EXPECT_EQ(byId<QComboBox>(&d, 1023)->currentIndex(), -1); }));
    EXPECT_EQ(tag.genre, 255);

    EXPECT_TRUE(edit(tag, [](Id3TagDialog& d) {
        auto* genre = byId<QComboBox>(&d, 1023);
        genre->setCurrentIndex(genre->findText(QStringLiteral("Rock")));
    }));
    EXPECT_EQ(tag.genre, 17);

    // An index beyond the list shows nothing chosen.
    tag.genre = 148;
    Id3TagDialog dialog(dialogs);
    dialog.LoadTag(tag);
    EXPECT_EQ(byId<QComboBox>(&dialog, 1023)->currentIndex(), -1);
    tag.genre = 0;
    dialog.LoadTag(tag);
    EXPECT_EQ(byId<QComboBox>(&dialog, 1023)->currentText(), QStringLiteral("Blues"));
}

TEST_F(Id3TagDialogTest, GenresAreSortedAndCarryTheirIndex) {
    Id3TagDialog dialog(dialogs);
    const auto* genre = byId<QComboBox>(&dialog, 1023);
    ASSERT_EQ(genre->count(), static_cast<int>(GenreList().size()));
    for (int i = 0; i < genre->count(); ++i) {
        const int index = genre->itemData(i).toInt();
        EXPECT_EQ(genre->itemText(i).toStdString(), GenreList()[static_cast<std::size_t>(index)]);
        if (i > 0) {
            EXPECT_LE(
                QString::compare(genre->itemText(i - 1), genre->itemText(i), Qt::CaseInsensitive),
                0)
                << i;
        }
    }
}

TEST_F(Id3TagDialogTest, TrackNumberRules) {
    Id3Tag tag;
    tag.hasTrack = 0;
    tag.track = 99;
    EXPECT_TRUE(edit(tag, [](Id3TagDialog& d) {
        EXPECT_EQ(byId<QLineEdit>(&d, 1017)->text(), QStringLiteral("0"));
    }));
    EXPECT_EQ(tag.hasTrack, 0);
    EXPECT_EQ(tag.track, 0);

    EXPECT_TRUE(edit(
        tag, [](Id3TagDialog& d) { byId<QLineEdit>(&d, 1017)->setText(QStringLiteral("7")); }));
    EXPECT_EQ(tag.hasTrack, 1);
    EXPECT_EQ(tag.track, 7);

    // The arrows step by one within 0..255.
    EXPECT_TRUE(edit(tag, [](Id3TagDialog& d) {
        auto* upDown = byId<UpDownControl>(&d, 1022);
        upDown->upButton()->click();
        EXPECT_EQ(byId<QLineEdit>(&d, 1017)->text(), QStringLiteral("8"));
        byId<QLineEdit>(&d, 1017)->setText(QStringLiteral("255"));
        upDown->upButton()->click();
        EXPECT_EQ(byId<QLineEdit>(&d, 1017)->text(), QStringLiteral("255"));
    }));
    EXPECT_EQ(tag.track, 255);

    const Id3Tag before = tag;
    EXPECT_FALSE(edit(tag, [](Id3TagDialog& d) { byId<QLineEdit>(&d, 1017)->clear(); }));
    EXPECT_FALSE(edit(
        tag, [](Id3TagDialog& d) { byId<QLineEdit>(&d, 1017)->setText(QStringLiteral("256")); }));
    EXPECT_EQ(tag, before);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Please enter an integer."));
    EXPECT_EQ(dialogs.messages[1].text,
              QStringLiteral("Please enter an integer between 0 and 255."));
}

TEST_F(Id3TagDialogTest, CheckedNameGreysTheTitleWhichIsStillTakenBack) {
    Id3Tag tag;
    tag.nameAsFileName = 0;
    setFieldText(tag.title, "Old");
    EXPECT_TRUE(edit(tag, [](Id3TagDialog& d) {
        auto* title = byId<QLineEdit>(&d, 1012);
        EXPECT_TRUE(title->isEnabled());
        title->setText(QStringLiteral("Kept title"));
        byId<QCheckBox>(&d, 1025)->click();
        EXPECT_FALSE(title->isEnabled());
    }));
    EXPECT_EQ(tag.nameAsFileName, 1);
    EXPECT_EQ(fieldText(tag.title), "Kept title");
}

TEST_F(Id3TagDialogTest, FieldsKeepTheirLimits) {
    Id3Tag tag;
    tag.nameAsFileName = 0;
    EXPECT_TRUE(edit(tag, [](Id3TagDialog& d) {
        for (int id : {1012, 1016, 1018, 1021}) {
            auto* field = byId<QLineEdit>(&d, id);
            test::typeText(field, QString(31, QLatin1Char('a' + id % 26)));
            EXPECT_EQ(field->text().size(), 30) << id;
        }
        EXPECT_EQ(d.statusText(), QStringLiteral("This field holds at most 30 characters."));
        auto* year = byId<QLineEdit>(&d, 1020);
        test::typeText(year, QStringLiteral("19a"));
        EXPECT_EQ(year->text(), QStringLiteral("19"));
        EXPECT_EQ(d.statusText(), QStringLiteral("Only digits can be typed here."));
        test::typeText(year, QStringLiteral("845"));
        EXPECT_EQ(year->text(), QStringLiteral("1984"));
    }));
    EXPECT_EQ(fieldText(tag.title), std::string(30, 'a' + 1012 % 26));
    EXPECT_EQ(fieldText(tag.comment), std::string(30, 'a' + 1021 % 26));
    EXPECT_EQ(fieldText(tag.year), "1984");
}

TEST_F(Id3TagDialogTest, OnlyLatin1CanBeTypedAndTheRefusalIsExplained) {
    Id3Tag tag;
    EXPECT_TRUE(edit(tag, [](Id3TagDialog& d) {
        auto* artist = byId<QLineEdit>(&d, 1016);
        test::typeText(artist, QStringLiteral("Bj\u00F6rk"));
        EXPECT_TRUE(d.statusText().isEmpty());
        test::typeText(artist, QStringLiteral("\u20AC"));
        EXPECT_EQ(artist->text(), QStringLiteral("Bj\u00F6rk"));
        EXPECT_TRUE(d.statusText().contains(QStringLiteral("\u201C\u20AC\u201D")));
        EXPECT_TRUE(d.statusText().contains(QStringLiteral("ISO-8859-1")));
        EXPECT_EQ(artist->toolTip(), d.statusText());

        // A paste with one foreign character is refused whole, not changed.
        auto* album = byId<QLineEdit>(&d, 1018);
        album->insert(QStringLiteral("Caf\u00E9 \U0001F600"));
        EXPECT_TRUE(album->text().isEmpty());
        EXPECT_TRUE(d.statusText().contains(QStringLiteral("\U0001F600")));
        album->insert(QStringLiteral("Caf\u00E9"));
        EXPECT_EQ(album->text(), QStringLiteral("Caf\u00E9"));
        // Control characters would break the stored text.
        album->insert(QStringLiteral("\t"));
        EXPECT_TRUE(d.statusText().contains(QStringLiteral("U+0009")));
    }));
    EXPECT_EQ(fieldText(tag.artist), std::string("Bj\xF6rk"));
    EXPECT_EQ(fieldText(tag.album), std::string("Caf\xE9"));
}

TEST_F(Id3TagDialogTest, RecordTextsShowAsLatin1AndCancelChangesNothing) {
    Id3Tag tag;
    setFieldText(tag.comment, "na\xEFve");
    setFieldText(tag.year, "2001");
    tag.genre = 8;
    const Id3Tag before = tag;
    dialogs.execHandler = [](QDialog& dialog) {
        EXPECT_EQ(byId<QLineEdit>(&dialog, 1021)->text(), QStringLiteral("na\u00EFve"));
        EXPECT_EQ(byId<QLineEdit>(&dialog, 1020)->text(), QStringLiteral("2001"));
        EXPECT_EQ(byId<QComboBox>(&dialog, 1023)->currentText(), QStringLiteral("Jazz"));
        byId<QLineEdit>(&dialog, 1021)->setText(QStringLiteral("changed"));
        dialog.reject();
        return dialog.result();
    };
    EXPECT_FALSE(EditId3Tag(dialogs, nullptr, tag));
    EXPECT_EQ(tag, before);
}

}  // namespace

// The translation files: every message of every language is translated, keeps the
// placeholders of its English source, and keeps the shortcut keys that menus show.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <set>
#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "texts/Language.h"
#include "texts/Texts.h"

using namespace tonvexa;

namespace {

struct Message {
    QString context;
    QString source;
    std::vector<QString> translations;  // one, or one per plural form
    bool unfinished = false;
};

std::vector<Message> ReadTs(const QString& path) {
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Message{context, {}, {}, false};
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            current.unfinished = type == QLatin1String("unfinished") ||
                                 type == QLatin1String("vanished") ||
                                 type == QLatin1String("obsolete");
            // Either plain text, or numerusform children.
            QString text;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters()) text += xml.text();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    current.translations.push_back(xml.readElementText());
                if (xml.isEndElement() && xml.name() == QLatin1String("translation")) break;
            }
            if (current.translations.empty()) current.translations.push_back(text);
            messages.push_back(current);
        }
    }
    return messages;
}

std::set<QString> Placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%(n|[1-9])"));
    std::set<QString> found;
    for (auto it = pattern.globalMatch(text); it.hasNext();) found.insert(it.next().captured());
    return found;
}

QString TsFile(const QString& language) {
    return QStringLiteral(TONVEXA_SOURCE_DIR "/translations/tonvexa_") + language +
           QStringLiteral(".ts");
}

class TranslationFiles : public testing::TestWithParam<std::string> {};

std::vector<std::string> Languages() {
    std::vector<std::string> codes;
    for (const QString& l : TranslatedLanguages()) codes.push_back(l.toStdString());
    return codes;
}

}  // namespace

TEST_P(TranslationFiles, EveryMessageTranslatedWithItsPlaceholders) {
    const std::vector<Message> messages = ReadTs(TsFile(QString::fromStdString(GetParam())));
    ASSERT_GE(messages.size(), 100u) << "read " << messages.size() << " messages";
    std::vector<std::string> problems;
    for (const Message& m : messages) {
        const std::string where = (m.context + QStringLiteral(": ") + m.source).toStdString();
        if (m.unfinished) problems.push_back("untranslated: " + where);
        for (const QString& t : m.translations) {
            if (t.trimmed().isEmpty()) problems.push_back("empty: " + where);
            // A plural form may leave %n out where the language names no number ("one file").
            std::set<QString> need = Placeholders(m.source), have = Placeholders(t);
            if (m.translations.size() > 1) {
                need.erase(QStringLiteral("%n"));
                have.erase(QStringLiteral("%n"));
            }
            if (need != have) problems.push_back("placeholders differ: " + where + " -> " + t.toStdString());
        }
    }
    std::string all;
    for (const auto& p : problems) all += p + "\n";
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems in " << GetParam()
                                  << ":\n"
                                  << all;
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFiles, testing::ValuesIn(Languages()),
                         [](const testing::TestParamInfo<std::string>& language) {
                             return language.param;
                         });

// The language is the user's first one Tonvexa speaks; Portuguese of Portugal gets the
// Brazilian translation, Traditional Chinese English.
TEST(Language, ChosenFromTheUsersLanguages) {
    const auto choose = [](std::initializer_list<const char*> languages) {
        QStringList list;
        for (const char* l : languages) list << QString::fromLatin1(l);
        return ChooseLanguage(list).toStdString();
    };
    EXPECT_EQ(choose({"de", "de-Latn-DE", "de-DE"}), "de");
    EXPECT_EQ(choose({"pt-PT", "pt-Latn-PT", "pt"}), "pt_BR");
    EXPECT_EQ(choose({"pt-BR"}), "pt_BR");
    EXPECT_EQ(choose({"zh-TW", "zh-Hant-TW"}), "en");
    EXPECT_EQ(choose({"zh-HK"}), "en");
    EXPECT_EQ(choose({"zh-CN", "zh-Hans-CN"}), "zh_CN");
    EXPECT_EQ(choose({"zh"}), "zh_CN");
    EXPECT_EQ(choose({"nl-NL", "fr-FR"}), "fr");  // the first one spoken
    EXPECT_EQ(choose({"en-GB", "de-DE"}), "en");  // English first is English
    EXPECT_EQ(choose({"nl"}), "en");
    EXPECT_EQ(choose({}), "en");
}

// A translation really replaces the English, and goes again with English.
TEST(Language, InstallsAndRemovesATranslation) {
    ASSERT_TRUE(InstallLanguage(*QCoreApplication::instance(), QStringLiteral("de")));
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("de"));
    EXPECT_NE(ConvertingText(), "Converting...");
    ASSERT_TRUE(InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en")));
    EXPECT_EQ(ConvertingText(), "Converting...");
    EXPECT_FALSE(InstallLanguage(*QCoreApplication::instance(), QStringLiteral("xx")));
}

// The converter speaks the user's language, but its machine formats do not.
TEST(Language, TheConverterSpeaksTheUsersLanguage) {
    const auto french = test::runCaptured(TONVEXA_CONVERT_TOOL, {"--help"}, {"LANGUAGE=fr"});
    const auto english = test::runCaptured(TONVEXA_CONVERT_TOOL, {"--help"}, {"LANGUAGE="});
    EXPECT_EQ(french.exitCode, 0);
    EXPECT_NE(french.out, english.out);
    // Not a word of the English description is left, and the key list is untouched.
    EXPECT_EQ(french.out.find("Outputs never overwrite anything"), std::string::npos) << french.out;
    EXPECT_NE(english.out.find("Outputs never overwrite anything"), std::string::npos);
    // The option keys stay as they are stored.
    EXPECT_NE(french.out.find("SimultaneousConversions"), std::string::npos);
}

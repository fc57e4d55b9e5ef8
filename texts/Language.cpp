#include "texts/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tonvexa {

namespace {

QString& current() {
    static QString language = QStringLiteral("en");
    return language;
}

}  // namespace

const QStringList& TranslatedLanguages() {
    // The build's list of languages, the one whose translations are compiled in.
    static const QStringList languages =
        QStringLiteral(TONVEXA_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return languages;
}

QString ChooseLanguage(const QStringList& uiLanguages) {
    for (const QString& entry : uiLanguages) {
        const QLocale locale(entry);
        switch (locale.language()) {
            case QLocale::English:
                return QStringLiteral("en");
            case QLocale::Portuguese:
                return QStringLiteral("pt_BR");
            case QLocale::Chinese: {
                // The script decides; a name without one goes by the country.
                const bool simplified = entry.contains(QLatin1String("Hans")) ||
                                        (!entry.contains(QLatin1String("Hant")) &&
                                         (locale.territory() == QLocale::China ||
                                          locale.territory() == QLocale::Singapore));
                return simplified ? QStringLiteral("zh_CN") : QStringLiteral("en");
            }
            case QLocale::C:
            case QLocale::AnyLanguage:
                continue;
            default: {
                const QString code = QLocale::languageToCode(locale.language());
                if (TranslatedLanguages().contains(code)) return code;
            }
        }
    }
    return QStringLiteral("en");
}

QString InstallTranslations(QCoreApplication& application) {
    const QString language = ChooseLanguage(QLocale::system().uiLanguages());
    return InstallLanguage(application, language) ? language : QStringLiteral("en");
}

bool InstallLanguage(QCoreApplication& application, const QString& language) {
    static QList<QTranslator*> installed;
    for (QTranslator* t : installed) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    installed.clear();
    current() = QStringLiteral("en");
    if (language == QStringLiteral("en")) return true;
    // Ours are compiled in; Qt's come with the system's Qt (qt6-translations-l10n).
    auto* ours = new QTranslator(&application);
    if (!ours->load(QStringLiteral(":/i18n/tonvexa_") + language + QStringLiteral(".qm"))) {
        delete ours;
        return false;
    }
    QCoreApplication::installTranslator(ours);
    installed.push_back(ours);
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        installed.push_back(qt);
    } else {
        delete qt;
    }
    current() = language;
    return true;
}

QString CurrentLanguage() {
    return current();
}

}  // namespace tonvexa

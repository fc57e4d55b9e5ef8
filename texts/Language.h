#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace tonvexa {

// The languages Tonvexa speaks besides English, by their translation files' codes.
const QStringList& TranslatedLanguages();

// The language to speak, from the user's languages in their order of preference (as
// QLocale::system().uiLanguages() gives them, "de-DE", "pt-PT", "zh-Hant-TW", ...): the first
// one Tonvexa speaks, or "en". Portuguese of any country gets the Brazilian translation;
// Chinese gets the Simplified one in its script (or in mainland China and Singapore), and
// English in the Traditional script. English itself, met first, is English.
QString ChooseLanguage(const QStringList& uiLanguages);

// Installs the translation of the system's language, ours and Qt's own (for the file
// dialog and the buttons of message boxes), into the application; returns the language
// chosen ("en" when nothing was installed).
QString InstallTranslations(QCoreApplication& application);
// Installs the translations of one language ("de", "pt_BR", ..., "en" for none) in place of
// those installed before; false when ours for it cannot be loaded.
bool InstallLanguage(QCoreApplication& application, const QString& language);

// The language installed last, "en" before any.
QString CurrentLanguage();

}  // namespace tonvexa

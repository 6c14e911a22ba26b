#pragma once

#include <QString>

class QTranslator;

// The languages the program and its reports speak, by the code their
// translation files carry: "en" (the texts as the sources hold them) and
// "zh_CN" (Simplified Chinese).
inline const char* const LanguageCodes[] = {"en", "zh_CN"};

bool IsLanguageCode(const QString& code);

// The folder of the translation files: share/kav/translations beside the
// program's own folder, so that the installed programs and the ones in the
// build tree find theirs alike.
QString TranslationsFolder();

// Loads the translations of `language` from `folder` into `translator`;
// false for an unknown language or a missing file. English has a file of
// its own for the forms a count changes (none so far); its texts are the
// sources'.
bool LoadTranslations(QTranslator& translator, const QString& language,
                      const QString& folder = TranslationsFolder());

// The code of the system's language that the program speaks: "zh_CN" for
// any Chinese locale written in simplified characters, else "en".
QString SystemLanguage();

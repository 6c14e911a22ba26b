#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// Where the user guide shipped with the program lies, and which of its
// languages a reader gets. The guide is a folder per language (`en`,
// `zh_CN`) of HTML pages beside a folder of pictures the languages share.
namespace UserGuideFiles {
// The guide's folder: the installed one beside the program's data, else the
// source tree's (a run from the build tree); empty when neither holds it.
QString Folder();

// The guide's languages, English first: English is what a missing page
// falls back to.
QStringList Languages();

// The language of the guide for a reader of `locale`: Chinese for a Chinese
// locale, else English.
QString LanguageFor(const QLocale& locale);

// The file of `page` (a name such as "index.html") in `language`, or in
// English where that language lacks it.
QString PageFile(const QString& language, const QString& page);

// The first page, in the language of `locale`.
QString FirstPageFile(const QLocale& locale);
} // namespace UserGuideFiles

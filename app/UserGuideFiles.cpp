#include "app/UserGuideFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
constexpr char English[] = "en";
constexpr char Chinese[] = "zh_CN";
constexpr char FirstPage[] = "index.html";
} // namespace

namespace UserGuideFiles {
QString Folder()
{
    // Relative to the program first, so that an installed copy finds its own
    // guide wherever the prefix put it (the package's /usr, /usr/local, a
    // staged folder); the source tree serves a program run where it was built.
    const QString candidates[] = {
        QDir(QCoreApplication::applicationDirPath()).filePath(KAV_GUIDE_FROM_PROGRAM),
        QStringLiteral(KAV_GUIDE_SOURCE_DIR)};
    for (const QString& folder : candidates)
        if (QFileInfo::exists(QDir(folder).filePath(QString("%1/%2").arg(English, FirstPage))))
            return QDir::cleanPath(folder);
    return QString();
}

QStringList Languages()
{
    return {English, Chinese};
}

QString LanguageFor(const QLocale& locale)
{
    return locale.language() == QLocale::Chinese ? Chinese : English;
}

QString PageFile(const QString& language, const QString& page)
{
    const QDir folder(Folder());
    const QString wanted = folder.filePath(language + "/" + page);
    return QFileInfo::exists(wanted) ? wanted : folder.filePath(QString(English) + "/" + page);
}

QString FirstPageFile(const QLocale& locale)
{
    return PageFile(LanguageFor(locale), FirstPage);
}
} // namespace UserGuideFiles

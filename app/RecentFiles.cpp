#include "app/RecentFiles.h"

#include "jobs/PgJobLocation.h"
#include "platform/ui/ProgramSettings.h"

#include <QFileInfo>

namespace {
// One entry per file, however it was named when opened. A team job's
// location names no file: it stays as it was given.
QString Canonical(const QString& path)
{
    return IsPgJobLocation(path.toStdString()) ? path : QFileInfo(path).absoluteFilePath();
}
} // namespace

RecentFiles::RecentFiles(ProgramSettings& settings, const QString& key) : m_Settings(settings), m_Key(key) {}

QStringList RecentFiles::Paths() const
{
    QStringList paths = m_Settings.Value(m_Key).toStringList();
    paths.removeAll(QString());
    return paths.mid(0, MaxCount);
}

void RecentFiles::Add(const QString& path)
{
    const QString entry = Canonical(path);
    QStringList paths = Paths();
    paths.removeAll(entry);
    paths.prepend(entry);
    Store(paths.mid(0, MaxCount));
}

void RecentFiles::Remove(const QString& path)
{
    QStringList paths = Paths();
    paths.removeAll(Canonical(path));
    Store(paths);
}

void RecentFiles::Store(const QStringList& paths)
{
    m_Settings.SetValue(m_Key, paths);
}

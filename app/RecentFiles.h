#pragma once

#include <QStringList>

class ProgramSettings;

// The files opened last, newest first, kept in the program's settings so
// that File > Recent Files lists them at the next start too.
class RecentFiles
{
public:
    static constexpr int MaxCount = 8;
    static inline const QString FilesKey = QStringLiteral("RecentFiles");
    static inline const QString JobsKey = QStringLiteral("RecentJobs");

    // `key`: the setting that keeps the list (a list of its own per kind).
    explicit RecentFiles(ProgramSettings& settings, const QString& key = FilesKey);

    QStringList Paths() const;
    // `path` goes to the top, once; the oldest beyond MaxCount drops off.
    void Add(const QString& path);
    void Remove(const QString& path);

private:
    void Store(const QStringList& paths);

    ProgramSettings& m_Settings;
    QString m_Key;
};

#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class QSettings;

// What the program keeps from one run to the next (the recent files, the
// folders of the file dialogs, the window's place and tab), kept where the
// system keeps such settings, as the instrument's software kept them in its
// registry key. Until the program installs the user's settings, everything is
// remembered for the run only, so tests and picture runs never read or change
// what a user has saved.
//
// A settings file is read whole, without waiting, and written through the
// safe write: only a regular file is read or replaced, or a new one made.
// Anything else under its name (a pipe, a device, a link planted in a
// shared folder, a file far too large to be settings) is left alone, the
// settings are kept for the run, and the program says so once, on standard
// error. Every change is made to the file as it is at that moment, so that
// two windows of the program keep each other's changes.
class ProgramSettings
{
public:
    ProgramSettings(); // for this run only
    ~ProgramSettings();
    ProgramSettings(const ProgramSettings&) = delete;
    ProgramSettings& operator=(const ProgramSettings&) = delete;

    // The user's settings of `application` by `organization`, where the
    // system keeps such settings: a file under the user's configuration
    // folder on Linux, the registry on Windows, the preferences on macOS.
    static std::unique_ptr<ProgramSettings> OfUser(const QString& organization, const QString& application);
    // Settings kept in the file `path` (INI format).
    static std::unique_ptr<ProgramSettings> InFile(const QString& path);

    QVariant Value(const QString& key) const;
    // Written through at once: what was remembered survives a crash.
    void SetValue(const QString& key, const QVariant& value);

    // The settings in force for the process; Install(nullptr) brings back the
    // run-only ones.
    static ProgramSettings& Current();
    static void Install(ProgramSettings* settings);

private:
    explicit ProgramSettings(std::unique_ptr<QSettings> native);
    explicit ProgramSettings(const QString& file);

    // The file's settings as they are now; false, having said why, when the
    // file cannot be read.
    bool ReadFile(QVariantMap& values);
    void SayKeptForThisRun(const std::string& reason);

    std::unique_ptr<QSettings> m_Native; // the system's own store, where it has one
    QString m_File;                      // the settings file, when there is one
    QVariantMap m_Values;                // the file's settings, or this run's
    bool m_Refused = false; // the file is no regular file, or too large to be settings: never written
    bool m_Said = false;    // a failure was told once already
};

// Where the system keeps the user's settings of `application` as a file;
// empty where it keeps them in a store of its own (the registry).
// (UserSettingsFileUnix.cpp, UserSettingsFileOther.cpp)
QString UserSettingsFile(const QString& organization, const QString& application);

#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class QSettings;

// What the program keeps from one run to the next (the recent files, the
// folders of the file dialogs, the window's place and tab), kept by QSettings
// where the instrument's software used its registry key. Until the program
// installs the user's settings, everything is remembered for the run only, so
// tests and picture runs never read or change what a user has saved.
class ProgramSettings
{
public:
    ProgramSettings(); // for this run only
    ~ProgramSettings();
    ProgramSettings(const ProgramSettings&) = delete;
    ProgramSettings& operator=(const ProgramSettings&) = delete;

    // The user's settings of `application` by `organization`, where the
    // system keeps such settings.
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
    explicit ProgramSettings(std::unique_ptr<QSettings> store);

    std::unique_ptr<QSettings> m_Store; // null: run only
    QVariantMap m_RunOnly;
};

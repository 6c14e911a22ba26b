#include "platform/ui/ProgramSettings.h"

#include "platform/files/FileBytes.h"
#include "platform/files/QuotedName.h"
#include "platform/files/SafeFileWriter.h"
#include "platform/ui/SettingsIni.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <cstdio>

namespace {
// Far more than the few lines the program keeps; a larger file is read by
// no one, and never written over.
constexpr size_t SettingsSizeLimit = 16 << 20;
// Another window of the program saving at the same moment: waited for, and
// met by saving again over what it saved.
constexpr int SaveLockWaitMs = 5000;
constexpr int SaveTries = 10;
// QSettings reads and writes the format on a temporary file of its own.
const char* const NoTemporaryFile = "no temporary file can be made for them";

ProgramSettings* g_installed = nullptr;
} // namespace

ProgramSettings::ProgramSettings() = default;

ProgramSettings::ProgramSettings(std::unique_ptr<QSettings> native) : m_Native(std::move(native)) {}

ProgramSettings::ProgramSettings(const QString& file) : m_File(file)
{
    ReadFile(m_Values);
}

ProgramSettings::~ProgramSettings() = default;

std::unique_ptr<ProgramSettings> ProgramSettings::OfUser(const QString& organization,
                                                         const QString& application)
{
    const QString file = UserSettingsFile(organization, application);
    if (!file.isEmpty())
        return InFile(file);
    return std::unique_ptr<ProgramSettings>(new ProgramSettings(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, organization, application)));
}

std::unique_ptr<ProgramSettings> ProgramSettings::InFile(const QString& path)
{
    return std::unique_ptr<ProgramSettings>(new ProgramSettings(path));
}

QVariant ProgramSettings::Value(const QString& key) const
{
    return m_Native ? m_Native->value(key) : m_Values.value(key);
}

void ProgramSettings::SetValue(const QString& key, const QVariant& value)
{
    if (m_Native) {
        m_Native->setValue(key, value);
        m_Native->sync();
        return;
    }
    m_Values.insert(key, value);
    if (m_File.isEmpty() || m_Refused)
        return;
    QDir().mkpath(QFileInfo(m_File).path());
    // Windows of the program save one at a time, under the lock file that
    // QSettings itself takes beside the file. Without it (a folder that
    // takes no lock file) saving goes on: the safe write refuses to replace
    // a file that changed since it was read, and the save is made again.
    QLockFile lock(m_File + QStringLiteral(".lock"));
    lock.tryLock(SaveLockWaitMs);
    WriteResult written;
    for (int attempt = 0; attempt < SaveTries; ++attempt) {
        // What another window of the program saved meanwhile stays: the
        // change is made, key by key, to the file as it is now.
        QVariantMap saved;
        if (!ReadFile(saved))
            return;
        saved.insert(key, value);
        m_Values = saved;
        const std::optional<QByteArray> bytes = SettingsBytes(saved);
        if (!bytes) {
            SayKeptForThisRun(NoTemporaryFile);
            return;
        }
        written = WriteFileSafely(QFile::encodeName(m_File).toStdString(), bytes->toStdString(),
                                  WriteRule::RegularOnly);
        if (written.status != IoStatus::NameTaken)
            break;
    }
    if (!written.ok())
        SayKeptForThisRun(written.reason);
    m_Refused = written.status == IoStatus::NotAFile;
}

bool ProgramSettings::ReadFile(QVariantMap& values)
{
    const FileBytes file = ReadFileBytes(QFile::encodeName(m_File).toStdString(), SettingsSizeLimit);
    if (file.status == IoStatus::NotFound)
        return true;
    if (!file.ok()) {
        m_Refused = file.status == IoStatus::NotAFile;
        SayKeptForThisRun(file.reason);
        return false;
    }
    if (file.overLimit) {
        m_Refused = true;
        SayKeptForThisRun("larger than " + std::to_string(SettingsSizeLimit >> 20) +
                          " MiB, more than settings can be; it is left as it is");
        return false;
    }
    const std::optional<QVariantMap> parsed = ParseSettings(QByteArray(
        reinterpret_cast<const char*>(file.bytes.data()), static_cast<qsizetype>(file.bytes.size())));
    if (!parsed) {
        SayKeptForThisRun(NoTemporaryFile);
        return false;
    }
    values = *parsed;
    return true;
}

void ProgramSettings::SayKeptForThisRun(const std::string& reason)
{
    if (m_Said)
        return;
    m_Said = true;
    std::fprintf(stderr, "%s: %s: the settings are kept for this run only: %s\n",
                 qPrintable(QCoreApplication::applicationName()),
                 QuotedName(QFile::encodeName(m_File).toStdString()).c_str(), reason.c_str());
}

ProgramSettings& ProgramSettings::Current()
{
    static ProgramSettings runOnly;
    return g_installed ? *g_installed : runOnly;
}

void ProgramSettings::Install(ProgramSettings* settings)
{
    g_installed = settings;
}

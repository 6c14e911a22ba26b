#include "platform/ui/ProgramSettings.h"

#include <QSettings>

namespace {
ProgramSettings* g_installed = nullptr;
}

ProgramSettings::ProgramSettings() = default;

ProgramSettings::ProgramSettings(std::unique_ptr<QSettings> store) : m_Store(std::move(store)) {}

ProgramSettings::~ProgramSettings() = default;

std::unique_ptr<ProgramSettings> ProgramSettings::OfUser(const QString& organization,
                                                         const QString& application)
{
    return std::unique_ptr<ProgramSettings>(new ProgramSettings(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, organization, application)));
}

std::unique_ptr<ProgramSettings> ProgramSettings::InFile(const QString& path)
{
    return std::unique_ptr<ProgramSettings>(
        new ProgramSettings(std::make_unique<QSettings>(path, QSettings::IniFormat)));
}

QVariant ProgramSettings::Value(const QString& key) const
{
    return m_Store ? m_Store->value(key) : m_RunOnly.value(key);
}

void ProgramSettings::SetValue(const QString& key, const QVariant& value)
{
    if (!m_Store) {
        m_RunOnly.insert(key, value);
        return;
    }
    m_Store->setValue(key, value);
    m_Store->sync();
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
